// The skinned string grid: the class library's grid with a one-pixel
// BorderColor frame and the style's colours for the heading (fixed) cells,
// the body and the text; the selected cells are filled with SelectedColor
// (yellow) and the focused one with FocusedColor (lime), which wins.
#pragma once

#include "skin/SkinBorder.h"
#include "windowing/StringGrid.h"

class TSkinStringGrid : public TSkinBordered<TStringGrid> {
 public:
  explicit TSkinStringGrid(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor FocusedColor() const { return FFocusedColor; }
  void SetFocusedColor(TColor color);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor color);
  TColor FixedFontColor() const { return FFixedFontColor; }
  void SetFixedFontColor(TColor color);
  // Other names of Color, FixedColor and the font's colour.
  TColor BGColor() const { return Color(); }
  void SetBGColor(TColor color) { SetColor(color); }
  TColor FixedBGColor() const { return FixedColor(); }
  void SetFixedBGColor(TColor color) { SetFixedColor(color); }
  TColor FontColor() const { return Font().Color(); }
  void SetFontColor(TColor color);
  // Always reads false (the grid is flat); setting it is kept for forms.
  bool Ctl3D() const { return false; }
  void SetCtl3D(bool) {}

  void DrawCell(TCanvas& canvas, int col, int row, const TRect& r, TGridDrawState state) override;

 protected:
  // Border 25, heading 19, body 26, heading text 20, text 22.
  void ApplyStyle(const TSkinItemSource& items) override;
  // One ring in BorderColor, on the one-pixel border.
  void PaintBorder() override;

 private:
  TColor FFocusedColor = clLime;
  TColor FSelectedColor = clYellow;
  TColor FFixedFontColor = clBlack;
};
