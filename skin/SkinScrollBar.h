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

#include "Bitmap.h"
#include "ComponentRef.h"
#include "CustomPanel.h"
#include "SkinMgr.h"
#include "SkinThemes.h"
#include "SkinTrackBar.h"

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
