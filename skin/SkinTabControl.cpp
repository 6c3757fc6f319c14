#include "skin/SkinTabControl.h"

#include <QImage>
#include <algorithm>

#include "skin/SkinPublic.h"

namespace {

// Tabs without a caption, the least width of one with a caption.
constexpr int kEmptyTabWidth = 80;
constexpr int kMinTabWidth = 15;
constexpr int kCaptionMargin = 20;

}  // namespace

TSkinTabControlTopPanel::TSkinTabControlTopPanel(TComponent* owner, TSkinTab* tabControl)
    : TSkinThemed(owner), FTabControl(tabControl) {
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
  TControl::SetCaption(" ");
  SetBevelOuter(TBevelCut::bvNone);
  SetBevelInner(TBevelCut::bvNone);
  FTabs.Add("Tab1");
  FVisible.assign(1, true);
}

const TClassInfo& TSkinTabControlTopPanel::StaticClassInfo() {
  using T = TSkinTabControlTopPanel;
  static const auto info = DefineClass<T>("TSkinTabControlTopPanel", TCustomPanel::StaticClassInfo(), [](TPublisher<T>& p) {
    p.Component<TSkinFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", SkinUIStyleNames(), &T::UIStyle, &T::SetUIStyle)
        .Strings("Tabs", &T::Tabs, &T::SetTabs)
        .Integer("TabIndex", &T::TabIndex, &T::SetTabIndex)
        .Integer("LeftMargin", &T::LeftMargin, &T::SetLeftMargin);
  });
  return *info;
}

void TSkinTabControlTopPanel::SetTabs(const TStringList& tabs) {
  FTabs = tabs;
  TabsChanged();
}

void TSkinTabControlTopPanel::AddTab(const std::string& caption) {
  FTabs.Add(caption);
  TabsChanged();
}

void TSkinTabControlTopPanel::DeleteTab(int index) {
  FTabs.Delete(index);
  FVisible.erase(FVisible.begin() + index);
  TabsChanged();
}

// The visibility flags are as many as the tabs; new tabs are shown.
void TSkinTabControlTopPanel::TabsChanged() {
  FVisible.resize(static_cast<size_t>(FTabs.Count()), true);
  Invalidate();
}

bool TSkinTabControlTopPanel::TabVisible(int index) const {
  return index < 0 || index >= TabCount() || FVisible[static_cast<size_t>(index)];
}

void TSkinTabControlTopPanel::SetTabVisible(int index, bool visible) {
  if (index < 0 || index >= TabCount() || FVisible[static_cast<size_t>(index)] == visible) return;
  FVisible[static_cast<size_t>(index)] = visible;
  Invalidate();
}

void TSkinTabControlTopPanel::SetLeftMargin(int margin) {
  if (FLeftMargin == margin) return;
  FLeftMargin = margin;
  Invalidate();
}

void TSkinTabControlTopPanel::ApplyUIStyle() {
  const TSkinItemSource items = StyleItems();
  items.BitmapFrame(SkinItem::TabControlTabImage, &FSelectedTab, 2, 1);
  items.BitmapFrame(SkinItem::TabControlTabImage, &FOtherTab, 2, 2);
  items.Bitmap(SkinItem::TabControlBarImage, &FBar);
  for (int i = 0; i < 4; ++i) {
    items.BitmapFrame(SkinItem::ScrollButtonImage, &FArrows[i], 4, i + 1);
    FArrows[i].SetTransparent(true);
  }
  SetHeight(FSelectedTab.Height() + FBar.Height());
  Invalidate();
}

void TSkinTabControlTopPanel::SetTabIndex(int index) {
  if (index == FTabIndex) return;
  if (TabCount() == 0) {
    FTabIndex = -1;
    Invalidate();
    return;
  }
  if (index < -1 || index >= TabCount()) {
    Invalidate();
    return;
  }
  // Only a click asks whether the tab may change.
  if (FClicking && FTabControl && FTabControl->OnChanging) {
    bool allow = true;
    FTabControl->OnChanging(FTabControl, allow);
    if (!allow) return;
  }
  FTabIndex = index;
  ScrollToActive();
  Invalidate();
  if (FTabControl) FTabControl->DoTabActive(FTabIndex);
}

int TSkinTabControlTopPanel::VisibleBefore(int index) const {
  int count = 0;
  for (int i = 0; i < index && i < TabCount(); ++i) count += TabVisible(i);
  return count;
}

