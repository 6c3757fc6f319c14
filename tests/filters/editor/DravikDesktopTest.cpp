// The filter editor on a desktop: run by tests/skin/frame-xvfb.sh on a
// private X server, alone and again under a window manager (openbox),
// driven by the X server's own pointer and keys (xdotool). Screenshots are
// left under build/shots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "skin/SkinButton.h"
#include "skin/SkinEdit.h"
#include "tests/filters/editor/EditorTestSupport.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/RealWindowShots.h"

namespace {

using namespace std::chrono_literals;

class DravikOnDesktop : public testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
};

// Whether the open menu offers the item of that caption (shown with its
// short cut after a tab).
bool Offers(const QMenu& menu, const QString& caption) {
  for (const QAction* action : menu.actions())
    if (action->text().section('\t', 0, 0) == caption) return action->isEnabled();
  ADD_FAILURE() << "no item " << caption.toStdString();
  return false;
}

}  // namespace

// Alt+E opens the Edit menu from the keyboard as the mouse opens it: the
// edit keeps the focus and its selection, so the menu offers Copy, Cut and
// Select All for it; after Esc Ctrl+C copies the selection.
TEST_F(DravikOnDesktop, AltEOffersCopyForTheSelectionOfTheFocusedEdit) {
  TEditor e;
  e.form->Show();
  ASSERT_TRUE(e.form->windowHandle() && QTest::qWaitForWindowExposed(e.form->windowHandle()));
  e.Get<TSkinButton>("btnFilterInfo").Click();
  QLineEdit& version = e.form->edtFilterVersion->Editor();
  QApplication::clipboard()->clear();
  ProcessEventsUntil([] { return false; }, 300ms);
  ASSERT_TRUE(ClickAt(version.mapToGlobal(version.rect().center())));
  ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::focusWidget() == &version; }, 5s));
  ASSERT_TRUE(Xdo({"type", "--delay", "30", "1.00.012"}));
  ASSERT_TRUE(PressKeys("shift+Home"));
  ASSERT_EQ(version.selectedText(), "1.00.012");

  ASSERT_TRUE(PressKeys("alt+e"));
  ASSERT_TRUE(ProcessEventsUntil([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, 5s));
  // The idle update has run for the control the menu describes.
  ProcessEventsUntil([] { return false; }, 300ms);
  const QMenu& menu = *qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ScreenShot("desktop-dravik-edit-menu-by-keys");
  EXPECT_TRUE(Offers(menu, "Copy"));
  EXPECT_TRUE(Offers(menu, "Cut"));
  EXPECT_TRUE(Offers(menu, "Select All"));
  EXPECT_FALSE(Offers(menu, "Paste"));  // the clipboard is empty
  EXPECT_EQ(version.selectedText(), "1.00.012");

  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(ProcessEventsUntil([] { return QApplication::activePopupWidget() == nullptr; }, 5s));
  EXPECT_EQ(QApplication::focusWidget(), &version);
  EXPECT_EQ(version.selectedText(), "1.00.012");
  ASSERT_TRUE(PressKeys("ctrl+c"));
  EXPECT_TRUE(ProcessEventsUntil([] { return QApplication::clipboard()->text() == "1.00.012"; }, 5s));
  e.form->Hide();
}
