// The skinned tool bar: the button under the mouse, a held button and a
// checked button are painted by the bar as a bordered rectangle in three
// style colours with the image centred and the caption below it; other
// buttons keep the bar's flat drawing. In Silver and Crystal the bar is
// transparent and shows its parent.
#pragma once

#include "skin/SkinMgr.h"
#include "windowing/ToolBar.h"

class TToolButton;

class TSkinToolBar : public TSkinThemed<TToolBar> {
 public:
  explicit TSkinToolBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor color);
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor color);
  TColor ButtonDownColor() const { return FButtonDownColor; }
  void SetButtonDownColor(TColor color);

  void ToolBarCustomDraw(TToolBar* sender, TCanvas& canvas, const TRect& r, bool& defaultDraw);
  void ToolBarCustomDrawButton(TToolBar* sender, TCanvas& canvas, TToolButton* button, TCustomDrawState state,
                               bool& defaultDraw);
  void DrawHighlightButton(TCanvas& canvas, const TRect& r, bool dropDown, const std::string& caption, int imageIndex,
                           const TCustomImageList* images);
  void DrawPressedButton(TCanvas& canvas, const TRect& r, bool dropDown, const std::string& caption, int imageIndex,
                         const TCustomImageList* images);

 protected:
  void ApplyUIStyle() override;

 private:
  void DrawButton(TCanvas& canvas, const TRect& r, bool dropDown, const std::string& caption, int imageIndex,
                  const TCustomImageList* images, bool pressed);

  TColor FButtonColor = 0;
  TColor FButtonBorderColor = 0;
  TColor FButtonDownColor = 0;
};
