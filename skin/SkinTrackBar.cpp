#include "skin/SkinTrackBar.h"

#include <QCursor>
#include <algorithm>
#include <cmath>
#include <limits>

#include "skin/SkinImagePanel.h"
#include "skin/SkinPublic.h"
#include "windowing/Keys.h"

namespace {

constexpr int kRepeatInterval = 100;

}  // namespace

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinThemed(owner), FSlider(new TSkinImagePanel(this)) {
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
  SetParentColor(true);
  SetTabStop(true);
  FRepeatTimer.SetEnabled(false);
  FRepeatTimer.SetInterval(kRepeatInterval);
  FRepeatTimer.OnTimer = [this](TComponent*) { RepeatTimerTick(); };
  FSlider->SetParent(this);
  // The track bar takes the slider's mouse while it is dragged, in its own
  // coordinates.
  FSlider->OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int, int) { SliderMouseDown(); };
  FSlider->OnMouseMove = [this](TComponent*, TShiftState shift, int x, int y) {
    if (FDragging) MouseMove(shift, x + FSlider->Left(), y + FSlider->Top());
  };
  FSlider->OnMouseUp = [this](TComponent*, TMouseButton button, TShiftState shift, int x, int y) {
    if (FDragging) MouseUp(button, shift, x + FSlider->Left(), y + FSlider->Top());
  };
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TEnumInfo& TSkinTrackBar::OrientationNames() {
  static const TEnumInfo names{{"skinHorizontal", "skinVertical"}};
  return names;
}

const TClassInfo& TSkinTrackBar::StaticClassInfo() {
  using T = TSkinTrackBar;
  static const auto info = DefineClass<T>("TSkinTrackBar", TCustomPanel::StaticClassInfo(), [](TPublisher<T>& p) {
    p.Enum("Orientation", OrientationNames(), &T::Orientation, &T::SetOrientation)
        .Component<TSkinFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", SkinUIStyleNames(), &T::UIStyle, &T::SetUIStyle)
        .Binary(
            "BarImage", [](const T& t) { return SavePictureData(t.BarImage()); },
            [](T& t, const std::string& data) {
              TPicture picture;
              LoadPictureData(picture, data);
              t.SetBarImage(picture.Graphic());
            })
        .Binary(
            "SliderImage", [](const T& t) { return SavePictureData(t.SliderImage()); },
            [](T& t, const std::string& data) {
              TPicture picture;
              LoadPictureData(picture, data);
              t.SetSliderImage(picture.Graphic());
            })
        .Integer("Max", &T::Max, &T::SetMax)
        .Integer("Min", &T::Min, &T::SetMin)
        .Integer("Position", &T::Position, &T::SetPosition)
        .Integer("PageSize", &T::PageSize, &T::SetPageSize)
        .Integer("LineSize", &T::LineSize, &T::SetLineSize)
        .Bool("ShowTick", &T::ShowTick, &T::SetShowTick)
        .Bool("Transparent", &T::Transparent, &T::SetTransparent)
        .Integer("Frequency", &T::Frequency, &T::SetFrequency)
        .Enum("Align", TControl::AlignNames(), &TControl::Align, &TControl::SetAlign)
        .Enum("Alignment", TCustomPanel::AlignmentNames(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
        .Event("OnChange", &T::OnChange);
    PublishPanelEvents(p);
  });
  return *info;
}

const TClassInfo& TSkinScrollTrackBar::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinScrollTrackBar>("TSkinScrollTrackBar", TSkinTrackBar::StaticClassInfo(), nullptr);
  return *info;
}

const TPicture& TSkinTrackBar::SliderImage() const { return FSlider->Picture(); }

void TSkinTrackBar::SetSliderImage(const TBitmap* picture) {
  FSlider->SetPicture(picture);
  Invalidate();
}

void TSkinTrackBar::SetBarImage(const TBitmap* picture) {
  FBarImage.Assign(picture);
  UpdateControl();
}

void TSkinTrackBar::SetOrientation(TSkinProgressBarOrientation orientation) {
  if (FOrientation == orientation) return;
  FOrientation = orientation;
  UpdateControl();
}

void TSkinTrackBar::ApplyUIStyle() {
  UpdateControl();
  if (UIStyle() == TSkinUIStyle::Silver) SetTransparent(true);
}

void TSkinTrackBar::SetMin(int value) {
  if (FMin == value) return;
  FMin = std::min(value, FMax);
  if (FPosition < FMin) FPosition = FMin;
  UpdateSlider();
}

void TSkinTrackBar::SetMax(int value) {
  if (FMax == value) return;
  FMax = std::max(value, FMin);
  if (FPosition > FMax) FPosition = FMax;
  UpdateSlider();
}

void TSkinTrackBar::SetPosition(int value) {
  FPosition = std::clamp(value, FMin, FMax);
  UpdateSlider();
}

void TSkinTrackBar::SetPageSize(int value) {
  if (value >= 0 && value <= FMax) FPageSize = value;
}

void TSkinTrackBar::SetLineSize(int value) {
  if (value >= 0 && value <= FMax) FLineSize = value;
}

void TSkinTrackBar::SetShowTick(bool showTick) {
  if (FShowTick == showTick) return;
  FShowTick = showTick;
  Invalidate();
}

void TSkinTrackBar::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  SetSeeThrough(transparent);
  Invalidate();
}

