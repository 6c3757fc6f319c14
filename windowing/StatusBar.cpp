#include "windowing/StatusBar.h"

#include <algorithm>

namespace {

// The platform's status control leaves two pixels above the panels and two
// between them.
constexpr int kTopMargin = 2;
constexpr int kPanelGap = 2;
constexpr int kTextPadding = 3;

const TEnumInfo& BevelNames() {
  static const TEnumInfo names{{"pbNone", "pbLowered", "pbRaised"}};
  return names;
}

}  // namespace

const TClassInfo& TStatusPanel::StaticClassInfo() {
  static const auto info =
      DefineClass<TStatusPanel>("TStatusPanel", TCollectionItem::StaticClassInfo(), [](TPublisher<TStatusPanel>& p) {
        p.Enum("Alignment", TCustomPanel::AlignmentNames(), &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
            .Enum("Bevel", BevelNames(), &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
            .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
            .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
      });
  return *info;
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
  if (FAlignment == alignment) return;
  FAlignment = alignment;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
  if (FBevel == bevel) return;
  FBevel = bevel;
  Changed();
}

void TStatusPanel::SetText(const std::string& text) {
  if (FText == text) return;
  FText = text;
  Changed();
}

void TStatusPanel::SetWidth(int width) {
  width = std::max(0, width);
  if (FWidth == width) return;
  FWidth = width;
  Changed();
}

void TStatusPanel::Assign(const TCollectionItem& source) {
  const auto* panel = dynamic_cast<const TStatusPanel*>(&source);
  if (!panel) {
    TCollectionItem::Assign(source);
    return;
  }
  SetAlignment(panel->FAlignment);
  SetBevel(panel->FBevel);
  SetText(panel->FText);
  SetWidth(panel->FWidth);
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner) : TCustomControl(owner) {
  FPanels.OnUpdate = [this](TCollectionItem*) { Invalidate(); };
  SetParentFont(false);
  FTakingSystemFont = true;
  Font().Assign(SystemMenuFont());
  FTakingSystemFont = false;
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
}

const TClassInfo& TCustomStatusBar::StaticClassInfo() {
  static const auto info = DefineClass<TCustomStatusBar>(
      "TCustomStatusBar", TCustomControl::StaticClassInfo(), [](TPublisher<TCustomStatusBar>& p) {
        p.Collection("Panels", static_cast<TStatusPanels& (TCustomStatusBar::*)()>(&TCustomStatusBar::Panels))
            .Bool("SimplePanel", &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel)
            .String("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText)
            .Bool("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip)
            .Bool("UseSystemFont", &TCustomStatusBar::UseSystemFont, &TCustomStatusBar::SetUseSystemFont);
      });
  return *info;
}

const TClassInfo& TStatusBar::StaticClassInfo() {
  static const auto info = DefineClass<TStatusBar>("TStatusBar", TCustomStatusBar::StaticClassInfo(), nullptr);
  return *info;
}

void TCustomStatusBar::SetSimplePanel(bool simplePanel) {
  if (FSimplePanel == simplePanel) return;
  FSimplePanel = simplePanel;
  Invalidate();
}

void TCustomStatusBar::SetSimpleText(const std::string& text) {
  if (FSimpleText == text) return;
  FSimpleText = text;
  if (FSimplePanel) Invalidate();
}

void TCustomStatusBar::SetUseSystemFont(bool useSystemFont) {
  if (FUseSystemFont == useSystemFont) return;
  FUseSystemFont = useSystemFont;
  if (!useSystemFont) return;
  FTakingSystemFont = true;
  Font().Assign(SystemMenuFont());
  FTakingSystemFont = false;
}

void TCustomStatusBar::FontChanged() {
  if (!FTakingSystemFont) FUseSystemFont = false;
  TCustomControl::FontChanged();
}

TRect TCustomStatusBar::PanelRect(int index) const {
  const int count = FPanels.Count();
  if (index < 0 || index >= count) return {};
  int left = 0;
  for (int i = 0; i < index; ++i) left += FPanels.Items(i)->Width();
  const int right = index == count - 1 ? PanelsRight() : left + FPanels.Items(index)->Width() - kPanelGap;
  return Rect(left, kTopMargin, std::max(left, right), Height());
}

void TCustomStatusBar::Paint(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.FillRect(ClientRect());
  if (FSimplePanel) {
    DrawPanel(canvas, Rect(0, kTopMargin, PanelsRight(), Height()), TStatusPanelBevel::pbLowered,
              TAlignment::taLeftJustify, FSimpleText);
    return;
  }
  for (int i = 0; i < FPanels.Count(); ++i) {
    const TStatusPanel& panel = *FPanels.Items(i);
    DrawPanel(canvas, PanelRect(i), panel.Bevel(), panel.Alignment(), panel.Text());
  }
}

void TCustomStatusBar::DrawPanel(TCanvas& canvas, TRect r, TStatusPanelBevel bevel, TAlignment alignment,
                                 const std::string& text) {
  if (r.IsEmpty()) return;
  if (bevel != TStatusPanelBevel::pbNone) {
    const bool raised = bevel == TStatusPanelBevel::pbRaised;
    Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, 1);
  }
  r = r.Inflate(-kTextPadding, 0);
  static constexpr unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | kAlign[static_cast<int>(alignment)]);
  canvas.Brush.Style = TBrushStyle::bsSolid;
}
