#include "windowing/WinControl.h"

#include <QKeyEvent>

#include "windowing/DialogKeys.h"
#include "windowing/Form.h"
#include "windowing/Guarded.h"
#include "windowing/Keys.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { setFocusPolicy(Qt::NoFocus); }

const TClassInfo& TWinControl::StaticClassInfo() {
  static const auto info =
      DefineClass<TWinControl>("TWinControl", TControl::StaticClassInfo(), [](TPublisher<TWinControl>& p) {
        p.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
            .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Event("OnEnter", &TWinControl::OnEnter)
            .Event("OnExit", &TWinControl::OnExit)
            .Event("OnKeyDown", &TWinControl::OnKeyDown)
            .Event("OnKeyUp", &TWinControl::OnKeyUp)
            .Event("OnKeyPress", &TWinControl::OnKeyPress);
      });
  return *info;
}

void TWinControl::SetTabStop(bool tabStop) {
  if (FTabStop == tabStop) return;
  FTabStop = tabStop;
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

bool TWinControl::CanFocus() const { return focusPolicy() != Qt::NoFocus && Showing() && isEnabled(); }

void TWinControl::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  // The control with the focus is its form's active control.
  if (TForm* form = GetParentForm(this); form && form != this) form->FocusChanged(this);
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::keyPressEvent(QKeyEvent* event) {
  uint16_t key = QtKeyToVirtualKey(event->key());
  const TShiftState shift = QtModifiersToShift(event->modifiers());
  // The control the key reaches first offers it round as a dialog key
  // before it handles it, and its character as a dialog character after.
  const bool first = ReceivesKeysFirst(*this);
  bool used = false;
  Guarded([&] {
    if (first && key && SendDialogKey(*this, key, shift)) {
      used = true;
      return;
    }
    if (key) KeyDown(key, shift);
    used = key == 0 && QtKeyToVirtualKey(event->key()) != 0;
    if (used) return;
    const QByteArray text = event->text().toLocal8Bit();
    const bool printable = text.size() == 1 && static_cast<unsigned char>(text[0]) >= 0x20;
    char c = printable ? text[0] : 0;
    // Alt with a letter or digit may come without text.
    if (!c && (shift & ssAlt) && key >= '0' && key <= 'Z' && (key <= '9' || key >= 'A')) c = static_cast<char>(key);
    if (first && SendDialogChar(*this, c, shift)) {
      used = true;
      return;
    }
    if (printable) {
      KeyPress(c);
      used = c == 0;
    }
  });
  if (!used) event->ignore();
}

void TWinControl::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  uint16_t key = QtKeyToVirtualKey(event->key());
  if (!key) {
    event->ignore();
    return;
  }
  Guarded([&] { KeyUp(key, QtModifiersToShift(event->modifiers())); });
  if (key) event->ignore();
}

void TWinControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Guarded([this] { DoEnter(); });
}

void TWinControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  Guarded([this] { DoExit(); });
}
