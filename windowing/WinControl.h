// Windowed controls: they can take the focus and the keyboard. Keys a
// control leaves alone go on to its parent, and so to the form. Dialog keys
// and access keys go round the form first (DialogKeys.h).
#pragma once

#include "windowing/Control.h"

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool tabStop);
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int order) { FTabOrder = order; }
  bool CanFocus() const;
  bool Focused() const { return hasFocus(); }
  void SetFocus();
  // A control on this form window took the focus; a form keeps it as its
  // active control.
  virtual void FocusChanged(TWinControl* control) { (void)control; }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  // Key is 0 afterwards when the control used it.
  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void DoEnter();
  virtual void DoExit();

  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool FTabStop = false;
  int FTabOrder = -1;
};