// Scrolls the row until the selected tab is drawn whole, or is the first
// tab shown (a tab too wide for the strip would scroll on for ever). A tab
// scrolled out at the left comes back as the first one shown.
void TSkinTabControlTopPanel::ScrollToActive() {
  if (FTabIndex < 0) return;
  const int before = VisibleBefore(FTabIndex);
  FFirstShown = std::min(FFirstShown, before);
  while (Layout().LastWhole < FTabIndex && FFirstShown < before) ++FFirstShown;
}

TSkinTabControlTopPanel::TLayout TSkinTabControlTopPanel::Layout() const {
  TLayout layout;
  const int count = TabCount();
  layout.TabRects.assign(static_cast<size_t>(count), TRect{});
  layout.Widths.assign(static_cast<size_t>(count), -1);
  layout.LastWhole = count - 1;
  const int arrowWidth = FArrows[0].Width(), arrowHeight = FArrows[0].Height();
  const int limit = Width() - 2 * arrowWidth - 2;
  const int otherHeight = FOtherTab.Height();
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas measure(scratch);
  if (FTabControl) measure.Font.Assign(FTabControl->Font());
  int x = FLeftMargin, shown = 0;
  bool cut = false;
  for (int i = 0; i < count; ++i) {
    const auto at = static_cast<size_t>(i);
    if (!TabVisible(i)) {
      layout.Widths[at] = 0;
      continue;
    }
    if (cut) break;
    const std::string& caption = FTabs[i];
    const int width = std::max(caption.empty() ? kEmptyTabWidth : measure.TextWidth(caption) + kCaptionMargin, kMinTabWidth);
    layout.Widths[at] = width;
    if (++shown <= FFirstShown) continue;
    TRect r = i == FTabIndex ? Rect(x, 1, x + width, otherHeight + 1) : Rect(x, 0, x + width, otherHeight);
    if (r.Right > limit) {
      r.Right = limit;
      cut = true;
      layout.LastWhole = i - 1;
      layout.CutTab = i;
      if (i != FTabIndex) layout.Widths[at] = limit - r.Left;
    }
    layout.TabRects[at] = r;
    x += width;
  }
  layout.Overflow = x > limit;
  if (layout.Overflow || FFirstShown != 0) {
    const int y = Height() > arrowHeight + 4 ? (Height() - arrowHeight) / 2 - 2 : 0;
    const int forwardLeft = Width() - 2 - arrowWidth;
    layout.Forward = Rect(forwardLeft, y, Width() - 2, y + arrowHeight);
    layout.Back = Rect(forwardLeft - arrowWidth, y, forwardLeft, y + arrowHeight);
  }
  return layout;
}

