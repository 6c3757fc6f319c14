// The skinned scroll bar: a panel made of a back arrow, a track whose
// slider is drawn from the style's pictures, and a forward arrow. Range,
// position, page size, dragging and the change event belong to the track;
// the arrows step by SmallChange while they are held. A bar can be laid
// over the native scroll bar of a skinned memo, list box or tree view,
// which keeps it in step (TSkinScrollBarLink).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "skin/SkinBorder.h"
#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "skin/SkinTrackBar.h"
#include "windowing/Bitmap.h"
#include "windowing/ComponentRef.h"
#include "windowing/CustomPanel.h"

class QAbstractScrollArea;
class TNativeScrollBar;
class TSkinImageButton;

class TSkinScrollBar : public TSkinThemed<TCustomPanel> {
 public:
  explicit TSkinScrollBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The slider's length in pixels (raised to 18 when it is drawn); 0 or
  // less: the slider's length follows PageSize. A length that does not fit
  // between the arrows is refused.
  int LineButton() const { return FLineButton; }
  void SetLineButton(int length);
  TSkinProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TSkinProgressBarOrientation orientation);
  int Max() const;
  void SetMax(int value);
  int Min() const;
  void SetMin(int value);
  int Position() const;
  void SetPosition(int value);
  // The arrows' step; 16 bits, a larger value keeps its low 16 bits.
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int value) { FSmallChange = static_cast<uint16_t>(value); }
  // Two views of the track's page size; LargeChange is its low 16 bits and
  // leaves the slider as it is.
  int LargeChange() const;
  void SetLargeChange(int value);
  int PageSize() const;
  void SetPageSize(int value);
  // Shows or hides the track's slider (a linked memo hides it while its
  // text fits).
  void SetSliderVisible(bool visible);
  bool SliderVisible() const;

  // The track's change event: the handler gets the track as Sender.
  TNotifyEvent OnChange;

  void StepBack();
  void StepForward();

  TSkinScrollTrackBar& Track() const { return *FTrack; }
  TSkinImageButton& BackArrow() const { return *FBack; }
  TSkinImageButton& ForwardArrow() const { return *FForward; }

 protected:
  // Reloads every picture and lays the parts out again.
  void ApplyUIStyle() override;
  void Resize() override;
  void ColorChanged() override;

 private:
  bool Vertical() const { return FOrientation == TSkinProgressBarOrientation::skinVertical; }
  void UpdatePictures();
  void PlaceControls();
  void BuildSliderImage();

  TSkinScrollTrackBar* FTrack;
  TSkinImageButton* FForward;
  TSkinImageButton* FBack;
  TBitmap FSliderStart;
  TBitmap FSliderMiddle;
  TBitmap FSliderEnd;
  TSkinProgressBarOrientation FOrientation = TSkinProgressBarOrientation::skinHorizontal;
  uint16_t FSmallChange = 1;
  int FLineButton = 0;
  bool FPlacing = false;
};

// A skinned bar laid over one native scroll bar of a memo, list box or tree
// view. The native bar is replaced by one that reports its state and takes
// the skinned bar's thickness; the holder (the control) hears when the
// linked bar is freed.
class TSkinScrollBarLink {
 public:
  TSkinScrollBarLink(TComponent& holder, QAbstractScrollArea& area, Qt::Orientation orientation);
  ~TSkinScrollBarLink();
  TSkinScrollBarLink(const TSkinScrollBarLink&) = delete;
  TSkinScrollBarLink& operator=(const TSkinScrollBarLink&) = delete;

  TSkinScrollBar* Bar() const { return FBar.Get(); }
  TNativeScrollBar& Native() const { return *FNative; }
  // False when bar is the one linked already. A bar linked before goes
  // back to a plain bar (no change handler, Max 100, LineButton 0,
  // enabled); a new one turns to the native bar's direction, reports its
  // moves to onChange and comes to the front.
  bool Link(TSkinScrollBar* bar, TNotifyEvent onChange);
  // For the holder's Notification: true when the bar being freed was linked.
  bool Forget(const TComponent* component);
  // Copies the native bar's state into the skinned one. While the native
  // bar is unusable the bar is disabled and, with keepShown, stays visible
  // without its slider; otherwise it is hidden. With stepByPages the arrows
  // step three pages (a memo's horizontal bar).
  void Sync(bool keepShown, bool stepByPages = false);
  // Moves the native bar (and so the content) to the skinned bar's position.
  void ScrollNative();
  // The native bar as thick as the skinned one (the style's without a bar).
  void MatchExtent();

  // Every change of the native bar: range, position, size, visibility or
  // enabled state.
  std::function<void()> OnNativeChange;

 private:
  class TWatcher;

  TComponent& FHolder;
  Qt::Orientation FOrientation;
  TNativeScrollBar* FNative;
  TComponentRef<TSkinScrollBar> FBar;
  std::unique_ptr<TWatcher> FWatcher;
};

// Whether the bars linked to a control take its theme file or keep their own.
enum class TLinkedBarsTheme { FollowControl, KeepOwn };