void TSkinTrackBar::SetFrequency(int frequency) {
  if (FFrequency == frequency) return;
  FFrequency = frequency;
  Invalidate();
}

int TSkinTrackBar::SliderLength() const { return Horizontal() ? FSlider->Width() : FSlider->Height(); }

TPoint TSkinTrackBar::GetSliderPos() const {
  const int across = Horizontal() ? std::max(Height() - FSlider->Height(), 0) / 2
                                  : std::max(Width() - FSlider->Width(), 0) / 2;
  // The product can pass 32 bits on long ranges (milliseconds of a tune).
  const int64_t range = int64_t{FMax} - FMin;
  const int along =
      range == 0 ? 0 : static_cast<int>(int64_t{Length() - SliderLength()} * (int64_t{FPosition} - FMin) / range);
  return Horizontal() ? Point(along, across) : Point(across, along);
}

int TSkinTrackBar::PointToPosition(int x, int y) const {
  const int free = Length() - SliderLength();
  if (free == 0) return 0;
  const int at = Horizontal() ? x : y;
  // Rounded to the nearest value, halves to even.
  const double value = std::nearbyint(double(at - SliderLength() / 2) * (double(FMax) - FMin) / free);
  return ClampToInt(static_cast<int64_t>(std::clamp(value, -9.0e18, 9.0e18)) + FMin);
}

void TSkinTrackBar::SetPositionFromPoint(int x, int y, bool notify) {
  const int value = std::clamp(PointToPosition(x, y), FMin, FMax);
  if (notify)
    SetPosition(value);
  else
    FPosition = value;
}

void TSkinTrackBar::NotifyChange() {
  if (FPosition == FLastNotified) return;
  FLastNotified = FPosition;
  if (OnChange) OnChange(this);
}

void TSkinTrackBar::UpdateSlider() {
  MoveControlTo(*FSlider, GetSliderPos());
  Invalidate();
  NotifyChange();
}

void TSkinTrackBar::UpdateBarSize() {
  if (Horizontal())
    SetHeight(std::max(FBarImage.Height(), FSlider->Height()));
  else
    SetWidth(std::max(FBarImage.Height(), FSlider->Width()));
  Invalidate();
}

void TSkinTrackBar::UpdateControl() {
  UpdatePictures();
  BuildBarBitmap();
  UpdateBarSize();
  UpdateSlider();
  Invalidate();
}

void TSkinTrackBar::Resize() {
  TCustomPanel::Resize();
  UpdateControl();
}

void TSkinTrackBar::UpdatePictures() {
  if (SkipThemePictures()) return;
  const TSkinItemSource items = StyleItems();
  TBitmap bar, slider;
  items.Bitmap(SkinItem::TrackBarBarImage, &bar);
  items.Bitmap(Horizontal() ? SkinItem::TrackBarSliderImage : SkinItem::TrackBarSliderVImage, &slider);
  FBarImage.Assign(&bar);
  FSlider->SetPicture(&slider);
  FSlider->SetTransparent(GetSliderTransparent());
  FSlider->SetAutoSize(true);
}

void TSkinTrackBar::ColorChanged() {
  // The bar's ends show the colour under them.
  BuildBarBitmap();
  Invalidate();
}

void TSkinTrackBar::BuildBarBitmap() {
  const int height = FBarImage.Height();
  if (Length() <= 0 || height <= 0) {
    FBarBitmap.Assign(nullptr);
    return;
  }
  FBarBitmap.SetSize(Length(), height);
  TCanvas& canvas = FBarBitmap.Canvas();
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(Rect(0, 0, Length(), height));
  DrawThreePartBitmap(*FBarImage.Graphic(), canvas, Rect(0, 0, Length(), height), false);
  if (!Horizontal()) RotateBitmapAnticlockwise(FBarBitmap);
}

void TSkinTrackBar::Paint(TCanvas& canvas) {
  if (FTransparent) {
    PaintParentBackground(canvas, *this);
  } else {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
  }
  const int barHeight = FBarImage.Height();
  if (Horizontal())
    canvas.Draw(0, (Height() - barHeight) / 2, FBarBitmap);
  else
    canvas.Draw((Width() - barHeight) / 2, 0, FBarBitmap);
  if (Focused() && TabStop()) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.DrawFocusRect(ClientRect());
  }
  if (FShowTick) PaintTicks(canvas);
}