void TSkinTabControlTopPanel::Paint(TCanvas& canvas) {
  PaintParentBackground(canvas, FTabControl ? static_cast<const TControl&>(*FTabControl) : *this);
  const TLayout layout = Layout();
  const int otherHeight = FOtherTab.Height();
  const TColor border = FTabControl ? FTabControl->BorderColor() : clBlack;
  canvas.StretchDraw(Rect(1, otherHeight, Width() - 1, otherHeight + FBar.Height()), FBar);
  canvas.Pen.Color = border;
  for (const int x : {0, Width() - 1}) {
    canvas.MoveTo(x, otherHeight);
    canvas.LineTo(x, otherHeight + FBar.Height());
  }
  if (FTabControl) canvas.Font.Assign(FTabControl->Font());
  canvas.Brush.Style = TBrushStyle::bsClear;
  for (int i = 0; i < TabCount(); ++i) {
    TRect r = layout.TabRects[static_cast<size_t>(i)];
    if (r.IsEmpty()) continue;
    DrawThreePartBitmap(i == FTabIndex ? FSelectedTab : FOtherTab, canvas, r, false);
    canvas.Brush.Style = TBrushStyle::bsClear;
    if (i == layout.CutTab) {
      TRect text = Rect(r.Left + 10, r.Top, r.Right - 4, r.Bottom);
      canvas.DrawText(FTabs[i], text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    } else {
      canvas.DrawText(FTabs[i], r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }
  if (layout.Forward.IsEmpty()) return;
  canvas.Draw(layout.Forward.Left, layout.Forward.Top, FArrows[PointInRect(FPointer, layout.Forward) ? 1 : 0]);
  canvas.Draw(layout.Back.Left, layout.Back.Top, FArrows[PointInRect(FPointer, layout.Back) ? 3 : 2]);
}

void TSkinTabControlTopPanel::PlaceInTabControl() {
  if (FTabControl) SetBounds(0, 0, FTabControl->Width(), Height());
}

void TSkinTabControlTopPanel::Resize() {
  TCustomPanel::Resize();
  PlaceInTabControl();
}

void TSkinTabControlTopPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  FPointer = Point(x, y);
  const TLayout layout = Layout();
  const bool back = !layout.Back.IsEmpty() && PointInRect(FPointer, layout.Back);
  const bool forward = !layout.Forward.IsEmpty() && PointInRect(FPointer, layout.Forward);
  if (back || forward) {
    if (back) --FFirstShown;
    if (forward && layout.Overflow) ++FFirstShown;
    FFirstShown = std::clamp(FFirstShown, 0, TabCount());
    Invalidate();
    return;
  }
  for (int i = 0; i < TabCount(); ++i) {
    const TRect& r = layout.TabRects[static_cast<size_t>(i)];
    if (r.IsEmpty()) continue;
    const int right = r.Left + layout.Widths[static_cast<size_t>(i)];
    if (r.Left < x && x < right && 0 < y && y < FSelectedTab.Height()) {
      FClicking = true;
      SetTabIndex(i);
      ScrollToActive();
      FClicking = false;
      Invalidate();
      return;
    }
  }
}

void TSkinTabControlTopPanel::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  FPointer = Point(x, y);
  // The arrows follow the pointer.
  if (FFirstShown != 0 || Layout().Overflow) Invalidate();
}

void TSkinTabControlTopPanel::MouseLeave() {
  FPointer = Point(-1, -1);
  Invalidate();
}

TSkinTab::TSkinTab(TComponent* owner) : TSkinThemed(owner) {
  TControl::SetCaption(" ");
  SetBevelOuter(TBevelCut::bvNone);
  SetBevelInner(TBevelCut::bvNone);
  SetHeight(80);
}

const TClassInfo& TSkinTab::StaticClassInfo() {
  using T = TSkinTab;
  static const auto info = DefineClass<T>("TSkinTab", TCustomPanel::StaticClassInfo(), [](TPublisher<T>& p) {
    p.Component<TSkinFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", SkinUIStyleNames(), &T::UIStyle, &T::SetUIStyle)
        .Integer("LeftMargin", &T::LeftMargin, &T::SetLeftMargin)
        .Color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .Event("OnTabActive", &T::OnTabActive)
        .Event("OnChange", &T::OnChange)
        .Event("OnChanging", &T::OnChanging);
  });
  return *info;
}

void TSkinTab::TakeStrip(TSkinTabControlTopPanel& strip) {
  FStrip = &strip;
  FStrip->SetParent(this);
  SetUIStyle(GetOwnerUIStyle(Owner()));
  FStrip->SetBounds(0, 0, Width(), FStrip->Height());
}

void TSkinTab::ApplyUIStyle() {
  const TSkinUIStyle style = UIStyle();
  FStrip->SetFileTheme(FileTheme());
  FStrip->SetUIStyle(style);
  UpdateChildrenUIStyle(style, FileTheme());
  const TSkinItemSource items = StyleItems();
  FStrip->SetColor(items.Color(SkinItem::ControlBackgroundColor));
  SetBorderColor(items.Color(SkinItem::ControlBorderColor));
  if (!items.UseFile())
    SetColor(style == TSkinUIStyle::Azure ? clWhite : items.Color(SkinItem::ControlBackgroundColor));
  Realign();
  Invalidate();
}

void TSkinTab::SetBorderColor(TColor color) {
  if (FBorderColor == color) return;
  FBorderColor = color;
  BorderColorChanged();
  Invalidate();
  FStrip->Invalidate();
}

void TSkinTab::UpdateChildrenUIStyle(TSkinUIStyle style, TSkinFileTheme* theme) {
  ApplyThemeToChildren(*this, style, theme);
}

void TSkinTab::DoTabActive(int index) {
  if (IsLoading()) return;
  if (OnTabActive) OnTabActive(this, index);
  if (OnChange) OnChange(this);
}

void TSkinTab::AdjustClientRect(TRect& rect) const {
  rect.Left += 3;
  rect.Right -= 3;
  rect.Bottom -= 3;
  rect.Top = (FStrip ? FStrip->Height() : 0) + 3;
}

void TSkinTab::Paint(TCanvas& canvas) {
  const int top = FStrip->Height();
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(Rect(0, top, Width(), Height()));
  // No top line: the strip's bar closes the border.
  canvas.Pen.Color = FBorderColor;
  canvas.MoveTo(0, top);
  canvas.LineTo(0, Height() - 1);
  canvas.LineTo(Width() - 1, Height() - 1);
  canvas.LineTo(Width() - 1, top - 1);
}

void TSkinTab::Resize() {
  TCustomPanel::Resize();
  if (FStrip) FStrip->SetBounds(0, 0, Width(), FStrip->Height());
}

void TSkinTab::FontChanged() {
  TCustomPanel::FontChanged();
  if (FStrip) FStrip->Invalidate();
}
