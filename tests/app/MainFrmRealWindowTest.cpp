// The main window in a real window, as a person sees it: run on a private
// X server by tests/skin/frame-xvfb.sh (skipped on any other platform). It
// screenshots the X server with ImageMagick's import and leaves the shots
// under build/shots/: the window at start, an RTTTL tune converted to
// iMelody, the ScreenShow page through a chosen phone, a MIDI tune twelve
// seconds into its preview, the File menu with the recent files, a long
// tune's RTTTL text wrapped to a wide and to a narrow window, a line of
// 3,000 characters wrapped on every page, a tool bar button's hint, the
// status bar, the position bar after a drag, a filter's long description on
// a wide and on a narrow page, and the phone lists after a reload.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>
#include <QWindow>

#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinStatusBar.h"
#include "skin/SkinTrackBar.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/MidiTunes.h"
#include "tests/support/RealWindowShots.h"
#include "windowing/BitmapResources.h"
#include "windowing/Label.h"
#include "windowing/Timer.h"
#include "windowing/ToolButton.h"

namespace {

class MainWindowRealWindow : public MainWindowTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
  static QImage Screen(const QString& name) { return SettledScreenShot(name); }
  // The window on the screen, active.
  TfrmMain& Shown() {
    TfrmMain& w = Window();
    w.Show();
    EXPECT_TRUE(w.windowHandle() && QTest::qWaitForWindowExposed(w.windowHandle()));
    QApplication::setActiveWindow(&w);
    return w;
  }
  // What the screen shows of the control.
  static QImage Part(const QImage& shot, const TControl& control) {
    return shot.copy(QRect(control.mapToGlobal(QPoint(0, 0)), control.size()));
  }
  // Rows and columns of the picture that hold dark text: the bounding box of its ink.
  static QRect Ink(const QImage& picture) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (qGray(picture.pixel(x, y)) < 110) ink |= QRect(x, y, 1, 1);
    return ink;
  }
};

}  // namespace

TEST_F(MainWindowRealWindow, TheMainWindowAsAPersonSeesIt) {
  AddShippedFilters();
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
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text().rfind("BEGIN:IMELODY", 0), 0u);
  Screen("main-rtttl-imelody");

  w.pgcTarget->SetActivePage(w.TargetSheet(ttScreenShow));
  w.PhonePages().cmbMMSMobile->SetItemIndex(w.PhonePages().cmbMMSMobile->Items().IndexOf("Nokia"));
  w.cmbMMSMobileChange(w.PhonePages().cmbMMSMobile);
  EXPECT_EQ(w.TargetMemo(ttScreenShow)->Text(), "4c1 4d1 4e1 8f1 8g1 4a1 4b1 4c2");
  Screen("main-screenshow");

  w.OpenFile(ttMIDI, WriteFile("sixty-five seconds.mid", SixtyFiveSecondFile()));
  w.Preview().btnMIDIPlay->Click();
  w.Preview().Player().RenderSilently(12000);
  w.Preview().tmMIDIPlayer->OnTimer(w.Preview().tmMIDIPlayer);
  EXPECT_EQ(w.Preview().gbPlayMIDI->Caption(), "01:05 - 00:12");
  w.Preview().tbVoiceLevel->SetPosition(60);
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
  w.pgcTarget->SetActivePage(w.TargetSheet(ttRTTTL));
  QPlainTextEdit& editor = w.TargetMemo(ttRTTTL)->Editor();
  // Every shown line fits the page, and the lines are the whole text.
  auto shownLinesFit = [&] {
    const QFontMetricsF metrics(editor.font());
    const qreal width = editor.viewport()->width() - 2 * editor.document()->documentMargin();
    QString shown;
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next()) {
      if (metrics.horizontalAdvance(b.text()) > width) return false;
      shown += b.text();
    }
    return shown.toStdString() == w.TargetMemo(ttRTTTL)->Text();
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

