#include "skin/SkinScrollBar.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <algorithm>

#include "skin/SkinButton.h"
#include "skin/SkinPublic.h"
#include "windowing/Guarded.h"
#include "windowing/NativeScrollBar.h"

namespace {

constexpr int kArrowRepeatInterval = 100;
// The shortest slider a LineButton length gives.
constexpr int kMinLineButton = 18;

}  // namespace

TSkinScrollBar::TSkinScrollBar(TComponent* owner)
    : TSkinThemed(owner),
      FTrack(new TSkinScrollTrackBar(this)),
      FForward(new TSkinImageButton(this)),
      FBack(new TSkinImageButton(this)) {
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
  FTrack->SetParent(this);
  FTrack->SetShowTick(false);
  FTrack->SetTabStop(false);
  FTrack->SetTransparent(false);
  FTrack->SetMax(100);
  FTrack->OnChange = [this](TComponent* sender) {
    if (OnChange) OnChange(sender);
  };
  for (TSkinImageButton* arrow : {FForward, FBack}) {
    arrow->SetParent(this);
    arrow->SetMouseContinuouslyDownInterval(kArrowRepeatInterval);
    arrow->SetTabStop(false);
  }
  FForward->OnMouseContinuouslyDown = [this](TComponent*) { StepForward(); };
  FBack->OnMouseContinuouslyDown = [this](TComponent*) { StepBack(); };
  SetBevelOuter(TBevelCut::bvNone);
  SetBevelInner(TBevelCut::bvNone);
  SetHeight(185);
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TClassInfo& TSkinScrollBar::StaticClassInfo() {
  using T = TSkinScrollBar;
  static const auto info = DefineClass<T>("TSkinScrollBar", TCustomPanel::StaticClassInfo(), [](TPublisher<T>& p) {
    p.Component<TSkinFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Integer("LineButton", &T::LineButton, &T::SetLineButton)
        .Enum("Orientation", TSkinTrackBar::OrientationNames(), &T::Orientation, &T::SetOrientation)
        .Enum("UIStyle", SkinUIStyleNames(), &T::UIStyle, &T::SetUIStyle)
        .Integer("Max", &T::Max, &T::SetMax)
        .Integer("Min", &T::Min, &T::SetMin)
        .Integer("Position", &T::Position, &T::SetPosition)
        .Integer("SmallChange", &T::SmallChange, &T::SetSmallChange)
        .Integer("LargeChange", &T::LargeChange, &T::SetLargeChange)
        .Integer("PageSize", &T::PageSize, &T::SetPageSize)
        .Event("OnChange", &T::OnChange);
  });
  return *info;
}

void TSkinScrollBar::SetOrientation(TSkinProgressBarOrientation orientation) {
  if (FOrientation == orientation) return;
  FOrientation = orientation;
  UpdatePictures();
  PlaceControls();
}

void TSkinScrollBar::ApplyUIStyle() {
  FTrack->SetColor(Color());
  UpdatePictures();
  PlaceControls();
}

int TSkinScrollBar::Max() const { return FTrack->Max(); }
void TSkinScrollBar::SetMax(int value) { FTrack->SetMax(value); }
int TSkinScrollBar::Min() const { return FTrack->Min(); }
void TSkinScrollBar::SetMin(int value) { FTrack->SetMin(value); }
int TSkinScrollBar::Position() const { return FTrack->Position(); }

void TSkinScrollBar::SetPosition(int value) {
  if (value != FTrack->Position()) FTrack->SetPosition(value);
}

int TSkinScrollBar::LargeChange() const { return static_cast<uint16_t>(FTrack->PageSize()); }
void TSkinScrollBar::SetLargeChange(int value) { FTrack->SetPageSize(value); }
int TSkinScrollBar::PageSize() const { return FTrack->PageSize(); }

void TSkinScrollBar::SetPageSize(int value) {
  FTrack->SetPageSize(value);
  BuildSliderImage();
}

void TSkinScrollBar::SetSliderVisible(bool visible) { FTrack->SetSliderVisible(visible); }

bool TSkinScrollBar::SliderVisible() const { return FTrack->GetSliderVisible(); }

void TSkinScrollBar::StepBack() { FTrack->SetPosition(FTrack->Position() - FSmallChange); }

void TSkinScrollBar::StepForward() { FTrack->SetPosition(FTrack->Position() + FSmallChange); }

void TSkinScrollBar::SetLineButton(int length) {
  if (length == FLineButton) return;
  const int along = Vertical() ? Height() - FBack->Height() - FForward->Height()
                               : Width() - FBack->Width() - FForward->Width();
  if (length > along) return;
  FLineButton = length;
  BuildSliderImage();
}

void TSkinScrollBar::UpdatePictures() {
  FTrack->SetBarImage(nullptr);
  const TSkinItemSource items = StyleItems();
  SetColor(items.Color(SkinItem::ScrollBarBackgroundColor));
  items.BitmapFrame(SkinItem::ScrollBarSliderImage, &FSliderStart, 3, 1);
  items.BitmapFrame(SkinItem::ScrollBarSliderImage, &FSliderMiddle, 3, 2);
  items.BitmapFrame(SkinItem::ScrollBarSliderImage, &FSliderEnd, 3, 3);
  // The arrows are drawn for a vertical bar, the slider for a horizontal one.
  TBitmap frames[6];
  for (int i = 0; i < 6; ++i) {
    items.BitmapFrame(SkinItem::ScrollBarButtonImage, &frames[i], 6, i + 1);
    if (!Vertical()) RotateBitmapAnticlockwise(frames[i]);
  }
  FBack->SetPicNormal(&frames[0]);
  FBack->SetPicMouseOn(&frames[1]);
  FBack->SetPicMouseDown(&frames[2]);
  FForward->SetPicNormal(&frames[3]);
  FForward->SetPicMouseOn(&frames[4]);
  FForward->SetPicMouseDown(&frames[5]);
  if (Vertical())
    for (TBitmap* part : {&FSliderStart, &FSliderMiddle, &FSliderEnd}) RotateBitmapClockwise(*part);
  FBack->SetAutoSize(true);
  FForward->SetAutoSize(true);
  Invalidate();
}

void TSkinScrollBar::PlaceControls() {
  if (FPlacing) return;
  FPlacing = true;
  FTrack->SetOrientation(FOrientation);
  if (Vertical()) {
    FBack->SetBounds(0, 0, FBack->Width(), FBack->Height());
    // One pixel shorter than the space between the arrows.
    FTrack->SetBounds(0, FBack->Height(), FTrack->Width(), Height() - FForward->Height() - FBack->Height() - 1);
    FForward->SetBounds(0, Height() - FForward->Height(), FForward->Width(), FForward->Height());
    SetWidth(FBack->Width());
  } else {
    FBack->SetBounds(0, 0, FBack->Width(), FBack->Height());
    FTrack->SetBounds(FBack->Width(), 0, Width() - FForward->Width() - FBack->Width(), FTrack->Height());
    FForward->SetBounds(Width() - FForward->Width(), 0, FForward->Width(), FForward->Height());
    SetHeight(FBack->Height());
  }
  BuildSliderImage();
  // Across the bar the track is as thick as its slider.
  if (Vertical())
    FTrack->SetWidth(FSliderStart.Width());
  else
    FTrack->SetHeight(FSliderStart.Height());
  FPlacing = false;
}

void TSkinScrollBar::BuildSliderImage() {
  const bool vertical = Vertical();
  const int cross = vertical ? FSliderStart.Width() : FSliderStart.Height();
  const int startLength = vertical ? FSliderStart.Height() : FSliderStart.Width();
  const int endLength = vertical ? FSliderEnd.Height() : FSliderEnd.Width();
  const int trackLength = vertical ? FTrack->Height() : FTrack->Width();
  int length;
  if (FLineButton > 0) {
    FLineButton = std::max(FLineButton, kMinLineButton);
    length = FLineButton;
  } else {
    const int page = FTrack->PageSize() < 10 || FTrack->PageSize() > 100 ? 10 : FTrack->PageSize();
    length = static_cast<int>(int64_t{page} * trackLength / 100);
  }
  // Never shorter than both caps and a pixel of middle, never longer than the track.
  length = std::min(std::max(length, startLength + endLength + 1), std::max(0, trackLength));
  TBitmap slider;
  if (length > 0 && cross > 0) {
    slider.SetSize(vertical ? cross : length, vertical ? length : cross);
    TCanvas& canvas = slider.Canvas();
    if (vertical) {
      canvas.StretchDraw(Rect(0, startLength, cross, length - endLength), FSliderMiddle);
      canvas.Draw(0, 0, FSliderStart);
      canvas.Draw(0, length - endLength, FSliderEnd);
    } else {
      canvas.StretchDraw(Rect(startLength, 0, length - endLength, cross), FSliderMiddle);
      canvas.Draw(0, 0, FSliderStart);
      canvas.Draw(length - endLength, 0, FSliderEnd);
    }
  }
  FTrack->SetSliderImage(&slider);
  FTrack->AutoSizeSlider();
}

void TSkinScrollBar::Resize() {
  TCustomPanel::Resize();
  PlaceControls();
}

void TSkinScrollBar::ColorChanged() {
  FTrack->SetColor(Color());
  TCustomPanel::ColorChanged();
}

class TSkinScrollBarLink::TWatcher : public QObject {
 public:
  explicit TWatcher(TSkinScrollBarLink& link) : FLink(link) {
    link.FNative->OnChange = [this] { Changed(); };
    link.FNative->installEventFilter(this);
  }
  ~TWatcher() override { FLink.FNative->OnChange = nullptr; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::Resize:
      case QEvent::EnabledChange:
        Changed();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Changed() {
    if (FLink.OnNativeChange) Guarded([this] { FLink.OnNativeChange(); });
  }
  TSkinScrollBarLink& FLink;
};

TSkinScrollBarLink::TSkinScrollBarLink(TComponent& holder, QAbstractScrollArea& area, Qt::Orientation orientation)
    : FHolder(holder), FOrientation(orientation), FNative(new TNativeScrollBar(orientation)) {
  if (orientation == Qt::Vertical)
    area.setVerticalScrollBar(FNative);
  else
    area.setHorizontalScrollBar(FNative);
  FWatcher = std::make_unique<TWatcher>(*this);
}

TSkinScrollBarLink::~TSkinScrollBarLink() {
  FWatcher.reset();
  // A bar that outlives its control must not call back into it.
  if (TSkinScrollBar* bar = FBar.Get()) {
    bar->OnChange = nullptr;
    FHolder.RemoveFreeNotification(bar);
  }
}

bool TSkinScrollBarLink::Link(TSkinScrollBar* bar, TNotifyEvent onChange) {
  TSkinScrollBar* old = FBar.Get();
  if (bar == old) return false;
  if (old) {
    old->OnChange = nullptr;
    old->SetLineButton(0);
    old->SetMax(100);
    old->SetEnabled(true);
    FHolder.RemoveFreeNotification(old);
  }
  FBar.Set(&FHolder, bar);
  if (!bar) {
    MatchExtent();
    return true;
  }
  bar->SetOrientation(FOrientation == Qt::Vertical ? TSkinProgressBarOrientation::skinVertical
                                                    : TSkinProgressBarOrientation::skinHorizontal);
  bar->OnChange = std::move(onChange);
  bar->BringToFront();
  MatchExtent();
  return true;
}

bool TSkinScrollBarLink::Forget(const TComponent* component) {
  if (!FBar.Release(component)) return false;
  FNative->SetExtent(0);
  return true;
}

void TSkinScrollBarLink::MatchExtent() {
  const TSkinScrollBar* bar = FBar.Get();
  FNative->SetExtent(bar ? (FOrientation == Qt::Vertical ? bar->Width() : bar->Height()) : 0);
}

void TSkinScrollBarLink::Sync(bool keepShown, bool stepByPages) {
  TSkinScrollBar* bar = FBar.Get();
  if (!bar) return;
  const TScrollBarState state = FNative->State();
  if (!state.Usable) {
    bar->SetLineButton(0);
    bar->SetEnabled(false);
    if (keepShown)
      bar->SetSliderVisible(false);
    else
      bar->SetVisible(false);
  } else {
    bar->SetLineButton(state.ThumbLength);
    if (stepByPages) bar->SetSmallChange(3 * bar->PageSize());
    bar->SetEnabled(true);
    if (keepShown)
      bar->SetSliderVisible(true);
    else
      bar->SetVisible(true);
  }
  bar->SetMax(state.Max);
  bar->SetMin(state.Min);
  bar->SetPosition(state.Position);
}

void TSkinScrollBarLink::ScrollNative() {
  if (const TSkinScrollBar* bar = FBar.Get()) FNative->setValue(bar->Position());
}