// What the skinned memo, tree view and list box share: a native control in
// a two-pixel skinned frame whose native vertical bar (and, with
// Horizontal, its horizontal one) can carry a linked skinned bar. The
// linked bars take the control's resolved style; a move of one scrolls the
// control, and every change of a native bar is copied into the skinned
// one. Each control places its bars and may change how they follow.
template <class Base, bool Horizontal>
class TSkinScrolled : public TSkinBordered<Base> {
 public:
  TSkinScrollBar* VScrollBar() const { return FVertical->Bar(); }
  void SetVScrollBar(TSkinScrollBar* bar) { LinkBar(*FVertical, bar); }
  TSkinScrollBar* HScrollBar() const
    requires Horizontal
  {
    return FHorizontal->Bar();
  }
  void SetHScrollBar(TSkinScrollBar* bar)
    requires Horizontal
  {
    LinkBar(*FHorizontal, bar);
  }

  void SetBounds(int left, int top, int width, int height) override {
    TSkinBordered<Base>::SetBounds(left, top, width, height);
    PlaceScrollBars();
  }

  // The bordered control's style properties, then VScrollBar and HScrollBar.
  template <class C>
  static void PublishStyle(TPublisher<C>& p) {
    TSkinBordered<Base>::PublishStyle(p);
    p.template Component<TSkinScrollBar>("VScrollBar", &C::VScrollBar, &C::SetVScrollBar);
    if constexpr (Horizontal)
      p.template Component<TSkinScrollBar>("HScrollBar", &C::HScrollBar, &C::SetHScrollBar);
  }

 protected:
  // area: the base control's scroll area, whose native bars are linked.
  template <class Area>
  TSkinScrolled(TComponent* owner, Area& (Base::*area)() const, TLinkedBarsTheme theme)
      : TSkinBordered<Base>(owner),
        FVertical(std::make_unique<TSkinScrollBarLink>(*this, (this->*area)(), Qt::Vertical)),
        FHorizontal(Horizontal ? std::make_unique<TSkinScrollBarLink>(*this, (this->*area)(), Qt::Horizontal)
                               : nullptr),
        FBarsTheme(theme) {
    this->SetControlStyle(this->ControlStyle() | csOpaque);
    this->SetBorderWidth(2);
    for (TSkinScrollBarLink* link : Links()) link->OnNativeChange = [this] { SyncScrollBars(); };
    this->SetUIStyle(GetOwnerUIStyle(owner));
  }

  TSkinScrollBarLink& VerticalLink() const { return *FVertical; }
  TSkinScrollBarLink& HorizontalLink() const
    requires Horizontal
  {
    return *FHorizontal;
  }

  // Sets the linked bars' bounds from the control's.
  virtual void PlaceScrollBars() = 0;
  // A bar about to be linked in place of another.
  virtual void TakeBar(TSkinScrollBar&) {}
  // After a bar was linked or unlinked.
  virtual void LinkedBarsChanged() {}
  // Copies the native bars' state into the skinned ones: by default each bar
  // is hidden while the native one is unusable.
  virtual void SyncBars() {
    for (TSkinScrollBarLink* link : Links()) link->MatchExtent();
    for (TSkinScrollBarLink* link : Links()) link->Sync(false);
  }
  // A move of the linked bar scrolls the control.
  virtual void ScrollFromBar(TSkinScrollBarLink& link) {
    link.ScrollNative();
    this->Invalidate();
  }

  // SyncBars, unless a sync is running (the bars' own change events then do
  // not scroll back).
  void SyncScrollBars() {
    if (FSyncing) return;
    FSyncing = true;
    SyncBars();
    FSyncing = false;
  }

  void ApplyStyle(const TSkinItemSource& items) override {
    TSkinBordered<Base>::ApplyStyle(items);
    for (TSkinScrollBar* bar : Bars()) bar->SetUIStyle(items.Style());
  }
  void FileThemeChanged() override {
    if (FBarsTheme == TLinkedBarsTheme::FollowControl)
      for (TSkinScrollBar* bar : Bars()) bar->SetFileTheme(this->FileTheme());
    TSkinBordered<Base>::FileThemeChanged();
  }
  void Notification(TComponent* component, TOperation operation) override {
    TSkinBordered<Base>::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    bool forgot = false;
    for (TSkinScrollBarLink* link : Links()) forgot = link->Forget(component) || forgot;
    if (forgot) LinkedBarsChanged();
  }

 private:
  std::vector<TSkinScrollBarLink*> Links() const {
    if (FHorizontal) return {FVertical.get(), FHorizontal.get()};
    return {FVertical.get()};
  }
  // The linked bars, vertical first.
  std::vector<TSkinScrollBar*> Bars() const {
    std::vector<TSkinScrollBar*> bars;
    for (TSkinScrollBarLink* link : Links())
      if (link->Bar()) bars.push_back(link->Bar());
    return bars;
  }

  void LinkBar(TSkinScrollBarLink& link, TSkinScrollBar* bar) {
    if (bar && bar != link.Bar()) TakeBar(*bar);
    const bool linked = link.Link(bar, [this, &link](TComponent*) {
      if (!FSyncing) ScrollFromBar(link);
    });
    if (!linked) return;
    LinkedBarsChanged();
    if (bar) PlaceScrollBars();
  }

  std::unique_ptr<TSkinScrollBarLink> FVertical;
  std::unique_ptr<TSkinScrollBarLink> FHorizontal;
  const TLinkedBarsTheme FBarsTheme;
  bool FSyncing = false;
};
