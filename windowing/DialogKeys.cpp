#include "windowing/DialogKeys.h"

#include <cctype>

#include "windowing/Control.h"

namespace {

template <class Offer>
bool Broadcast(TControl& control, const Offer& offer) {
  if (auto* handler = dynamic_cast<TDialogKeyHandler*>(&control); handler && offer(*handler)) return true;
  for (int i = 0; i < control.ControlCount(); ++i)
    if (TControl* child = control.Controls(i); child->Visible() && Broadcast(*child, offer)) return true;
  return false;
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
