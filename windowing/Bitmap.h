// A bitmap: an image in memory with a canvas to draw on it and the
// platform's transparency rule: when Transparent is set, pixels of the
// transparent colour are not drawn. That colour is the lower-left pixel
// (automatic mode) unless one was fixed.
#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <string>

#include "runtime/SysUtils.h"
#include "windowing/Canvas.h"
#include "windowing/Colors.h"

class TStream;

// Raised for image data that cannot be read.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // Copies image and transparency; null empties this bitmap.
  void Assign(const TBitmap* source);

  int Width() const { return FImage.width(); }
  int Height() const { return FImage.height(); }
  bool Empty() const override { return FImage.isNull(); }
  // Keeps the pixels that still fit; new pixels are white.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  // Automatic mode: the lower-left pixel (clDefault while empty).
  TColor TransparentColor() const;
  // Fixes the colour (and switches to the fixed mode).
  void SetTransparentColor(TColor color);

  TCanvas& Canvas();
  const QImage& Image() const { return FImage; }
  // Replaces the pixels (converted to 32 bits per pixel).
  void SetImage(const QImage& image);
  // The image as it is drawn: transparent pixels at alpha 0 when Transparent.
  QImage TransparentImage() const override;

  // EResNotFound when no bitmap resource has that name.
  void LoadFromResourceName(const std::string& name);
  // Reads BMP or PNG data from the stream's position to its end;
  // EInvalidGraphic "Bitmap image is not valid" for anything else, for
  // truncated data and for images of more than 16384 pixels a side.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);
  // Writes BMP data.
  void SaveToStream(TStream& stream) const;
  void SaveToFile(const std::string& fileName) const;

  std::function<void()> OnChange;

 private:
  void Changed();

  QImage FImage;
  std::unique_ptr<TCanvas> FCanvas;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  TColor FTransparentColor = clDefault;
};

// The image with every pixel of the key colour turned transparent.
QImage KeyedImage(const QImage& image, TColor key);

// The image written as a file of the format ("PNG", "BMP").
std::string ImageBytes(const QImage& image, const char* format);
// A bitmap as form descriptions store it: PNG bytes, none for an empty one.
std::string SaveBitmapData(const TBitmap& bitmap);
// Reads BMP or PNG bytes into the bitmap; no bytes empty it. Data that is no
// image raises EInvalidGraphic and leaves the bitmap as it was.
void LoadBitmapData(TBitmap& bitmap, const std::string& data);
