// A tool bar: a row (or rows, when it wraps) of tool buttons with images
// from an image list and optional captions below them. The bar paints its
// background and each button's face; the custom-draw callbacks may paint
// instead, then say whether the default drawing still runs.
#pragma once

#include <vector>

#include "windowing/ComponentRef.h"
#include "windowing/CustomControl.h"
#include "windowing/ImageList.h"
#include "windowing/ToolButton.h"

enum TCustomDrawStateFlag : unsigned {
  cdsSelected = 1u << 0,
  cdsGrayed = 1u << 1,
  cdsDisabled = 1u << 2,
  cdsChecked = 1u << 3,
  cdsHot = 1u << 6,
};
using TCustomDrawState = unsigned;

enum TEdgeBorder : unsigned { ebLeft = 1u << 0, ebTop = 1u << 1, ebRight = 1u << 2, ebBottom = 1u << 3 };
using TEdgeBorders = unsigned;
enum class TEdgeStyle { esNone, esRaised, esLowered };

class TToolBar;
// The canvas is the bar's; rectangles are in bar coordinates.
using TTBCustomDrawEvent = std::function<void(TToolBar* Sender, TCanvas& Canvas, const TRect& ARect, bool& DefaultDraw)>;
using TTBCustomDrawBtnEvent = std::function<void(TToolBar* Sender, TCanvas& Canvas, TToolButton* Button,
                                                 TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TCustomControl, public TToolButtonBar {
 public:
  explicit TToolBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Flat() const { return FFlat; }
  void SetFlat(bool flat);
  // A transparent bar leaves its background unpainted (the parent shows).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool show);
  bool Wrapable() const { return FWrapable; }
  void SetWrapable(bool wrapable);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int width);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int height);
  int Indent() const { return FIndent; }
  void SetIndent(int indent);
  TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders borders);
  TEdgeStyle EdgeInner() const { return FEdgeInner; }
  void SetEdgeInner(TEdgeStyle style);
  TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
  void SetEdgeOuter(TEdgeStyle style);
  TCustomImageList* Images() const { return FImages.Get(); }
  void SetImages(TCustomImageList* images);
  TCustomImageList* HotImages() const { return FHotImages.Get(); }
  void SetHotImages(TCustomImageList* images);

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TToolButton* Buttons(int index) const { return FButtons.at(static_cast<size_t>(index)); }
  // Places the buttons again: left to right, a new row after a wrapping
  // button or when the next one would not fit a wrapping bar.
  void ArrangeButtons() override;

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

  // The button's face on canvas (origin: the bar's top-left corner).
  void PaintButton(TCanvas& canvas, TToolButton& button) override;
  // The neighbours of the button in the same group, up to the first button
  // of another group or style, go up.
  void GroupButtonDown(TToolButton& button) override;
  // The state the custom draw reports for the button.
  TCustomDrawState ButtonState(const TToolButton& button) const;

  void AdjustClientRect(TRect& rect) const override;

 protected:
  void Paint(TCanvas& canvas) override;
  void ControlChange(TControl* child, bool inserting) override;
  void Resize() override;
  void FontChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The bar's default drawing of one button.
  void DefaultDrawButton(TCanvas& canvas, const TToolButton& button) const;
  // Places the buttons again and repaints everything.
  void Changed();

 private:
  int ButtonWidthFor(const TToolButton& button) const;

  bool FFlat = false;
  bool FTransparent = false;
  bool FShowCaptions = false;
  bool FWrapable = true;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  int FIndent = 0;
  TEdgeBorders FEdgeBorders = ebTop;
  TEdgeStyle FEdgeInner = TEdgeStyle::esRaised;
  TEdgeStyle FEdgeOuter = TEdgeStyle::esLowered;
  TComponentRef<TCustomImageList> FImages;
  TComponentRef<TCustomImageList> FHotImages;
  std::vector<TToolButton*> FButtons;
  bool FArranging = false;
};
