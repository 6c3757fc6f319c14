// An image: windowless, shows its picture at the top-left corner, centred
// or stretched, with the picture's transparency. With AutoSize it takes the
// picture's size.
#pragma once

#include "windowing/GraphicControl.h"
#include "windowing/Picture.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPicture& Picture() { return FPicture; }
  // The picture's image data (PNG or BMP), as descriptions store it.
  std::string PictureData() const;
  void SetPictureData(const std::string& bytes);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool stretch);
  bool Center() const { return FCenter; }
  void SetCenter(bool center);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  void PictureChanged();

  TPicture FPicture;
  bool FAutoSize = false;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
};
