// The skinned status bar: a status bar in the style's form background
// colour that, on a skinned form of a sizeable window, draws a size grip in
// its lower-right corner and sizes the window when the grip is dragged (the
// skinned form has no frame of the window system's to size it by). It
// holds child controls.
#pragma once

#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "windowing/Bitmap.h"
#include "windowing/StatusBar.h"

class TSkinStatusBar : public TSkinThemed<TCustomStatusBar> {
 public:
  explicit TSkinStatusBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor PanelColor() const { return Color(); }
  void SetPanelColor(TColor color) { SetColor(color); }

  // Where a press starts sizing the window: the 7 x 7 corner square while
  // the grip shows, else empty.
  const TRect& GripRect() const { return FGripRect; }
  // Whether the grip shows: on a skinned form of a sizeable window that is
  // not maximised.
  bool ShowsGrip() const;

 protected:
  // PanelColor from the style's form background.
  void ApplyUIStyle() override;
  // The grip while it shows, with a pixel on either side.
  int SizeGripWidth() const override;
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool OverGrip(int x, int y) const;

  TBitmap FGrip;  // empty when the bitmap cannot be loaded
  TRect FGripRect;
  bool FButtonDown = false;
  bool FSizing = false;  // the press went down on the grip
};
