#include "windowing/CustomPanel.h"

void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
  canvas.Pen.Width = 1;
  canvas.Pen.Style = TPenStyle::psSolid;
  --r.Bottom;
  --r.Right;
  for (; width > 0; --width) {
    canvas.Pen.Color = topColor;
    canvas.MoveTo(r.Left, r.Bottom);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
    canvas.Pen.Color = bottomColor;
    canvas.LineTo(r.Right, r.Bottom);
    canvas.LineTo(r.Left - 1, r.Bottom);
    r = r.Inflate(-1, -1);
  }
  ++r.Bottom;
  ++r.Right;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 185, 41);
}

const TEnumInfo& TCustomPanel::BevelNames() {
  static const TEnumInfo names{{"bvNone", "bvLowered", "bvRaised"}};
  return names;
}

const TEnumInfo& TCustomPanel::AlignmentNames() {
  static const TEnumInfo names{{"taLeftJustify", "taRightJustify", "taCenter"}};
  return names;
}

const TClassInfo& TCustomPanel::StaticClassInfo() {
  static const auto info =
      DefineClass<TCustomPanel>("TCustomPanel", TCustomControl::StaticClassInfo(), [](TPublisher<TCustomPanel>& p) {
        p.Enum("Alignment", AlignmentNames(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
            .Enum("BevelInner", BevelNames(), &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
            .Enum("BevelOuter", BevelNames(), &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
            .Integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
            .Integer("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth);
      });
  return *info;
}

const TClassInfo& TPanel::StaticClassInfo() {
  static const auto info = DefineClass<TPanel>("TPanel", TCustomPanel::StaticClassInfo(), nullptr);
  return *info;
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
  if (FBevelInner == bevel) return;
  FBevelInner = bevel;
  Changed();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
  if (FBevelOuter == bevel) return;
  FBevelOuter = bevel;
  Changed();
}

void TCustomPanel::SetBevelWidth(int width) {
  if (FBevelWidth == width || width < 1) return;
  FBevelWidth = width;
  Changed();
}

void TCustomPanel::SetBorderWidth(int width) {
  if (FBorderWidth == width || width < 0) return;
  FBorderWidth = width;
  Changed();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
  if (FAlignment == alignment) return;
  FAlignment = alignment;
  Invalidate();
}

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& rect) const {
  int inset = FBorderWidth;
  if (FBevelOuter != TBevelCut::bvNone) inset += FBevelWidth;
  if (FBevelInner != TBevelCut::bvNone) inset += FBevelWidth;
  rect = rect.Inflate(-inset, -inset);
}

void TCustomPanel::Paint(TCanvas& canvas) {
  TRect r = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool raised = cut == TBevelCut::bvRaised;
    Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, FBevelWidth);
  };
  bevel(FBevelOuter);
  Frame3D(canvas, r, Color(), Color(), FBorderWidth);
  bevel(FBevelInner);
  canvas.Brush.Color = Color();
  canvas.FillRect(r);
  canvas.Brush.Style = TBrushStyle::bsClear;
  const int h = canvas.TextHeight("W");
  r.Top = (r.Bottom + r.Top - h) / 2;
  r.Bottom = r.Top + h;
  static constexpr unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER | kAlign[static_cast<int>(FAlignment)]);
}
