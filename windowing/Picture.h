// A picture: holds at most one graphic (here always a bitmap) and reports
// every change of it, as controls that show a picture need.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "windowing/Bitmap.h"

class TStream;

class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // The graphic, or null while the picture is empty.
  TBitmap* Graphic() const { return FBitmap.get(); }
  // The bitmap, created empty when there is none yet.
  TBitmap& Bitmap();
  bool Empty() const { return !FBitmap || FBitmap->Empty(); }
  int Width() const { return FBitmap ? FBitmap->Width() : 0; }
  int Height() const { return FBitmap ? FBitmap->Height() : 0; }

  // Copies the other picture's graphic (null or empty: this one is cleared).
  void Assign(const TPicture* source);
  void Assign(const TBitmap* source);
  void LoadFromStream(TStream& stream) { Bitmap().LoadFromStream(stream); }
  void LoadFromFile(const std::string& fileName) { Bitmap().LoadFromFile(fileName); }
  // The graphic as image file bytes, for storing in a form description
  // (empty for an empty picture); setting empty data clears the picture.
  std::string Data() const;
  void SetData(const std::string& data);

  std::function<void()> OnChange;

 private:
  void Changed();

  std::unique_ptr<TBitmap> FBitmap;
};

// The picture as form descriptions store it (see SaveBitmapData); no bytes
// empty it.
std::string SavePictureData(const TPicture& picture);
void LoadPictureData(TPicture& picture, const std::string& data);
