// The base of the controls that Qt draws (edit, memo, list, combo box,
// tree, grid): the native widget fills the control inside a border that
// the control paints itself (a skinned control draws its rings there after
// each paint). Colour and font go to the widget; its keys, focus changes
// and double clicks come back as the control's events. Text crosses in the
// locale's 8-bit encoding.
#pragma once

#include <QString>
#include <string>

#include "WinControl.h"

// 8-bit text of the model to and from Qt's text.
QString FromLocal8Bit(const std::string& text);
std::string ToLocal8Bit(const QString& text);

class TNativeControl : public TWinControl {
 public:
  // inner becomes a child of the control, which frees it.
  TNativeControl(TComponent* owner, QWidget* inner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QWidget& Inner() const { return *FInner; }
  // The frame between the control's edge and the native widget.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int width);

 protected:
  bool IsOwnerPainted() const override { return true; }
  void Paint(TCanvas& canvas) override;
  void Resize() override;
  void ColorChanged() override;
  void FontChanged() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceInner();

  QWidget* FInner;
  int FBorderWidth = 0;
};
