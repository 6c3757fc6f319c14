#include "skin/SkinGrid.h"

TSkinStringGrid::TSkinStringGrid(TComponent* owner) : TSkinBordered<TStringGrid>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(1);
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TClassInfo& TSkinStringGrid::StaticClassInfo() {
  using T = TSkinStringGrid;
  static const auto info = DefineClass<T>("TSkinStringGrid", TStringGrid::StaticClassInfo(), [](TPublisher<T>& p) {
    PublishStyle(p);
    p.Color("BGColor", &T::BGColor, &T::SetBGColor)
        .Color("FocusedColor", &T::FocusedColor, &T::SetFocusedColor)
        .Color("SelectedColor", &T::SelectedColor, &T::SetSelectedColor)
        .Color("FixedFontColor", &T::FixedFontColor, &T::SetFixedFontColor)
        .Color("FixedBGColor", &T::FixedBGColor, &T::SetFixedBGColor)
        .Color("FontColor", &T::FontColor, &T::SetFontColor)
        .Bool("Ctl3D", &T::Ctl3D, &T::SetCtl3D);
  });
  return *info;
}

void TSkinStringGrid::ApplyStyle(const TSkinItemSource& items) {
  TSkinBordered<TStringGrid>::ApplyStyle(items);
  SetFixedColor(items.Color(SkinItem::MenuSelectedBackgroundColor));
  SetColor(items.Color(SkinItem::ControlBackgroundColor));
  SetFixedFontColor(items.Color(SkinItem::MenuSelectedFontColor));
  Font().SetColor(items.Color(SkinItem::MenuFontColor));
}

void TSkinStringGrid::SetFocusedColor(TColor color) {
  if (FFocusedColor == color) return;
  FFocusedColor = color;
  Invalidate();
}

void TSkinStringGrid::SetSelectedColor(TColor color) {
  if (FSelectedColor == color) return;
  FSelectedColor = color;
  Invalidate();
}

void TSkinStringGrid::SetFixedFontColor(TColor color) {
  if (FFixedFontColor == color) return;
  FFixedFontColor = color;
  Invalidate();
}

void TSkinStringGrid::SetFontColor(TColor color) {
  Font().SetColor(color);
  Invalidate();
}

void TSkinStringGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& r, TGridDrawState state) {
  if (state & gdFixed) {
    canvas.Font.SetColor(FFixedFontColor);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.TextRect(r, r.Left + 2, r.Top + 2, Cells(col, row));
  } else {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = state & gdFocused ? FFocusedColor : state & gdSelected ? FSelectedColor : Color();
    canvas.FillRect(r);
  }
  TSkinBordered<TStringGrid>::DrawCell(canvas, col, row, r, state);
}

void TSkinStringGrid::PaintBorder() { FrameControlBorder(*this, BorderColor(), Color(), false); }
