// The main window in a real window, as a person sees it: run on a private
// X server by tests/skin/frame-xvfb.sh (skipped on any other platform). It
// screenshots the X server with ImageMagick's import and leaves the shots
// under build/shots/: the window at start, an RTTTL tune converted to
// iMelody, the KeyPress page through a chosen phone, a MIDI tune twelve
// seconds into its preview, the File menu with the recent files, and a
// long tune's RTTTL text wrapped to a wide and to a narrow window.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QWindow>

#include "EventLoopWait.h"
#include "MainWindowFixture.h"
#include "MidiTunes.h"
#include "RealWindowShots.h"
#include "SkinButton.h"
#include "SkinComboBox.h"
#include "SkinForm.h"
#include "SkinGroupBox.h"
#include "SkinMemo.h"
#include "SkinPageControl.h"
#include "SkinTrackBar.h"
#include "Timer.h"

namespace {

class MainWindowRealWindow : public MainWindowTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
  static QImage Screen(const QString& name) { return SettledScreenShot(name); }
};

}  // namespace

TEST_F(MainWindowRealWindow, TheMainWindowAsAPersonSeesIt) {
  QDir().mkpath(QString::fromStdString(FiltersFolder()));
  for (const char* name : {"Nokia3310.kps", "EricssonT28.kps", "Nokia3310.mss"})
    QFile::copy(QString(CAROLUNE_SOURCE_DIR) + "/filters/Filters/" + name,
                QString::fromStdString(FiltersFolder() + "/" + name));
  CaroluneOption->AddRecentFile("/home/user/tunes/Tom & Jerry.mid");
  TfrmMain& w = Window();
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  const QImage start = Screen("main-start");
  ASSERT_FALSE(start.isNull());
  // The window is centred on the desktop and draws its own frame: a black border.
  const QRect frame(w.Left(), w.Top(), w.Width(), w.Height());
  EXPECT_EQ(frame.center().x() / 10, start.width() / 2 / 10);
  EXPECT_EQ(QRgbToColor(start.pixel(frame.left(), frame.center().y())), clBlack);

  // Ctrl+O in the window: the open dialog (answered here) opens the tune.
  TDialogAnswers answers;
  answers.file = WriteFile("tune.rtx", "Tune:d=4,o=5,b=140:c,d,e,8f,8g,a,b,c6\r\n");
  QApplication::setActiveWindow(&w);
  QTest::keyClick(w.windowHandle(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_TRUE(ProcessEventsUntil([&] { return w.SourceFile() == answers.file; }, std::chrono::seconds(5)));
  w.pgcTarget->SetActivePage(w.tsiMelody);
  EXPECT_EQ(w.mmiM->Text().rfind("BEGIN:IMELODY", 0), 0u);
  Screen("main-rtttl-imelody");

  w.pgcTarget->SetActivePage(w.tsKeypress);
  w.cmbKpsMobile->SetItemIndex(w.cmbKpsMobile->Items().IndexOf("Nokia"));
  w.cmbKpsMobileChange(w.cmbKpsMobile);
  EXPECT_FALSE(w.mmKeyPress->Text().empty());
  Screen("main-keypress");

  w.OpenFile(ttMIDI, WriteFile("sixty-five seconds.mid", SixtyFiveSecondFile()));
  w.btnMIDIPlay->Click();
  w.Player().RenderSilently(12000);
  w.tmMIDIPlayer->OnTimer(w.tmMIDIPlayer);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:12");
  w.tbVoiceLevel->SetPosition(60);
  Screen("main-midi-playing");

  QMenuBar& bar = w.skinForm1->MenuBar()->Bar();
  ASSERT_EQ(bar.actions().size(), 5);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(bar.actions()[0]).center());
  ASSERT_TRUE(ProcessEventsUntil([] { return QApplication::activePopupWidget() != nullptr; }, std::chrono::seconds(5)));
  Screen("main-file-menu");
  QApplication::activePopupWidget()->close();
  w.Hide();
}

// A long tune's text as a person reads it: wrapped to the page in lines
// that fill its width, and wrapped again when the window gets narrower.
TEST_F(MainWindowRealWindow, ALongTunesTextFillsThePageLineByLine) {
  TfrmMain& w = Window();
  w.Show();
  ASSERT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
  w.OpenFile(ttMIDI, WriteFile("long.mid", GeneratedMidi(20000)));
  w.pgcTarget->SetActivePage(w.tsRTTTL);
  QPlainTextEdit& editor = w.mmRTTTL->Editor();
  // Every shown line fits the page, and the lines are the whole text.
  auto shownLinesFit = [&] {
    const QFontMetricsF metrics(editor.font());
    const qreal width = editor.viewport()->width() - 2 * editor.document()->documentMargin();
    QString shown;
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next()) {
      if (metrics.horizontalAdvance(b.text()) > width) return false;
      shown += b.text();
    }
    return shown.toStdString() == w.mmRTTTL->Text();
  };
  // The first shown line has text in the right quarter of the page.
  auto firstLineReachesTheRight = [&](const QImage& screen) {
    const QPoint origin = editor.viewport()->mapToGlobal(QPoint(0, 0));
    const int right = editor.viewport()->width(), height = QFontMetrics(editor.font()).height();
    const QRgb paper = screen.pixel(origin.x() + right - 2, origin.y() + 2);
    for (int y = origin.y() + 2; y < origin.y() + 4 + height; ++y)
      for (int x = origin.x() + right * 3 / 4; x < origin.x() + right - 4; ++x)
        if (qGray(screen.pixel(x, y)) + 60 < qGray(paper)) return true;
    return false;
  };
  ASSERT_TRUE(ProcessEventsUntil(shownLinesFit, std::chrono::seconds(10)));
  EXPECT_GT(editor.blockCount(), 100);
  EXPECT_TRUE(firstLineReachesTheRight(Screen("main-long-rtttl")));

  const int wideLines = editor.blockCount();
  w.SetBounds(w.Left(), w.Top(), 420, w.Height());
  ASSERT_TRUE(ProcessEventsUntil([&] { return editor.blockCount() > wideLines && shownLinesFit(); },
                                 std::chrono::seconds(10)));
  EXPECT_TRUE(firstLineReachesTheRight(Screen("main-long-rtttl-narrow")));
  w.Hide();
}
