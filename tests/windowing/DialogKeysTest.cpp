#include "windowing/DialogKeys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "windowing/CustomControl.h"
#include "windowing/Form.h"
#include "windowing/Keys.h"

namespace {

// A control that records the dialog keys and characters offered to it.
class TListener : public TCustomControl, public TDialogKeyHandler {
 public:
  TListener(TComponent* owner, std::string& log, std::string name, bool takes = false, unsigned code = 0)
      : TCustomControl(owner), FLog(log), FName(std::move(name)), FTakes(takes), FCode(code) {
    SetTabStop(true);
  }
  bool DialogKey(uint16_t key, TShiftState) override {
    FLog += FName + ":key" + std::to_string(key) + " ";
    return FTakes;
  }
  bool DialogChar(char key, TShiftState) override {
    FLog += FName + ":" + std::string(1, key) + " ";
    return FTakes;
  }
  unsigned DialogCode() const override { return FCode; }

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override {
    FLog += FName + ":down ";
    TCustomControl::KeyDown(key, shift);
  }
  void KeyPress(char& key) override {
    FLog += FName + ":press ";
    TCustomControl::KeyPress(key);
  }

 private:
  std::string& FLog;
  std::string FName;
  bool FTakes;
  unsigned FCode;
};

}  // namespace

TEST(DialogKeys, TheAccessKeyIsTheCharacterAfterTheLastSingleAmpersand) {
  struct Case {
    const char* caption;
    char hotkey;
  };
  for (const Case& c : {Case{"&Open", 'O'}, Case{"Save && Quit", 0}, Case{"Save && &Quit", 'Q'}, Case{"&A&B", 'B'},
                        Case{"End&", 0}, Case{"", 0}, Case{"&&&x", 'x'}})
    EXPECT_EQ(GetHotkey(c.caption), c.hotkey) << c.caption;
  EXPECT_TRUE(IsAccel('o', "&Open"));
  EXPECT_TRUE(IsAccel('O', "&open"));
  EXPECT_FALSE(IsAccel('p', "&Open"));
  EXPECT_FALSE(IsAccel(0, "Open"));
}

TEST(DialogKeys, GoRoundTheVisibleControlsEachBeforeItsChildrenUntilOneTakesThem) {
  std::string log;
  TForm form(nullptr);
  auto* a = new TListener(&form, log, "a");
  a->SetParent(&form);
  auto* inner = new TListener(&form, log, "inner");
  inner->SetParent(a);
  auto* hidden = new TListener(&form, log, "hidden", true);
  hidden->SetParent(&form);
  hidden->SetVisible(false);
  auto* b = new TListener(&form, log, "b", true);
  b->SetParent(&form);
  auto* c = new TListener(&form, log, "c", true);
  c->SetParent(&form);
  EXPECT_TRUE(BroadcastDialogChar(form, 'x', 0));
  EXPECT_EQ(log, "a:x inner:x b:x ");
  log.clear();
  b->SetVisible(false);
  EXPECT_TRUE(BroadcastDialogKey(form, VK_RETURN, 0));
  EXPECT_EQ(log, "a:key13 inner:key13 c:key13 ");
}

TEST(DialogKeys, TheFocusedControlOffersWhatItDoesNotWantBeforeHandlingIt) {
  std::string log;
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  auto* focused = new TListener(&form, log, "focused");
  focused->SetParent(&form);
  auto* arrows = new TListener(&form, log, "arrows", false, DLGC_WANTARROWS | DLGC_WANTCHARS);
  arrows->SetParent(&form);
  form.Show();
  QApplication::setActiveWindow(&form);
  focused->SetFocus();
  ASSERT_TRUE(focused->Focused());
  auto key = [&](QWidget* to, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    log.clear();
    QTest::keyClick(to, static_cast<Qt::Key>(k), m);
    return log;
  };
  EXPECT_EQ(key(focused, Qt::Key_Return), "focused:key13 arrows:key13 focused:down ");
  EXPECT_EQ(key(focused, Qt::Key_X), "focused:down focused:x arrows:x focused:press ");
  arrows->SetFocus();
  EXPECT_EQ(key(arrows, Qt::Key_Left), "arrows:down ");
  EXPECT_EQ(key(arrows, Qt::Key_X), "arrows:down arrows:press ");
  // (The Alt key itself comes down first.)
  EXPECT_EQ(key(arrows, Qt::Key_X, Qt::AltModifier), "arrows:down arrows:down focused:x arrows:x arrows:press ");
  QApplication::setActiveWindow(nullptr);
}