// The marked values are Min, every Frequency-th value after it and Max.
// Rather than visit every value (a bar of a tune's milliseconds has
// hundreds of thousands), the walk jumps to the first marked value of the
// next pixel, so it draws at most one tick per pixel.
void TSkinTrackBar::PaintTicks(TCanvas& canvas) const {
  if (FMin == FMax) return;
  const int64_t range = int64_t{FMax} - FMin;
  const int64_t free = Length() - SliderLength();
  const int64_t span = free < 0 ? -free : free;
  const int half = SliderLength() / 2;
  canvas.Pen = TPen();
  auto tick = [&](int64_t value) {
    const int64_t step = span * (value - FMin) / range;
    const int at = static_cast<int>(free < 0 ? -step : step) + half;
    if (Horizontal()) {
      canvas.MoveTo(at, Height() - 3);
      canvas.LineTo(at, Height());
    } else {
      canvas.MoveTo(0, at);
      canvas.LineTo(3, at);
      canvas.MoveTo(Width() - 3, at);
      canvas.LineTo(Width(), at);
    }
    return step;
  };
  for (int64_t value = FMin;;) {
    const int64_t column = tick(value) + 1;
    if (value >= FMax) break;
    // The first value that lands on the next pixel, then the first marked one from there.
    int64_t next = FMax;
    if (column <= span && span > 0) {
      next = FMin + (column * range + span - 1) / span;
      if (FFrequency >= 1) next = FMin + (next - FMin + FFrequency - 1) / FFrequency * FFrequency;
      else next = FMax;
    }
    value = std::min<int64_t>(next, FMax);
  }
}

void TSkinTrackBar::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomPanel::KeyDown(key, shift);
  const int64_t position = FPosition;
  switch (key) {
    case VK_PRIOR:
      SetPosition(ClampToInt(position - FPageSize));
      break;
    case VK_NEXT:
      SetPosition(ClampToInt(position + FPageSize));
      break;
    case VK_END:
      SetPosition(FMax);
      break;
    case VK_HOME:
      SetPosition(FMin);
      break;
    case VK_LEFT:
    case VK_UP:
      SetPosition(ClampToInt(position - FLineSize));
      break;
    case VK_RIGHT:
    case VK_DOWN:
      SetPosition(ClampToInt(position + FLineSize));
      break;
    default:
      break;
  }
}

void TSkinTrackBar::PageToward(int x, int y, int64_t step) {
  const TPoint slider = GetSliderPos();
  const int at = Horizontal() ? x : y;
  const int from = Horizontal() ? slider.X : slider.Y;
  const int64_t target = PointToPosition(x, y);
  if (at > from)
    SetPosition(ClampToInt(std::min(int64_t{FPosition} + step, target)));
  else if (at < from)
    SetPosition(ClampToInt(std::max(int64_t{FPosition} - step, target)));
}

void TSkinTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  PageToward(x, y, FPageSize);
  FRepeatTimer.SetEnabled(true);
  if (CanFocus()) SetFocus();
}

void TSkinTrackBar::RepeatTimerTick() {
  const TPoint p = ScreenToClient(FromQPoint(QCursor::pos()));
  // A horizontal bar pages three times as far per tick.
  PageToward(p.X, p.Y, Horizontal() ? 3 * int64_t{FPageSize} : FPageSize);
}

void TSkinTrackBar::SliderMouseDown() {
  FDragging = true;
  if (CanFocus()) SetFocus();
}

void TSkinTrackBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  if (FDragging) {
    // The slider's centre follows the pointer; the bar is not repainted.
    SetPositionFromPoint(x, y, false);
    MoveControlTo(*FSlider, GetSliderPos());
    NotifyChange();
  } else if (x < 0 || x > Width() || y < 0 || y > Height()) {
    FRepeatTimer.SetEnabled(false);
  }
}

void TSkinTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseUp(button, shift, x, y);
  FRepeatTimer.SetEnabled(false);
  FDragging = false;
}

TSkinScrollTrackBar::TSkinScrollTrackBar(TComponent* owner) : TSkinTrackBar(owner) {
  // What the base made from the style is none of the scroll bar's.
  Slider().SetTransparent(false);
  Slider().SetAutoSize(false);
  SetSliderImage(nullptr);
  SetBarImage(nullptr);
}

bool TSkinScrollTrackBar::GetSliderVisible() const { return Slider().Visible(); }

void TSkinScrollTrackBar::SetSliderVisible(bool visible) {
  if (Slider().Visible() != visible) Slider().SetVisible(visible);
}

void TSkinScrollTrackBar::AutoSizeSlider() { Slider().SetAutoSize(true); }
