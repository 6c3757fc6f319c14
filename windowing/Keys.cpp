#include "windowing/Keys.h"

#include "runtime/SysUtils.h"

namespace {

struct KeyName {
  uint16_t key;
  int qt;
  const char* name;
};

constexpr KeyName kKeys[] = {
    {VK_BACK, Qt::Key_Backspace, "BkSp"}, {VK_TAB, Qt::Key_Tab, "Tab"},       {VK_RETURN, Qt::Key_Return, "Enter"},
    {VK_ESCAPE, Qt::Key_Escape, "Esc"},   {VK_SPACE, Qt::Key_Space, "Space"}, {VK_PRIOR, Qt::Key_PageUp, "PgUp"},
    {VK_NEXT, Qt::Key_PageDown, "PgDn"},  {VK_END, Qt::Key_End, "End"},       {VK_HOME, Qt::Key_Home, "Home"},
    {VK_LEFT, Qt::Key_Left, "Left"},      {VK_UP, Qt::Key_Up, "Up"},          {VK_RIGHT, Qt::Key_Right, "Right"},
    {VK_DOWN, Qt::Key_Down, "Down"},      {VK_INSERT, Qt::Key_Insert, "Ins"}, {VK_DELETE, Qt::Key_Delete, "Del"},
    {VK_SHIFT, Qt::Key_Shift, ""},        {VK_CONTROL, Qt::Key_Control, ""},  {VK_MENU, Qt::Key_Alt, ""},
};

bool IsLetterOrDigit(uint16_t key) { return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'); }
bool IsFunctionKey(uint16_t key) { return key >= VK_F1 && key <= VK_F12; }

std::string KeyText(uint16_t key) {
  if (IsLetterOrDigit(key)) return std::string(1, static_cast<char>(key));
  if (IsFunctionKey(key)) return "F" + IntToStr(key - VK_F1 + 1);
  for (const KeyName& k : kKeys)
    if (k.key == key) return k.name;
  return {};
}

}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyText(shortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  std::string rest = text;
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (auto [prefix, bit] : {std::pair{"Shift+", scShift}, std::pair{"Ctrl+", scCtrl}, std::pair{"Alt+", scAlt}}) {
      const std::string p = prefix;
      if (rest.size() > p.size() && SameText(rest.substr(0, p.size()), p)) {
        modifiers |= bit;
        rest = rest.substr(p.size());
        found = true;
      }
    }
  }
  for (uint16_t key = 1; key < 0x100; ++key)
    if (const std::string name = KeyText(key); !name.empty() && SameText(name, rest))
      return static_cast<TShortCut>(modifiers | key);
  return scNone;
}

uint16_t QtKeyToVirtualKey(int qtKey) {
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return static_cast<uint16_t>(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
  if (qtKey == Qt::Key_Enter) return VK_RETURN;
  if (qtKey == Qt::Key_Backtab) return VK_TAB;
  for (const KeyName& k : kKeys)
    if (k.qt == qtKey) return k.key;
  return 0;
}

int VirtualKeyToQtKey(uint16_t key) {
  if (IsLetterOrDigit(key)) return key;
  if (IsFunctionKey(key)) return Qt::Key_F1 + (key - VK_F1);
  for (const KeyName& k : kKeys)
    if (k.key == key) return k.qt;
  return 0;
}

TShiftState QtModifiersToShift(Qt::KeyboardModifiers modifiers) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  return shift;
}

QKeySequence ShortCutToKeySequence(TShortCut shortCut) {
  const int key = VirtualKeyToQtKey(shortCut & 0xFF);
  if (!key) return {};
  int combined = key;
  if (shortCut & scShift) combined |= Qt::SHIFT;
  if (shortCut & scCtrl) combined |= Qt::CTRL;
  if (shortCut & scAlt) combined |= Qt::ALT;
  return QKeySequence(combined);
}