// A tune of one line of 3,000 characters on every memo that shows it: the
// source, each target page it has and the phone pages' keys and screen.
// Each wraps the line at its edge, so every character lies within the
// memo's width and the line goes on in the rows below.
TEST_F(MainWindowRealWindow, EveryTuneMemoWrapsALongLineAtItsEdge) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  AddFilter("n.mss", 0, "Nokia", "3310");
  CaroluneOption->IsSetDefaultMobile = true;
  CaroluneOption->DefaultBrand = "Nokia";
  CaroluneOption->DefaultModel = "3310";
  TfrmMain& w = Shown();
  std::string tune = "Long:d=4,o=5,b=140:";
  const char* const tones[] = {"8c6,", "8d6,", "e,", "8f,", "g.,", "16a#,"};
  for (size_t i = 0; tune.size() <= 3000; ++i) tune += tones[i % std::size(tones)];
  tune.pop_back();  // the last comma
  w.OpenFile(ttRTTTL, WriteFile("long.rtx", tune + "\r\n"));

  // Every laid-out row of the memo's text fits the width its text has.
  auto rowsFit = [](const QPlainTextEdit& editor) {
    const qreal width = editor.viewport()->width() - 2 * editor.document()->documentMargin();
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next())
      for (int i = 0; b.layout() && i < b.layout()->lineCount(); ++i)
        if (b.layout()->lineAt(i).naturalTextWidth() > width + 1) return false;
    return editor.horizontalScrollBar()->maximum() == 0;
  };
  // The longest line of the text takes a second row on the screen, which
  // shows ink there: the line goes on below.
  auto goesOnInASecondRow = [](const QImage& screen, const QPlainTextEdit& editor, const QTextBlock& line) {
    const QPoint origin = editor.viewport()->mapToGlobal(QPoint(0, 0));
    const int row = QFontMetrics(editor.font()).lineSpacing();
    const int top = editor.cursorRect(QTextCursor(line)).top();
    if (line.next().isValid() && editor.cursorRect(QTextCursor(line.next())).top() < top + 2 * row) return false;
    const QRgb paper = screen.pixel(origin.x() + editor.viewport()->width() - 2, origin.y() + 1);
    for (int y = origin.y() + top + row; y < origin.y() + top + 2 * row; ++y)
      for (int x = origin.x() + 4; x < origin.x() + editor.viewport()->width() - 4; ++x)
        if (qGray(screen.pixel(x, y)) + 60 < qGray(paper)) return true;
    return false;
  };
  struct TTuneMemo {
    TSkinMemo* memo;
    TSkinTabSheet* page;  // null: the source memo, always shown
    const char* shot;
  };
  const TTuneMemo memos[] = {{w.mmRTTTLSource, nullptr, "main-long-line-source"},
                             {w.TargetMemo(ttiMelody), w.TargetSheet(ttiMelody), "main-long-line-imelody"},
                             {w.TargetMemo(tteMelody), w.TargetSheet(tteMelody), "main-long-line-emelody"},
                             {w.TargetMemo(ttComposer), w.TargetSheet(ttComposer), "main-long-line-composer"},
                             {w.TargetMemo(ttKeyPress), w.TargetSheet(ttKeyPress), "main-long-line-keypress"},
                             {w.TargetMemo(ttScreenShow), w.TargetSheet(ttScreenShow), "main-long-line-screenshow"}};
  for (const TTuneMemo& m : memos) {
    if (m.page) w.pgcTarget->SetActivePage(m.page);
    const QPlainTextEdit& editor = m.memo->Editor();
    // A line of the text is longer than the memo is wide.
    QTextBlock longest = editor.document()->begin();
    for (QTextBlock b = longest; b.isValid(); b = b.next())
      if (b.length() > longest.length()) longest = b;
    ASSERT_GT(QFontMetricsF(editor.font()).horizontalAdvance(longest.text()), editor.viewport()->width()) << m.shot;
    EXPECT_TRUE(ProcessEventsUntil([&] { return rowsFit(editor); }, std::chrono::seconds(5))) << m.shot;
    EXPECT_TRUE(goesOnInASecondRow(Screen(m.shot), editor, longest)) << m.shot;
  }
  w.Hide();
}

