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
#include <vector>

#include "app/PhonePages.h"
#include "filters/DravikFrm.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinForm.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinToolBar.h"
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

// Tab from the source memo walks only the controls a person sees: the
// source panels stacked behind the one in front take no turn, so each press
// puts the focus on a control that the screen shows where it stands, the
// first press on the next one. The walk comes round to the memo again, and
// Shift+Tab steps back.
TEST_F(MainWindowOnDesktop, TabWalksOnlyTheControlsAPersonSees) {
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, WriteFile("tune.rtx", "Tune:d=4,o=5,b=140:c,d,e,8f,8g,a,b,c6\r\n"));
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  ProcessEventsUntil([] { return false; }, 300ms);
  QWidget& source = w.mmRTTTLSource->Editor();
  ASSERT_TRUE(ClickAt(source.mapToGlobal(QPoint(20, 10))));
  ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::focusWidget() == &source; }, 5s));

  // The screen shows the widget at its own centre, not a control in front of it.
  auto seen = [](QWidget* widget) {
    if (!widget) return false;
    QWidget* at = QApplication::widgetAt(widget->mapToGlobal(widget->rect().center()));
    return at && (at == widget || widget->isAncestorOf(at));
  };
  std::vector<QWidget*> walked;
  for (int press = 0; press < 40; ++press) {
    ASSERT_TRUE(PressKeys("Tab"));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(seen(focus)) << "press " << press + 1 << " put the focus on "
                             << (focus ? focus->metaObject()->className() : "nothing");
    if (focus == &source) break;
    walked.push_back(focus);
    if (walked.size() <= 3) ScreenShot(QString("desktop-main-tab-%1").arg(walked.size()));
  }
  EXPECT_EQ(QApplication::focusWidget(), &source);
  ASSERT_FALSE(walked.empty());
  ASSERT_TRUE(PressKeys("Tab"));
  EXPECT_EQ(QApplication::focusWidget(), walked.front());
  ASSERT_TRUE(PressKeys("shift+Tab"));
  EXPECT_EQ(QApplication::focusWidget(), &source);
  w.Hide();
}

// The tool bar's Dravik button opens the modal filter editor; the pointer
// leaves it for the editor, which is closed there. The button is drawn as
// it was before the pointer came, not hot, without the pointer passing
// over it again.
TEST_F(MainWindowOnDesktop, AToolButtonIsNotHotAfterTheModalWindowItOpenedCloses) {
  TfrmMain& w = Window();
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  TToolButton* editorButton = nullptr;
  for (int i = 0; i < w.skinToolBar1->ButtonCount(); ++i)
    if (w.skinToolBar1->Buttons(i)->Action() == w.actFilterEditor) editorButton = w.skinToolBar1->Buttons(i);
  ASSERT_NE(editorButton, nullptr);
  TToolButton& button = *editorButton;
  const QRect onScreen(button.mapToGlobal(QPoint(0, 0)), button.size());
  const QPoint away = w.mapToGlobal(QPoint(w.Width() / 2, w.Height() - 60));
  ASSERT_TRUE(Xdo(QStringList{"mousemove"} + XdoPoint(away)));
  const QImage before = SettledScreenShot("desktop-main-tool-button-before").copy(onScreen);

  TModalAnswers<TfrmDravik> editor({[&](TfrmDravik& shown) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.windowHandle()));
    EXPECT_TRUE(Xdo(QStringList{"mousemove"} + XdoPoint(away)));
    ScreenShot("desktop-main-tool-button-editor");
    shown.Close();
  }});
  ASSERT_TRUE(ClickAt(onScreen.center()));
  ASSERT_TRUE(ProcessEventsUntil([&] { return editor.Answered() == 1; }, 10s));
  const QImage after = SettledScreenShot("desktop-main-tool-button-after").copy(onScreen);
  EXPECT_FALSE(button.Hot());
  EXPECT_TRUE(after == before);
  w.Hide();
}
