#include "windowing/Image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  FPicture.OnChange = [this] { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

const TClassInfo& TImage::StaticClassInfo() {
  static const auto info = DefineClass<TImage>("TImage", TGraphicControl::StaticClassInfo(), [](TPublisher<TImage>& p) {
    p.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
        .Bool("Center", &TImage::Center, &TImage::SetCenter)
        .Binary("Picture", &TImage::PictureData, &TImage::SetPictureData)
        .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch)
        .Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent);
  });
  return *info;
}

std::string TImage::PictureData() const { return SavePictureData(FPicture); }

void TImage::SetPictureData(const std::string& bytes) { LoadPictureData(FPicture, bytes); }

void TImage::SetAutoSize(bool autoSize) {
  if (FAutoSize == autoSize) return;
  FAutoSize = autoSize;
  PictureChanged();
}

void TImage::SetStretch(bool stretch) {
  if (FStretch == stretch) return;
  FStretch = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  if (FCenter == center) return;
  FCenter = center;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (TBitmap* bitmap = FPicture.Graphic(); bitmap && bitmap->Transparent() != FTransparent)
    bitmap->SetTransparent(FTransparent);  // comes back here once
  if (FAutoSize && !FPicture.Empty()) SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
  Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
  const TBitmap* bitmap = FPicture.Graphic();
  if (!bitmap || bitmap->Empty()) return;
  if (FStretch) {
    canvas.StretchDraw(ClientRect(), *bitmap);
  } else if (FCenter) {
    canvas.Draw((Width() - bitmap->Width()) / 2, (Height() - bitmap->Height()) / 2, *bitmap);
  } else {
    canvas.Draw(0, 0, *bitmap);
  }
}
