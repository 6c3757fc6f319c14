// Dialog keys and access keys, handed round as the class library does. A
// key that the focused control does not want itself (Enter, Escape, the
// arrows) is first offered to every control of its form as a dialog key, so
// that the default and cancel buttons answer Enter and Escape wherever the
// focus is. A character that the focused control does not take, and any
// Alt+character, is offered as a dialog character, so that the control
// whose caption marks that character with "&" answers it.
#pragma once

#include <cstdint>
#include <string>

#include "windowing/Events.h"

class TControl;

// What a focused control wants to see itself instead of having it offered
// round (the platform's dialog codes).
constexpr unsigned DLGC_WANTARROWS = 0x1, DLGC_WANTTAB = 0x2, DLGC_WANTALLKEYS = 0x4, DLGC_WANTCHARS = 0x80;

// Controls that answer dialog keys or characters inherit this as well.
class TDialogKeyHandler {
 public:
  virtual ~TDialogKeyHandler() = default;
  // The dialog key notice: true when the control used the key.
  virtual bool DialogKey(uint16_t key, TShiftState shift) {
    (void)key, (void)shift;
    return false;
  }
  // The dialog character notice: true when the control used the character.
  virtual bool DialogChar(char key, TShiftState shift) {
    (void)key, (void)shift;
    return false;
  }
  // The keys the control handles itself while it has the focus.
  virtual unsigned DialogCode() const { return 0; }
};

// The access key of a caption: the character after the last single "&"
// ("&&" stands for an ampersand); 0 when there is none.
char GetHotkey(const std::string& caption);
// Whether key is the caption's access key, letters without regard to case.
bool IsAccel(char key, const std::string& caption);

// Offers the key (the character) to root and then to each visible control
// inside it, each before its own children, in child order, until one uses
// it. Hidden controls and what they hold take no keys.
bool BroadcastDialogKey(TControl& root, uint16_t key, TShiftState shift);
bool BroadcastDialogChar(TControl& root, char key, TShiftState shift);
