#include "windowing/Picture.h"

#include "runtime/Streams.h"

TBitmap& TPicture::Bitmap() {
  if (!FBitmap) {
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->OnChange = [this] { Changed(); };
  }
  return *FBitmap;
}

void TPicture::Assign(const TPicture* source) { Assign(source ? source->Graphic() : nullptr); }

void TPicture::Assign(const TBitmap* source) {
  if (source && source == FBitmap.get()) return;
  if (!source || source->Empty()) {
    if (!FBitmap) return;
    FBitmap.reset();
    Changed();
    return;
  }
  Bitmap().Assign(source);
}

std::string TPicture::Data() const {
  if (Empty()) return {};
  TMemoryStream stream;
  FBitmap->SaveToStream(stream);
  return stream.DataString();
}

void TPicture::SetData(const std::string& data) {
  if (data.empty()) {
    Assign(static_cast<const TBitmap*>(nullptr));
    return;
  }
  TMemoryStream stream(data);
  LoadFromStream(stream);
}

void TPicture::Changed() {
  if (OnChange) OnChange();
}

std::string SavePictureData(const TPicture& picture) {
  return picture.Graphic() ? SaveBitmapData(*picture.Graphic()) : std::string();
}

void LoadPictureData(TPicture& picture, const std::string& data) {
  if (data.empty()) {
    picture.Assign(static_cast<const TBitmap*>(nullptr));
    return;
  }
  TBitmap read;
  LoadBitmapData(read, data);
  picture.Assign(&read);
}
