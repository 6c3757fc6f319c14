// A label: windowless text, aligned left, right or centred, on one line or
// wrapped at its width. With AutoSize it takes the text's size (a wrapped
// label keeps its width and takes the text's height, again at each new
// width). "&" marks an access key unless ShowAccelChar is off.
#pragma once

#include "windowing/CustomPanel.h"
#include "windowing/GraphicControl.h"

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool show);

 protected:
  void Paint(TCanvas& canvas) override;
  void TextChanged() override;
  void FontChanged() override;
  void Loaded() override;
  void Resize() override;

 private:
  unsigned TextFlags() const;
  void AdjustBounds();

  TAlignment FAlignment = TAlignment::taLeftJustify;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
};