// A person rests the pointer on a tool bar button: its hint shows.
TEST_F(MainWindowRealWindow, ToolBarButtonsShowTheirHints) {
  Shown();
  auto& open = Find<TToolButton>("ToolButton1");
  // The pointer itself moves there, as a person moves it.
  QCursor::setPos(open.mapToGlobal(QPoint(open.Width() / 2, open.Height() / 2)));
  ASSERT_TRUE(ProcessEventsUntil([] { return QToolTip::isVisible(); }, std::chrono::seconds(10)));
  EXPECT_EQ(QToolTip::text(), "Open file");
  Screen("main-tool-bar-hint");
  QCursor::setPos(0, 0);
  QToolTip::hideText();
}

// The status bar's right panel ends before the size grip: its text shows
// to the last letter, and nothing but the grip lies in the corner.
TEST_F(MainWindowRealWindow, TheStatusTextEndsBeforeTheSizeGrip) {
  TfrmMain& w = Shown();
  const QImage bar = Part(Screen("main-status-bar"), *w.stbMain);
  const QImage grip = LoadBitmapResource("STATUSBAR_HANDLE");
  const QRgb key = grip.pixel(0, grip.height() - 1);
  const int width = bar.width(), height = bar.height(), free = grip.width() + 2;
  int strays = 0;
  for (int y = 0; y < height; ++y)
    for (int x = width - free; x < width; ++x) {
      const QPoint g(x - (width - grip.width() - 1), y - (height - grip.height() - 1));
      const bool onGrip = grip.rect().contains(g) && grip.pixel(g) != key;
      strays += QRgbToColor(bar.pixel(x, y)) != (onGrip ? QRgbToColor(grip.pixel(g)) : w.stbMain->PanelColor());
    }
  EXPECT_EQ(strays, 0);
  int ink = 0;  // the text's rightmost column
  for (int y = 3; y < height - 1; ++y)
    for (int x = width / 2; x < width - free; ++x)
      if (qGray(bar.pixel(x, y)) < 100) ink = std::max(ink, x);
  EXPECT_GT(ink, width - free - 8);
}

// Dragging the position bar's slider and going on to another control: the
// slider's see-through corners show the bar as it is, without the focus
// dots it had while the bar held the focus.
TEST_F(MainWindowRealWindow, ADraggedSliderKeepsNoFocusDots) {
  TfrmMain& w = Shown();
  w.OpenFile(ttMIDI, WriteFile("sixty-five seconds.mid", SixtyFiveSecondFile()));
  TSkinTrackBar& bar = *w.Preview().tbPlayMIDI;
  auto& slider = *static_cast<QWidget*>(bar.Controls(0));
  const QPoint grab(slider.width() / 2, slider.height() / 2);
  QTest::mousePress(&slider, Qt::LeftButton, {}, grab);
  for (int dx : {20, 60, 120}) QTest::mouseMove(&slider, grab + QPoint(dx, 0));
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.mapFromGlobal(bar.mapToGlobal(QPoint(grab.x() + 120, 0))));
  ASSERT_GT(bar.Position(), 0);
  ASSERT_TRUE(bar.hasFocus());
  Screen("main-position-dragged");
  w.Preview().btnMIDIPlay->SetFocus();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !bar.hasFocus(); }, std::chrono::seconds(5)));
  const QImage shown = Part(Screen("main-position-focus-gone"), bar);
  // The bar drawn afresh: what the screen should show.
  const QImage fresh = bar.grab().toImage();
  ASSERT_EQ(shown.size(), fresh.size());
  int stale = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) stale += QRgbToColor(shown.pixel(x, y)) != QRgbToColor(fresh.pixel(x, y));
  EXPECT_EQ(stale, 0);
}

