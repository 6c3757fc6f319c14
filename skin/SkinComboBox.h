// The skinned combo box: the platform's combo box paints itself, then the
// control draws over it a ring in BorderColor with one in its own Color
// inside, and its drop-down button: the style's button bitmap in Silver and
// Azure, else a ButtonColor fill with a BorderColor separator, and a small
// arrow in ArrowColor (grey with a white shadow while disabled; Azure's
// bitmap carries its own). The open list is framed in BorderColor. A
// focused drop-down list shows a dotted ring round its text. A csSimple box
// keeps the native look.
#pragma once

#include <QPointer>
#include <memory>

#include "skin/SkinBorder.h"
#include "windowing/ComboBox.h"

class QWidget;

class TSkinCustomComboBox : public TSkinBordered<TComboBox> {
 public:
  explicit TSkinCustomComboBox(TComponent* owner);
  ~TSkinCustomComboBox() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor color);
  TColor ArrowColor() const { return FArrowColor; }
  void SetArrowColor(TColor color);

  // The drop-down button, in the control's coordinates.
  TRect ButtonRect() const;
  // Draws the frame, button and arrow on the combo box's surface.
  void PaintBorderAndButton(QWidget& window) const;

 protected:
  // Style: the arrow black, the border item 25, the button item 15.
  void ApplyStyle(const TSkinItemSource& items) override;
  void PaintBorder() override;
  void DropDown() override;
  void CloseUp() override;
  void EnabledChanged() override;
  void ColorChanged() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  class TOverlay;
  void DrawArrow(TCanvas& canvas, int x, int y) const;
  void DrawFocusMark(TCanvas& canvas, const TRect& button) const;
  void RepaintSkin();

  TColor FButtonColor = clBtnFace;
  TColor FArrowColor = clBlack;
  std::unique_ptr<TOverlay> FOverlay;
  QPointer<TOverlay> FListFrame;
};

class TSkinComboBox : public TSkinCustomComboBox {
 public:
  using TSkinCustomComboBox::TSkinCustomComboBox;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
