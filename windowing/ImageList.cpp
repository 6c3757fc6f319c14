#include "windowing/ImageList.h"

#include <QPainter>

#include "runtime/Streams.h"
#include "windowing/Bitmap.h"

namespace {

// The shape of an image's dark opaque pixels, filled with one colour.
QImage Silhouette(const QImage& image, QRgb color) {
  QImage shape(image.size(), QImage::Format_ARGB32);
  shape.fill(Qt::transparent);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) >= 128 && qGray(p) < 192) shape.setPixel(x, y, color | 0xFF000000u);
    }
  return shape;
}

}  // namespace

void TCustomImageList::SetWidth(int width) {
  if (width == FWidth || width <= 0) return;
  FWidth = width;
  Clear();
}

void TCustomImageList::SetHeight(int height) {
  if (height == FHeight || height <= 0) return;
  FHeight = height;
  Clear();
}

int TCustomImageList::AddImage(const QImage& strip) {
  if (strip.isNull() || strip.width() < FWidth) return -1;
  const int first = Count();
  for (int x = 0; x + FWidth <= strip.width(); x += FWidth) {
    QImage image(FWidth, FHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, strip, x, 0, FWidth, std::min(FHeight, strip.height()));
    p.end();
    FImages.push_back(image);
  }
  Changed();
  return first;
}

int TCustomImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
  return AddImage(KeyedImage(bitmap.Image(), maskColor));
}

int TCustomImageList::Add(const TBitmap& bitmap) { return AddImage(bitmap.TransparentImage()); }

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FImages.erase(FImages.begin() + index);
  Changed();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Changed();
}

QImage TCustomImageList::Image(int index) const {
  return index >= 0 && index < Count() ? FImages[static_cast<size_t>(index)] : QImage();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  const QImage image = Image(index);
  if (image.isNull()) return;
  const TRect at = Bounds(x, y, image.width(), image.height());
  if (enabled) {
    canvas.DrawImage(at, image, image.rect());
    return;
  }
  canvas.DrawImage(at.Offset(1, 1), Silhouette(image, ColorToQRgb(clBtnHighlight)), image.rect());
  canvas.DrawImage(at, Silhouette(image, ColorToQRgb(clBtnShadow)), image.rect());
}

void TCustomImageList::GetBitmap(int index, TBitmap& bitmap) const {
  const QImage image = Image(index);
  if (image.isNull()) return;
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.fill(Qt::white);
  QPainter(&opaque).drawImage(0, 0, image);
  bitmap.SetImage(opaque);
}

std::string TCustomImageList::BitmapData() const {
  if (FImages.empty()) return {};
  QImage strip(FWidth * Count(), FHeight, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  for (int i = 0; i < Count(); ++i) p.drawImage(i * FWidth, 0, FImages[static_cast<size_t>(i)]);
  p.end();
  return ImageBytes(strip, "PNG");
}

void TCustomImageList::SetBitmapData(const std::string& data) {
  FImages.clear();
  if (!data.empty()) {
    TMemoryStream stream(data);
    TBitmap strip;
    strip.LoadFromStream(stream);
    AddImage(strip.Image().convertToFormat(QImage::Format_ARGB32));
  }
  Changed();
}

void TCustomImageList::Changed() {
  if (OnChange) OnChange();
}

const TClassInfo& TCustomImageList::StaticClassInfo() {
  static const auto info = DefineClass<TCustomImageList>("TCustomImageList", ComponentClassInfo(), nullptr);
  return *info;
}

const TClassInfo& TImageList::StaticClassInfo() {
  static const auto info =
      DefineClass<TImageList>("TImageList", TCustomImageList::StaticClassInfo(), [](TPublisher<TImageList>& p) {
        p.Integer("Height", &TImageList::Height, &TImageList::SetHeight)
            .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
            .Binary("Bitmap", &TImageList::BitmapData, &TImageList::SetBitmapData);
      });
  return *info;
}
