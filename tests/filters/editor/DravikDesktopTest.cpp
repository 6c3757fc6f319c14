// The filter editor on a desktop: run by tests/skin/frame-xvfb.sh on a
// private X server, alone and again under a window manager (openbox), with
// the X server's own pointer and keys (xdotool), as a person meets it: the
// window as it starts, a file that is no filter, the about box, and the Edit
// menu opened from the keyboard. Screenshots are left under build/shots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include "filters/DravikAboutFrm.h"
#include "skin/SkinButton.h"
#include "skin/SkinEdit.h"
#include "skin/SkinTreeView.h"
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
    QCursor::setPos(0, 0);  // no button drawn hot under the pointer
  }
  // Shows the window and waits until it has the keyboard: a window manager
  // gives it, a bare X server is asked for it.
  static void ShowActive(TForm& form) {
    form.Show();
    ASSERT_TRUE(form.windowHandle() && QTest::qWaitForWindowExposed(form.windowHandle()));
    form.activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::activeWindow() == &form; }, 10s));
  }
  // What the screen shows of the widget.
  static QImage Part(const QImage& shot, const QWidget& widget) {
    return shot.copy(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()));
  }
};

// The number of pixels in which two pictures of one size differ.
int Differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height() + 1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

// Whether the open menu offers the item of that caption (shown with its
// short cut after a tab).
bool Offers(const QMenu& menu, const QString& caption) {
  for (const QAction* action : menu.actions())
    if (action->text().section('\t', 0, 0) == caption) return action->isEnabled();
  ADD_FAILURE() << "no item " << caption.toStdString();
  return false;
}

}  // namespace

// A new window shows the filter options with their buttons, whatever has
// the focus, until the user picks a node; the keys pick one then.
TEST_F(DravikOnDesktop, TheEditorStartsOnTheFilterOptionsUntilANodeIsPicked) {
  TEditor e;
  ShowActive(*e.form);
  QTreeWidget& tree = e.form->tvCate->Tree();
  ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::focusWidget() == &tree; }, 10s));
  const QImage shot = SettledScreenShot("dravik-desktop-start");
  EXPECT_EQ(e.form->tvCate->Selected(), nullptr);
  EXPECT_EQ(e.FrontPanel(), "pnlFilterOptions");
  // The screen shows that panel, not one stacked under it.
  const auto& area = e.Get<TSkinImagePanel>("pnlEditMain");
  const QImage options = e.Get<TSkinImagePanel>("pnlFilterOptions").grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_LT(Differing(Part(shot, area), options), options.width() * options.height() / 100);

  ASSERT_TRUE(PressKeys("Down"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return e.form->tvCate->Selected() != nullptr; }, 5s));
  EXPECT_EQ(e.form->tvCate->Selected()->Text(), "General");
  EXPECT_EQ(e.FrontPanel(), "pnlGeneral");
  SettledScreenShot("dravik-desktop-general-picked");
}

// Opening a file that is no filter: the error box names the file and says
// what it is not; the window keeps the filter it shows.
TEST_F(DravikOnDesktop, AFileThatIsNoFilterIsNamedInTheErrorBox) {
  TTempFolder folder;
  const std::string notes = folder.Write("notes.txt", "Shopping list\r\nmilk, bread\r\n");
  TEditor e;
  Application().SetTitle("Dravik - Carolune");
  ShowActive(*e.form);
  // The platform's box, as the program shows it, for this test.
  TMessageBoxProvider* recording = Application().SetMessageBoxProvider(nullptr);
  QString text, title;
  QTimer::singleShot(0, [&] {
    QMessageBox* box = nullptr;
    ProcessEventsUntil([&] { return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) != nullptr; }, 10s);
    if (!box) return;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box->windowHandle()));
    text = box->text();
    title = box->windowTitle();
    SettledScreenShot("dravik-desktop-not-a-filter");
    box->accept();
  });
  e.form->SetFilterFile(notes);
  Application().SetMessageBoxProvider(recording);
  EXPECT_EQ(title, "Dravik - Carolune");
  EXPECT_EQ(text.toStdString(),
            "\"" + notes + "\" is not a filter file that the filter editor can read: '' is not a valid integer value.");
  EXPECT_EQ(e.form->FileName, "");
  EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");
}

// The about box closes with Esc, as with its OK button.
TEST_F(DravikOnDesktop, TheAboutBoxClosesWithEscape) {
  TEditor e;
  ShowActive(*e.form);
  bool shown = false, closedByEscape = false;
  QTimer::singleShot(0, [&] {
    TfrmDravikAbout* about = nullptr;
    ProcessEventsUntil(
        [&] {
          for (int i = 0; i < ScreenFormCount() && !about; ++i) about = dynamic_cast<TfrmDravikAbout*>(ScreenForms(i));
          return about && about->Modal() && about->windowHandle() && about->windowHandle()->isExposed();
        },
        10s);
    if (!about) return;
    about->activateWindow();
    shown = ProcessEventsUntil([&] { return QApplication::activeWindow() == about; }, 10s);
    SettledScreenShot("dravik-desktop-about");
    PressKeys("Escape");
    // The box closes once this call returns to its modal loop.
    closedByEscape = ProcessEventsUntil([&] { return about->ModalResult() != mrNone; }, 5s);
    if (!closedByEscape) about->Close();
  });
  e.form->actAboutExecute(nullptr);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(closedByEscape);
}

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
