#include "windowing/Keys.h"

#include <gtest/gtest.h>

TEST(Keys, ShortCutsReadAndWriteTheClassLibrarysText) {
  const struct {
    TShortCut shortCut;
    const char* text;
  } cases[] = {
      {scCtrl | 'O', "Ctrl+O"},          {scShift | VK_DELETE, "Shift+Del"}, {VK_F1 + 4, "F5"},
      {scCtrl | scAlt | '1', "Ctrl+Alt+1"}, {scShift | scCtrl | VK_RETURN, "Shift+Ctrl+Enter"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+o"), scCtrl | 'O');
  EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCut('S', ssCtrl | ssShift), scCtrl | scShift | 'S');
  EXPECT_EQ(ShortCutToKeySequence(scCtrl | 'O'), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Escape), VK_ESCAPE);
  EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_F12), VK_F12);
  EXPECT_EQ(VirtualKeyToQtKey(VK_LEFT), Qt::Key_Left);
}
