// Image lists: images of one size, drawn enabled or greyed. Adding a strip
// wider than the list's width adds one image per full width.
#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "runtime/Component.h"
#include "windowing/Colors.h"
#include "windowing/Persistent.h"

class TBitmap;
class TCanvas;

class TCustomImageList : public TComponent, public TPersistent {
 public:
  explicit TCustomImageList(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const { return static_cast<int>(FImages.size()); }

  // Adds the bitmap's images; pixels of maskColor become transparent.
  // Returns the index of the first image added (-1 when none fits).
  int AddMasked(const TBitmap& bitmap, TColor maskColor);
  // Adds the bitmap's images with their own transparency.
  int Add(const TBitmap& bitmap);
  void Delete(int index);
  void Clear();
  // Draws image index at (x, y); nothing for an index outside the list.
  // Disabled images are drawn embossed in the button shadow colours.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  // The image with its transparency as alpha; a null image outside the list.
  QImage Image(int index) const;
  // Copies image index into the bitmap (transparent pixels in white).
  void GetBitmap(int index, TBitmap& bitmap) const;

  // The images as one strip, for storing and reading.
  std::string BitmapData() const;
  void SetBitmapData(const std::string& data);

  std::function<void()> OnChange;

 private:
  int AddImage(const QImage& strip);
  void Changed();

  int FWidth = 16;
  int FHeight = 16;
  std::vector<QImage> FImages;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
