// The main window in a real window, as a person sees it: run on a private
// X server by tests/skin/frame-xvfb.sh (skipped on any other platform). It
// screenshots the X server with ImageMagick's import and leaves the shots
// under build/shots/: the window at start, an RTTTL tune converted to
// iMelody, the ScreenShow page through a chosen phone, a MIDI tune twelve
// seconds into its preview, and the File menu with the recent files.
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "EventLoopWait.h"
#include "MainWindowFixture.h"
#include "MidiTunes.h"
#include "RealWindowShots.h"
#include "ShippedFilters.h"
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
  for (const auto& filter : ShippedFilterFiles())
    QFile::copy(QString::fromStdString(filter.string()),
                QString::fromStdString(FiltersFolder() + "/" + filter.filename().string()));
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

  w.pgcTarget->SetActivePage(w.tsScreenShow);
  w.cmbMMSMobile->SetItemIndex(w.cmbMMSMobile->Items().IndexOf("Nokia"));
  w.cmbMMSMobileChange(w.cmbMMSMobile);
  EXPECT_EQ(w.mmScreenShow->Text(), "4c1 4d1 4e1 8f1 8g1 4a1 4b1 4c2");
  Screen("main-screenshow");

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
