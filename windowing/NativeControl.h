// The base of the controls that Qt draws (edit, memo, list, combo box,
// tree, grid): the native widget fills the control inside a border that
// the control paints itself (a skinned control draws its rings there after
// each paint). Colour and font go to the widget; its keys, focus changes
// and double clicks come back as the control's events. Text crosses in the
// locale's 8-bit encoding (UTF-8), without losing a byte (below).
#pragma once

#include <QString>
#include <string>

#include "windowing/WinControl.h"

// 8-bit text of the model to and from Qt's text. The model's texts are
// bytes in whatever code page wrote them (a filter's description in code
// page 936), so a byte that is no part of valid UTF-8 shows as a lone low
// surrogate (U+DC80..U+DCFF, which no UTF-8 text can hold) and turns back
// into that byte: text shown and taken back unedited gives the same bytes,
// and an edit keeps every byte it did not touch. Characters that Qt's text
// document keeps as structure (U+2029, U+FDD0, U+FDD1) cross the same way.
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
