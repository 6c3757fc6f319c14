// The main window on a desktop: run by tests/skin/frame-xvfb.sh on a private
// X server, alone and again under a window manager (openbox), driven by the
// X server's own pointer and keys (xdotool). Where the window is, is asked
// of the X server. Screenshots are left under build/shots/.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>

#include "app/PhonePages.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinForm.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/RealWindowShots.h"
#include "windowing/ToolButton.h"

namespace {

using namespace std::chrono_literals;

class MainWindowOnDesktop : public MainWindowTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
};

}  // namespace

TEST_F(MainWindowOnDesktop, MenusDropUnderTheirButtonsAndTheKeysWorkAfterOneEscape) {
  TDialogAnswers answers;
  const std::string second = WriteFile("second.rtx", "Second:d=4,o=5,b=100:e,f,g\r\n");
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, WriteFile("tune.rtx", "Tune:d=4,o=5,b=140:c,d,e,8f,8g,a,b,c6\r\n"));
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  ProcessEventsUntil([] { return false; }, 300ms);
  const QRect shown = ShownAt(w.winId());
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_EQ(FromQRect(shown), w.BoundsRect());

  // A click into the iMelody text gives it the focus.
  const QPoint text = shown.topLeft() + w.TargetMemo(ttiMelody)->mapTo(&w, QPoint(40, 20));
  ASSERT_TRUE(ClickAt(text));
  ASSERT_TRUE(ProcessEventsUntil([&] { return w.ActiveControl() == w.TargetMemo(ttiMelody); }, 5s));

  QMenuBar& bar = w.skinForm1->MenuBar()->Bar();
  auto openMenu = [&](int index) {
    const QRect button = bar.actionGeometry(bar.actions()[index]).translated(bar.mapTo(&w, QPoint(0, 0)) + shown.topLeft());
    EXPECT_TRUE(ClickAt(button.center()));
    ProcessEventsUntil([] { return QApplication::activePopupWidget() != nullptr; }, 5s);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_NE(popup, nullptr);
    if (!popup) return;
    const QRect dropped = ShownAt(popup->winId());
    EXPECT_NEAR(dropped.left(), button.left(), 2) << "menu " << index << " opened at " << dropped.x() << "," << dropped.y();
    EXPECT_NEAR(dropped.top(), button.bottom() + 1, 2) << "menu " << index;
    ScreenShot(QString("desktop-main-menu-%1").arg(index));
    EXPECT_TRUE(PressKeys("Escape"));
    ProcessEventsUntil([] { return QApplication::activePopupWidget() == nullptr; }, 5s);
  };

  // The Edit menu, closed with one Esc: Ctrl+A selects the whole text.
  openMenu(1);
  ASSERT_TRUE(PressKeys("ctrl+a"));
  ProcessEventsUntil([&] { return w.TargetMemo(ttiMelody)->SelLength() > 0; }, 3s);
  EXPECT_EQ(w.TargetMemo(ttiMelody)->SelLength(), w.TargetMemo(ttiMelody)->Editor().toPlainText().size());

  // The File menu, closed with one Esc: Ctrl+O opens a tune.
  openMenu(0);
  answers.file = second;
  ASSERT_TRUE(PressKeys("ctrl+o"));
  EXPECT_TRUE(ProcessEventsUntil([&] { return w.SourceFile() == second; }, 5s));
  w.Hide();
}

