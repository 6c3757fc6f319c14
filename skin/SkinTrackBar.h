// The skinned track bar: a bar picture stretched to the control's length
// with a slider (a child image panel) moved over it, holding a Position
// between Min and Max. It follows the keys, pages toward the pointer while
// the bar beside the slider is held, lets the slider be dragged, draws tick
// marks, and reports every change of Position through OnChange, also one
// made by code. TSkinScrollTrackBar, the thumb strip of the skinned scroll
// bar, keeps the pictures it is given instead of the style's.
#pragma once

#include <cstdint>

#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "windowing/Bitmap.h"
#include "windowing/CustomPanel.h"
#include "windowing/DialogKeys.h"
#include "windowing/Picture.h"
#include "windowing/Timer.h"

class TSkinImagePanel;

enum class TSkinProgressBarOrientation { skinHorizontal, skinVertical };

class TSkinTrackBar : public TSkinThemed<TCustomPanel>, public TDialogKeyHandler {
 public:
  explicit TSkinTrackBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& OrientationNames();

  TSkinProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TSkinProgressBarOrientation orientation);
  // The bar strip (drawn in three parts); the style's replaces it whenever
  // the control is laid out again.
  const TPicture& BarImage() const { return FBarImage; }
  void SetBarImage(const TBitmap* picture);
  const TPicture& SliderImage() const;
  virtual void SetSliderImage(const TBitmap* picture);

  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int Position() const { return FPosition; }
  // Clamped to Min..Max.
  void SetPosition(int value);
  // Accepted only from 0 to Max.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int value);
  bool ShowTick() const { return FShowTick; }
  void SetShowTick(bool showTick);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  // Ticks at Min, every Frequency-th value after it, and Max.
  int Frequency() const { return FFrequency; }
  void SetFrequency(int frequency);

  TNotifyEvent OnChange;

  // The slider's top-left corner for the current Position.
  TPoint GetSliderPos() const;
  // The value under a point, not clamped; 0 when the slider fills the bar.
  int PointToPosition(int x, int y) const;

  unsigned DialogCode() const override { return DLGC_WANTARROWS; }

 protected:
  virtual void UpdatePictures();
  virtual bool SkipThemePictures() const { return false; }
  virtual bool GetSliderTransparent() const { return FOrientation == TSkinProgressBarOrientation::skinHorizontal; }

  TSkinImagePanel& Slider() const { return *FSlider; }
  void UpdateControl();

  // Reloads the pictures; Silver makes the bar transparent as well.
  void ApplyUIStyle() override;
  void Paint(TCanvas& canvas) override;
  void Resize() override;
  void ColorChanged() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool Horizontal() const { return FOrientation == TSkinProgressBarOrientation::skinHorizontal; }
  // The control's length along the bar, and the slider's.
  int Length() const { return Horizontal() ? Width() : Height(); }
  int SliderLength() const;
  void UpdateSlider();
  void UpdateBarSize();
  // The bar picture stretched to the control's length on its colour.
  void BuildBarBitmap();
  void SetPositionFromPoint(int x, int y, bool notify);
  // Moves Position toward the value under the point by at most step.
  void PageToward(int x, int y, int64_t step);
  void RepeatTimerTick();
  void SliderMouseDown();
  void PaintTicks(TCanvas& canvas) const;
  void NotifyChange();

  TPicture FBarImage;
  TTimer FRepeatTimer{nullptr};
  TSkinImagePanel* FSlider;
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FLastNotified = 0;
  TSkinProgressBarOrientation FOrientation = TSkinProgressBarOrientation::skinHorizontal;
  bool FShowTick = true;
  bool FTransparent = false;
  bool FDragging = false;
  int FFrequency = 1;
  int FPageSize = 2;
  int FLineSize = 1;
  TBitmap FBarBitmap;
};

class TSkinScrollTrackBar : public TSkinTrackBar {
 public:
  explicit TSkinScrollTrackBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool GetSliderVisible() const;
  void SetSliderVisible(bool visible);
  // The slider takes its picture's size.
  void AutoSizeSlider();

 protected:
  bool SkipThemePictures() const override { return true; }
  bool GetSliderTransparent() const override { return false; }
};
