#include "skin/SkinGroupBox.h"

#include <cstdlib>

#include "skin/SkinPublic.h"

namespace {
constexpr TColor kGreyText = 0x808080;
}

TSkinCustomGroupBox::TSkinCustomGroupBox(TComponent* owner) : TSkinThemed(owner) {
  TControl::SetCaption(" ");
  SetBounds(Left(), Top(), 185, 105);
  SetParentColor(true);
  SetTransparent(false);
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TClassInfo& TSkinCustomGroupBox::StaticClassInfo() {
  using G = TSkinCustomGroupBox;
  static const auto info = DefineClass<G>("TSkinCustomGroupBox", TSkinCustomPanel::StaticClassInfo(), [](TPublisher<G>& p) {
    p.Component<TSkinFileTheme>("FileTheme", &G::FileTheme, &G::SetFileTheme)
        .Enum("UIStyle", SkinUIStyleNames(), &G::UIStyle, &G::SetUIStyle)
        .Enum("Align", TControl::AlignNames(), &TControl::Align, &TControl::SetAlign)
        .String("Caption", &G::Caption, &G::SetCaption)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .Bool("Transparent", &TSkinCustomPanel::Transparent, &TSkinCustomPanel::SetTransparent)
        .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible);
  });
  return *info;
}

const TClassInfo& TSkinGroupBox::StaticClassInfo() {
  static const auto info = DefineClass<TSkinGroupBox>(
      "TSkinGroupBox", TSkinCustomGroupBox::StaticClassInfo(), [](TPublisher<TSkinGroupBox>& p) {
        p.Color("BorderColor", &TSkinCustomGroupBox::BorderColor, &TSkinCustomGroupBox::SetBorderColor);
        PublishPanelEvents(p);
      });
  return *info;
}

void TSkinCustomGroupBox::SetBorderColor(TColor color) {
  if (FBorderColor == color) return;
  FBorderColor = color;
  Invalidate();
}

void TSkinCustomGroupBox::SetCaption(const std::string& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  Invalidate();
}

void TSkinCustomGroupBox::UpdateUIStyle(TSkinUIStyle style, TSkinFileTheme* theme) {
  ApplyThemeToChildren(*this, style, theme);
  const TSkinItemSource items(theme, style);
  SetBorderColor(items.Color(SkinItem::ControlBorderColor));
  Font().SetColor(items.Color(SkinItem::ControlFontColor));
}

void TSkinCustomGroupBox::AdjustClientRect(TRect& rect) const {
  rect = Rect(rect.Left + 3, rect.Top + std::abs(Font().Height()) + 5, rect.Right - 3, rect.Bottom - 3);
}

void TSkinCustomGroupBox::Paint(TCanvas& canvas) {
  const TRect client = ClientRect();
  if (Transparent()) {
    TSkinCustomPanel::Paint(canvas);
  } else {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
  }
  canvas.Font.Assign(Font());
  const int y = std::abs(Font().Height()) / 2 + client.Top + 1;
  const int L = client.Left, R = client.Right, B = client.Bottom;
  canvas.Pen.Color = FBorderColor;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.MoveTo(L + 2, y);
  canvas.LineTo(L, y);
  canvas.LineTo(L, B - 1);
  canvas.LineTo(R - 1, B - 1);
  canvas.LineTo(R - 1, y);
  canvas.LineTo(FCaption.empty() ? L : L + 6 + canvas.TextWidth(FCaption), y);
  if (!isEnabled()) canvas.Font.SetColor(kGreyText);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.TextOut(5, 0, FCaption);
}

void TSkinCustomGroupBox::FontChanged() {
  Realign();
  Invalidate();
}

void TSkinCustomGroupBox::FileThemeRemoved() {
  ApplyThemeToChildren(*this, TSkinUIStyle::Midnight, nullptr);
  SetUIStyle(TSkinUIStyle::Midnight);
}