// Before a file is open there is nothing to save: the Save button shows it,
// and Ctrl+S opens no dialog. Once a tune is open both save it.
TEST_F(MainWindowOnDesktop, SaveWaitsForASourceWithTargets) {
  TDialogAnswers answers;  // every dialog cancelled
  TfrmMain& w = Window();
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  w.activateWindow();
  ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::activeWindow() == &w; }, 10s));
  auto& save = Find<TToolButton>("ToolButton2");
  auto shown = [&](const QString& name) {
    const QImage shot = SettledScreenShot(name);
    return shot.copy(QRect(save.mapToGlobal(QPoint(0, 0)), save.size()));
  };
  ASSERT_TRUE(ProcessEventsUntil([&] { return !w.actSave->Enabled(); }, 5s));
  EXPECT_FALSE(w.actSaveAs->Enabled());
  const QImage idle = shown("desktop-main-nothing-to-save");
  ASSERT_TRUE(PressKeys("ctrl+s"));
  EXPECT_EQ(answers.runs, 0);

  w.OpenFile(ttRTTTL, WriteFile("tune.rtx", "Tune:d=4,o=5,b=140:c,d,e\r\n"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return w.actSave->Enabled() && w.actSaveAs->Enabled(); }, 5s));
  EXPECT_NE(shown("desktop-main-ready-to-save"), idle);
  ASSERT_TRUE(PressKeys("ctrl+s"));
  EXPECT_TRUE(ProcessEventsUntil([&] { return answers.runs == 1; }, 5s));
  EXPECT_EQ(answers.filters.size(), 5);  // the RTTTL tune's five targets
  w.Hide();
}

// A new user's first keys: the program folder holds the shipped filters; with
// the pointer the user opens a tune from the tool bar, clicks the KeyPress
// tab and picks Nokia, then 3310, from the lists; the page shows the keys of
// the tune for that phone's composer, and the filter's description says how
// to read them.
TEST_F(MainWindowOnDesktop, ANewUserPicksANokia3310AndSeesTheKeysOfTheTune) {
  const std::string tune = CAROLUNE_CORPUS_DIR "/imelody/imyplay/heaven.imy";
  ASSERT_TRUE(FileExists(tune));
  AddShippedFilters();
  TDialogAnswers answers;
  TfrmMain& w = Window();
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  ProcessEventsUntil([] { return false; }, 300ms);
  const QRect shown = ShownAt(w.winId());
  ASSERT_FALSE(shown.isEmpty());
  const auto onScreen = [&](const QWidget& widget, QPoint at) { return shown.topLeft() + widget.mapTo(&w, at); };

  // The tool bar's open button (the open dialog is answered here).
  answers.file = tune;
  const auto& open = Find<TToolButton>("ToolButton1");
  ASSERT_TRUE(ClickAt(onScreen(open, QPoint(open.Width() / 2, open.Height() / 2))));
  ASSERT_TRUE(ProcessEventsUntil([&] { return w.SourceFile() == tune; }, 5s));
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "");  // no phone chosen yet

  // The tab, by the place the strip draws it.
  TSkinTabControlTopPanel& strip = w.pgcTarget->Strip();
  const TRect tab = strip.Layout().TabRects.at(static_cast<size_t>(w.TargetSheet(ttKeyPress)->PageIndex()));
  ASSERT_TRUE(ClickAt(onScreen(strip, QPoint((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2))));
  ASSERT_TRUE(ProcessEventsUntil([&] { return w.pgcTarget->ActivePage() == w.TargetSheet(ttKeyPress); }, 5s));

  // Opens the list with a click and clicks the entry in it.
  const auto pick = [&](TSkinComboBox& list, const QString& entry) {
    ASSERT_TRUE(ClickAt(onScreen(list, QPoint(list.Width() / 2, list.Height() / 2))));
    QAbstractItemView& view = *list.Combo().view();
    ASSERT_TRUE(ProcessEventsUntil([&] { return view.isVisible(); }, 5s)) << entry.toStdString();
    const QRect item = view.visualRect(view.model()->index(list.Combo().findText(entry), 0));
    const QRect popup = ShownAt(view.window()->winId());
    ASSERT_TRUE(ClickAt(popup.topLeft() + view.viewport()->mapTo(view.window(), item.center())));
    ASSERT_TRUE(ProcessEventsUntil([&] { return !view.isVisible(); }, 5s)) << entry.toStdString();
    EXPECT_EQ(list.ComboText(), entry.toStdString());
  };
  pick(*w.PhonePages().cmbKpsMobile, "Nokia");
  pick(*w.PhonePages().cmbKpsModel, "3310");
  // "Heaven is a place on Earth": 2e, f, 8e, 8d, 8c, d, d, 8d, c in octave 6.
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "39* 4 38 28 18 2 2 28 1");
  EXPECT_EQ(w.PhonePages().lblKPSAuthorC->Caption(), "Carolune");
  ScreenShot("desktop-keypress-nokia-3310");

  w.Hide();
}
