#include "windowing/FocusChain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "windowing/CustomPanel.h"
#include "windowing/Edit.h"
#include "windowing/Form.h"

namespace {

// A form with an edit above three panels stacked in one place, each with an
// edit, the last in front; below them one hidden, one disabled and one
// plain edit.
class FocusChain : public testing::Test {
 protected:
  FocusChain() : form(nullptr) {
    form.SetBounds(0, 0, 400, 300);
    top = Edit(form, "top", 10);
    for (const char* name : {"first", "second", "front"}) {
      auto* panel = new TPanel(&form);
      panel->SetName(std::string("pnl") + name);
      panel->SetParent(&form);
      panel->SetBounds(0, 40, 400, 100);
      panels.push_back(panel);
      stacked.push_back(Edit(*panel, name, 10));
    }
    hidden = Edit(form, "hidden", 150);
    hidden->SetVisible(false);
    disabled = Edit(form, "disabled", 180);
    disabled->SetEnabled(false);
    last = Edit(form, "last", 210);
    form.Show();
    QApplication::setActiveWindow(&form);
  }
  TEdit* Edit(TWinControl& parent, const std::string& name, int top) {
    auto* edit = new TEdit(&form);
    edit->SetName(name);
    edit->SetParent(&parent);
    edit->SetBounds(10, top, 100, 21);
    return edit;
  }
  static std::string Focused() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
      if (auto* edit = dynamic_cast<TEdit*>(w)) return edit->Name();
    return "";
  }
  static void Press(bool back = false) {
    QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab);
  }

  TForm form;
  TEdit* top;
  std::vector<TPanel*> panels;
  std::vector<TEdit*> stacked;
  TEdit *hidden, *disabled, *last;
};

}  // namespace

TEST_F(FocusChain, TabPassesControlsCoveredHiddenOrDisabled) {
  top->SetFocus();
  ASSERT_EQ(Focused(), "top");
  EXPECT_TRUE(IsCoveredInWindow(stacked[0]->Editor()));
  EXPECT_FALSE(IsCoveredInWindow(stacked[2]->Editor()));
  Press();
  EXPECT_EQ(Focused(), "front");
  Press();
  EXPECT_EQ(Focused(), "last");
  Press();
  EXPECT_EQ(Focused(), "top");  // round again
  Press(true);
  EXPECT_EQ(Focused(), "last");
  Press(true);
  EXPECT_EQ(Focused(), "front");
  // Another panel in front: Tab reaches its edit instead.
  panels[0]->BringToFront();
  top->SetFocus();
  Press();
  EXPECT_EQ(Focused(), "first");
  // From a control that got covered, Shift+Tab goes back to one in sight.
  panels[1]->BringToFront();
  Press(true);
  EXPECT_EQ(Focused(), "top");
}
