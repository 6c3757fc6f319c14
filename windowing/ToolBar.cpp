#include "windowing/ToolBar.h"

#include <algorithm>

#include "windowing/CustomPanel.h"

namespace {

constexpr int kSeparatorWidth = 8;

const TEnumInfo& EdgeNames() {
  static const TEnumInfo names{{"esNone", "esRaised", "esLowered"}};
  return names;
}
const TEnumInfo& BorderNames() {
  static const TEnumInfo names{{"ebLeft", "ebTop", "ebRight", "ebBottom"}};
  return names;
}

// A one-pixel raised or lowered frame around r.
void Edge(TCanvas& canvas, const TRect& r, bool raised) {
  TRect frame = r;
  Frame3D(canvas, frame, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, 1);
}

}  // namespace

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

const TClassInfo& TToolBar::StaticClassInfo() {
  static const auto info = DefineClass<TToolBar>("TToolBar", TCustomControl::StaticClassInfo(), [](TPublisher<TToolBar>& p) {
    p.Integer("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
        .Integer("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
        .Set("EdgeBorders", BorderNames(), &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders)
        .Enum("EdgeInner", EdgeNames(), &TToolBar::EdgeInner, &TToolBar::SetEdgeInner)
        .Enum("EdgeOuter", EdgeNames(), &TToolBar::EdgeOuter, &TToolBar::SetEdgeOuter)
        .Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
        .Component<TCustomImageList>("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages)
        .Component<TCustomImageList>("Images", &TToolBar::Images, &TToolBar::SetImages)
        .Integer("Indent", &TToolBar::Indent, &TToolBar::SetIndent)
        .Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
        .Bool("Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent)
        .Bool("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable)
        .Event("OnCustomDraw", &TToolBar::OnCustomDraw)
        .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton);
  });
  return *info;
}

void TToolBar::SetFlat(bool flat) {
  if (FFlat == flat) return;
  FFlat = flat;
  Changed();
}

void TToolBar::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  SetSeeThrough(transparent);
  Invalidate();
}

void TToolBar::SetShowCaptions(bool show) {
  if (FShowCaptions == show) return;
  FShowCaptions = show;
  Changed();
}

void TToolBar::SetWrapable(bool wrapable) {
  if (FWrapable == wrapable) return;
  FWrapable = wrapable;
  Changed();
}

void TToolBar::SetButtonWidth(int width) {
  if (FButtonWidth == width || width < 0) return;
  FButtonWidth = width;
  Changed();
}

void TToolBar::SetButtonHeight(int height) {
  if (FButtonHeight == height || height < 0) return;
  FButtonHeight = height;
  Changed();
}

void TToolBar::SetIndent(int indent) {
  if (FIndent == indent) return;
  FIndent = indent;
  Changed();
}

void TToolBar::SetEdgeBorders(TEdgeBorders borders) {
  if (FEdgeBorders == borders) return;
  FEdgeBorders = borders;
  Changed();
}

void TToolBar::SetEdgeInner(TEdgeStyle style) {
  if (FEdgeInner == style) return;
  FEdgeInner = style;
  Changed();
}

void TToolBar::SetEdgeOuter(TEdgeStyle style) {
  if (FEdgeOuter == style) return;
  FEdgeOuter = style;
  Changed();
}

void TToolBar::SetImages(TCustomImageList* images) {
  FImages.Set(this, images);
  Changed();
}

void TToolBar::SetHotImages(TCustomImageList* images) {
  FHotImages.Set(this, images);
  Invalidate();
}

void TToolBar::AdjustClientRect(TRect& rect) const {
  const int edge = (FEdgeInner != TEdgeStyle::esNone) + (FEdgeOuter != TEdgeStyle::esNone);
  if (FEdgeBorders & ebLeft) rect.Left += edge;
  if (FEdgeBorders & ebTop) rect.Top += edge;
  if (FEdgeBorders & ebRight) rect.Right -= edge;
  if (FEdgeBorders & ebBottom) rect.Bottom -= edge;
}

int TToolBar::ButtonWidthFor(const TToolButton& button) const {
  if (button.IsSeparator()) return kSeparatorWidth;
  const int dropDown = button.Style() == TToolButtonStyle::tbsDropDown ? kToolButtonDropDownWidth : 0;
  if (!FShowCaptions) return FButtonWidth + dropDown;
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(Font());
  auto captionWidth = [&](const TToolButton& b) { return b.Caption().empty() ? 0 : canvas.TextWidth(b.Caption()) + 8; };
  if (button.AutoSize()) return std::max(captionWidth(button), FImages ? FImages->Width() + 7 : 0) + dropDown;
  // Buttons that do not size themselves are all as wide as the widest caption.
  int width = FButtonWidth;
  for (const TToolButton* b : FButtons)
    if (!b->AutoSize() && !b->IsSeparator()) width = std::max(width, captionWidth(*b));
  return width + dropDown;
}

void TToolBar::ArrangeButtons() {
  if (FArranging) return;
  FArranging = true;
  TRect area = ClientRect();
  AdjustClientRect(area);
  const int start = area.Left + FIndent;
  int x = start, y = area.Top;
  for (TToolButton* button : FButtons) {
    if (!button->Visible()) continue;
    const int w = ButtonWidthFor(*button);
    if (FWrapable && x > start && x + w > area.Right && !button->IsSeparator()) {
      x = start;
      y += FButtonHeight;
    }
    button->SetBounds(x, y, w, FButtonHeight);
    x += w;
    if (button->Wrap()) {
      x = start;
      y += FButtonHeight;
    }
  }
  FArranging = false;
}

void TToolBar::GroupButtonDown(TToolButton& button) {
  const auto self = std::find(FButtons.begin(), FButtons.end(), &button);
  if (self == FButtons.end()) return;
  auto release = [&](auto from, auto to) {
    for (auto it = from; it != to && (*it)->Grouped() && (*it)->Style() == button.Style(); ++it) (*it)->SetDown(false);
  };
  release(self + 1, FButtons.end());
  release(std::make_reverse_iterator(self), FButtons.rend());
}

void TToolBar::ControlChange(TControl* child, bool inserting) {
  TCustomControl::ControlChange(child, inserting);
  if (inserting) {
    if (auto* button = dynamic_cast<TToolButton*>(child)) FButtons.push_back(button);
  } else {
    std::erase_if(FButtons, [child](TToolButton* b) { return static_cast<TControl*>(b) == child; });
  }
  ArrangeButtons();
}

void TToolBar::Resize() {
  ArrangeButtons();
  TCustomControl::Resize();
}

void TToolBar::FontChanged() { Changed(); }

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (FImages.Release(component) | FHotImages.Release(component)) Changed();
}

void TToolBar::Changed() {
  ArrangeButtons();
  Invalidate();
  for (TToolButton* b : FButtons) b->Invalidate();
}

void TToolBar::Paint(TCanvas& canvas) {
  bool defaultDraw = true;
  if (OnCustomDraw) OnCustomDraw(this, canvas, ClientRect(), defaultDraw);
  if (!defaultDraw) return;
  if (!FTransparent) {
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
  }
  const int w = Width(), h = Height();
  auto line = [&](int x1, int y1, int x2, int y2, TColor c) {
    canvas.Pen.Color = c;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  int inset = 0;
  for (TEdgeStyle style : {FEdgeOuter, FEdgeInner}) {
    if (style == TEdgeStyle::esNone) continue;
    const TColor light = style == TEdgeStyle::esRaised ? clBtnHighlight : clBtnShadow;
    const TColor dark = style == TEdgeStyle::esRaised ? clBtnShadow : clBtnHighlight;
    if (FEdgeBorders & ebTop) line(0, inset, w, inset, light);
    if (FEdgeBorders & ebLeft) line(inset, 0, inset, h, light);
    if (FEdgeBorders & ebBottom) line(0, h - 1 - inset, w, h - 1 - inset, dark);
    if (FEdgeBorders & ebRight) line(w - 1 - inset, 0, w - 1 - inset, h, dark);
    ++inset;
  }
}

TCustomDrawState TToolBar::ButtonState(const TToolButton& button) const {
  TCustomDrawState state = 0;
  if (button.Hot()) state |= cdsHot;
  if (button.Pressed()) state |= cdsSelected;
  if (button.Down()) state |= cdsChecked;
  if (!button.Enabled()) state |= cdsDisabled | cdsGrayed;
  return state;
}

void TToolBar::PaintButton(TCanvas& canvas, TToolButton& button) {
  bool defaultDraw = true;
  if (OnCustomDrawButton && !button.IsSeparator()) {
    const TCanvasState saved = canvas.SaveState();
    canvas.Font.Assign(Font());
    OnCustomDrawButton(this, canvas, &button, ButtonState(button), defaultDraw);
    canvas.RestoreState(saved);
  }
  if (defaultDraw) DefaultDrawButton(canvas, button);
}

void TToolBar::DefaultDrawButton(TCanvas& canvas, const TToolButton& button) const {
  const TRect r = button.BoundsRect();
  if (button.IsSeparator()) {
    if (button.Style() == TToolButtonStyle::tbsDivider) {
      const int x = r.Left + r.Width() / 2 - 1;
      canvas.Pen.Color = clBtnShadow;
      canvas.MoveTo(x, r.Top + 2);
      canvas.LineTo(x, r.Bottom - 2);
      canvas.Pen.Color = clBtnHighlight;
      canvas.MoveTo(x + 1, r.Top + 2);
      canvas.LineTo(x + 1, r.Bottom - 2);
    }
    return;
  }
  const bool sunk = button.Pressed() || button.Down();
  if (!FFlat || button.Hot() || button.Down()) Edge(canvas, r, !sunk);
  const int shift = sunk ? 1 : 0;
  const bool dropDown = button.Style() == TToolButtonStyle::tbsDropDown;
  const int face = r.Width() - (dropDown ? kToolButtonDropDownWidth : 0);
  int captionTop = r.Top + (r.Height() - canvas.TextHeight("W")) / 2;
  const TCustomImageList* images = button.Hot() && FHotImages ? FHotImages.Get() : FImages.Get();
  if (images) {
    const int top = FShowCaptions ? r.Top + 3 : r.Top + (r.Height() - images->Height()) / 2;
    images->Draw(canvas, r.Left + (face - images->Width()) / 2 + shift, top + shift, button.ImageIndex(),
                 button.Enabled());
    captionTop = top + images->Height() + 1;
  }
  if (FShowCaptions && !button.Caption().empty()) {
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Assign(Font());
    if (!button.Enabled()) canvas.Font.SetColor(clGrayText);
    TRect text = Rect(r.Left + shift, captionTop + shift, r.Left + face + shift, r.Bottom);
    canvas.DrawText(button.Caption(), text, DT_SINGLELINE | DT_CENTER);
  }
  if (dropDown) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = clBtnText;
    canvas.Pen.Color = clBtnText;
    const int m = r.Top + r.Height() / 2;
    canvas.Polygon({Point(r.Right - 9, m - 1), Point(r.Right - 5, m - 1), Point(r.Right - 7, m + 1)});
  }
}
