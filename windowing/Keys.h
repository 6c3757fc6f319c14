// Virtual key codes, short cuts and their display text, and the
// conversions from and to Qt's keys.
#pragma once

#include <QKeySequence>
#include <cstdint>
#include <string>

#include "windowing/Events.h"

constexpr uint16_t VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
                   VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
                   VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
                   VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F12 = 0x7B;

// A key with its modifiers: the key code in the low byte.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
// "Ctrl+O", "Shift+Del", "F5"; empty for none.
std::string ShortCutToText(TShortCut shortCut);
// The reverse, without regard to case; 0 for text it does not know.
TShortCut TextToShortCut(const std::string& text);

QKeySequence ShortCutToKeySequence(TShortCut shortCut);
// The virtual key of a Qt key (0 for keys without one).
uint16_t QtKeyToVirtualKey(int qtKey);
int VirtualKeyToQtKey(uint16_t key);
TShiftState QtModifiersToShift(Qt::KeyboardModifiers modifiers);
