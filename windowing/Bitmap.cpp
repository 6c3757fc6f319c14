#include "windowing/Bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>

#include "runtime/Streams.h"
#include "windowing/BitmapResources.h"

namespace {

constexpr int kMaxSide = 16384;
constexpr int64_t kMaxDataBytes = 64 * 1024 * 1024;

QImage Normalised(const QImage& image) {
  if (image.isNull()) return {};
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

[[noreturn]] void InvalidGraphic() { throw EInvalidGraphic("Bitmap image is not valid"); }

}  // namespace

QImage KeyedImage(const QImage& image, TColor key) {
  QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb match = ColorToQRgb(key) & 0x00FFFFFFu;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((line[x] & 0x00FFFFFFu) == match) line[x] = 0;
  }
  return keyed;
}

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap* source) {
  if (source == this) return;
  if (!source) {
    FImage = QImage();
  } else {
    FImage = source->FImage;
    FTransparent = source->FTransparent;
    FTransparentMode = source->FTransparentMode;
    FTransparentColor = source->FTransparentColor;
  }
  Changed();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height()) return;
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(width, height, FImage.isNull() ? QImage::Format_RGB32 : FImage.format());
    resized.fill(Qt::white);
    if (!FImage.isNull()) {
      QPainter p(&resized);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, FImage);
    }
  }
  FImage = resized;
  Changed();
}

void TBitmap::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == TTransparentMode::tmFixed) return FTransparentColor;
  if (FImage.isNull()) return clDefault;
  return QRgbToColor(FImage.pixel(0, FImage.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  if (FTransparentMode == TTransparentMode::tmFixed && FTransparentColor == color) return;
  FTransparentColor = color;
  FTransparentMode = TTransparentMode::tmFixed;
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>(FImage);
    FCanvas->OnChange = [this] { Changed(); };
  }
  return *FCanvas;
}

void TBitmap::SetImage(const QImage& image) {
  FImage = Normalised(image);
  Changed();
}

QImage TBitmap::TransparentImage() const {
  if (!FTransparent || FImage.isNull()) return FImage;
  return KeyedImage(FImage, TransparentColor());
}

void TBitmap::LoadFromResourceName(const std::string& name) { SetImage(LoadBitmapResource(name)); }

void TBitmap::LoadFromStream(TStream& stream) {
  const int64_t available = stream.Size() - stream.Position();
  if (available <= 0 || available > kMaxDataBytes) InvalidGraphic();
  QByteArray data(static_cast<qsizetype>(available), '\0');
  stream.ReadBuffer(data.data(), available);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide) InvalidGraphic();
  QImage image;
  if (!reader.read(&image) || image.isNull()) InvalidGraphic();
  SetImage(image);
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, TFileMode::fmOpenRead);
  LoadFromStream(stream);
}

void TBitmap::SaveToStream(TStream& stream) const {
  if (!FImage.isNull()) stream.WriteString(ImageBytes(FImage, "BMP"));
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, TFileMode::fmCreate);
  SaveToStream(stream);
}

void TBitmap::Changed() {
  if (OnChange) OnChange();
}

std::string ImageBytes(const QImage& image, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return data.toStdString();
}

std::string SaveBitmapData(const TBitmap& bitmap) {
  return bitmap.Empty() ? std::string() : ImageBytes(bitmap.Image(), "PNG");
}

void LoadBitmapData(TBitmap& bitmap, const std::string& data) {
  if (data.empty()) {
    bitmap.Assign(nullptr);
    return;
  }
  TMemoryStream stream(data);
  TBitmap read;
  read.LoadFromStream(stream);
  bitmap.SetImage(read.Image());
}
