#include "windowing/WinControl.h"

#include <QApplication>
#include <QKeyEvent>

#include "windowing/DialogKeys.h"
#include "windowing/Guarded.h"
#include "windowing/Keys.h"

namespace {

// The form window the control sits on, as a windowed control.
TWinControl* ParentFormWindow(TWinControl& control) {
  return dynamic_cast<TWinControl*>(GetParentFormWindow(&control));
}

// Whether control is the first of the layer's controls that a key press
// reaches: the focused control, the control around a focused native
// widget, or the window itself when nothing has the focus. Only that one
// offers the key round; its parents see the key afterwards only when it was
// left alone.
bool ReceivesKeysFirst(const TWinControl& control) {
  const QWidget* focus = QApplication::focusWidget();
  if (!focus) return control.isWindow();
  for (; focus; focus = focus->parentWidget())
    if (const auto* owner = dynamic_cast<const TWinControl*>(focus)) return owner == &control;
  return false;
}

unsigned DialogCodeOf(const TWinControl& control) {
  const auto* handler = dynamic_cast<const TDialogKeyHandler*>(&control);
  return handler ? handler->DialogCode() : 0;
}

// The form the key goes round: the control's own, or the control itself
// when it is a window without one.
TControl& DialogRoot(TWinControl& focused) {
  if (TWinControl* form = ParentFormWindow(focused)) return *form;
  return focused;
}

// Offers a dialog key (Enter, Escape, an arrow) to the control's form unless
// the control wants it; true when some control used it.
bool SendDialogKey(TWinControl& focused, uint16_t key, TShiftState shift) {
  unsigned wanted = 0;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      wanted = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_ESCAPE:
      wanted = DLGC_WANTALLKEYS;
      break;
    default:
      return false;
  }
  if (DialogCodeOf(focused) & wanted) return false;
  return BroadcastDialogKey(DialogRoot(focused), key, shift);
}

// Offers the character to the control's form when the control takes no
// characters or Alt is held; true when some control used it.
bool SendDialogChar(TWinControl& focused, char key, TShiftState shift) {
  if (key == 0 || (!(shift & ssAlt) && (DialogCodeOf(focused) & DLGC_WANTCHARS))) return false;
  if ((shift & ssAlt) && key == ' ') return false;
  return BroadcastDialogChar(DialogRoot(focused), key, shift);
}

}  // namespace

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
  if (TWinControl* form = ParentFormWindow(*this); form && form != this) form->FocusChanged(this);
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