// A filter's long description reads whole on its phone page: in a window
// as wide as the screen it runs on past where it was cut before, in a
// narrow one it wraps, and the page's text starts below its last line.
TEST_F(MainWindowRealWindow, AFiltersDescriptionTakesThePagesWidthAndWraps) {
  const std::string description =
      "Keys as the Nokia 3310 composer takes them: 1 to 7 for the notes, 0 for a rest, * for the octave, # for sharps";
  TStringList filter;
  const std::string path = AddFilter("n.kps", 1, "Nokia", "3310");
  filter.LoadFromFile(path);
  filter.SetValues("FilterInfo_FilterDesc", description);
  filter.SaveToFile(path);
  TfrmMain& w = Shown();
  w.SetBounds(0, 0, 1020, 700);
  w.pgcTarget->SetActivePage(w.TargetSheet(ttKeyPress));
  TPhonePages& p = w.PhonePages();
  p.cmbKpsMobile->SetItemIndex(0);
  w.cmbKpsMobileChange(p.cmbKpsMobile);
  const TLabel& desc = *p.lblKPSDescC;
  ASSERT_EQ(desc.Caption(), description);
  const TSkinTabSheet& sheet = *w.TargetSheet(ttKeyPress);
  const TSkinMemo& memo = *w.TargetMemo(ttKeyPress);
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(desc.Font());
  const int line = canvas.TextHeight("W");

  EXPECT_EQ(desc.Left() + desc.Width(), sheet.Width() - 8);
  EXPECT_EQ(desc.Height(), line);
  EXPECT_EQ(memo.Top(), 80);
  // The words run on past the old cut, 400 pixels from the label's left.
  const QRect wide = Ink(Part(Screen("main-description-wide"), desc));
  EXPECT_GT(wide.right(), 400 + canvas.TextWidth("W"));
  EXPECT_LE(wide.height(), line);

  w.SetBounds(0, 0, 520, 700);
  ASSERT_TRUE(ProcessEventsUntil([&] { return desc.Height() > line; }, std::chrono::seconds(5)));
  EXPECT_EQ(desc.Left() + desc.Width(), sheet.Width() - 8);
  EXPECT_GE(memo.Top(), desc.Top() + desc.Height());
  // Every line the label takes shows words, and the last lies above the text.
  const QImage narrow = Part(Screen("main-description-narrow"), desc);
  for (int top = 0; top + line <= desc.Height(); top += line)
    EXPECT_FALSE(Ink(narrow.copy(0, top, narrow.width(), line)).isEmpty()) << "line at " << top;
  EXPECT_LT(desc.mapToGlobal(QPoint(0, Ink(narrow).bottom())).y(), memo.mapToGlobal(QPoint(0, 0)).y());
}

// The phone lists after a reload with no default phone, as a person sees
// them: as empty as before any phone was chosen.
TEST_F(MainWindowRealWindow, AReloadShowsThePhoneListsWithoutAChoice) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  TfrmMain& w = Shown();
  w.OpenFile(ttRTTTL, WriteFile("tune.rtx", "Tune:d=4,o=5,b=140:c,d,e\r\n"));
  w.pgcTarget->SetActivePage(w.TargetSheet(ttKeyPress));
  TPhonePages& p = w.PhonePages();
  const auto lists = [&](const QString& name) {
    const QImage shot = Screen(name);
    return std::pair(Part(shot, *p.cmbKpsMobile), Part(shot, *p.cmbKpsModel));
  };
  const auto unchosen = lists("main-phone-unchosen");
  p.cmbKpsMobile->SetItemIndex(0);
  w.cmbKpsMobileChange(p.cmbKpsMobile);
  ASSERT_FALSE(w.TargetMemo(ttKeyPress)->Text().empty());
  EXPECT_NE(lists("main-phone-chosen"), unchosen);
  AddFilter("s.kps", 1, "Sagem", "MC940");
  ASSERT_TRUE(ProcessEventsUntil([&] { return p.cmbKpsMobile->Count() == 2; }));
  EXPECT_EQ(lists("main-phone-after-reload"), unchosen);
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "");
}
