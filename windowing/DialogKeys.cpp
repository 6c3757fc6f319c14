#include "windowing/DialogKeys.h"

#include <QApplication>
#include <cctype>

#include "windowing/Form.h"
#include "windowing/Keys.h"
#include "windowing/WinControl.h"

namespace {

template <class Offer>
bool Broadcast(TControl& control, const Offer& offer) {
  if (auto* handler = dynamic_cast<TDialogKeyHandler*>(&control); handler && offer(*handler)) return true;
  for (int i = 0; i < control.ControlCount(); ++i)
    if (TControl* child = control.Controls(i); child->Visible() && Broadcast(*child, offer)) return true;
  return false;
}

unsigned DialogCodeOf(const TWinControl& control) {
  const auto* handler = dynamic_cast<const TDialogKeyHandler*>(&control);
  return handler ? handler->DialogCode() : 0;
}

// The form the key goes round: the control's own, or the control itself
// when it is a window without one.
TControl* DialogRoot(TWinControl& focused) {
  if (TForm* form = GetParentForm(&focused)) return form;
  return &focused;
}

}  // namespace

char GetHotkey(const std::string& caption) {
  char hotkey = 0;
  for (size_t i = 0; i + 1 < caption.size(); ++i)
    if (caption[i] == '&') {
      ++i;
      if (caption[i] != '&') hotkey = caption[i];
    }
  return hotkey;
}

bool IsAccel(char key, const std::string& caption) {
  const char hotkey = GetHotkey(caption);
  return hotkey != 0 && std::toupper(static_cast<unsigned char>(hotkey)) == std::toupper(static_cast<unsigned char>(key));
}

bool BroadcastDialogKey(TControl& root, uint16_t key, TShiftState shift) {
  return Broadcast(root, [&](TDialogKeyHandler& h) { return h.DialogKey(key, shift); });
}

bool BroadcastDialogChar(TControl& root, char key, TShiftState shift) {
  return Broadcast(root, [&](TDialogKeyHandler& h) { return h.DialogChar(key, shift); });
}

bool ReceivesKeysFirst(const TWinControl& control) {
  const QWidget* focus = QApplication::focusWidget();
  if (!focus) return control.isWindow();
  for (; focus; focus = focus->parentWidget())
    if (const auto* owner = dynamic_cast<const TWinControl*>(focus)) return owner == &control;
  return false;
}

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
  return BroadcastDialogKey(*DialogRoot(focused), key, shift);
}

bool SendDialogChar(TWinControl& focused, char key, TShiftState shift) {
  if (key == 0 || (!(shift & ssAlt) && (DialogCodeOf(focused) & DLGC_WANTCHARS))) return false;
  if ((shift & ssAlt) && key == ' ') return false;
  return BroadcastDialogChar(*DialogRoot(focused), key, shift);
}
