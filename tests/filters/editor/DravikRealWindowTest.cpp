// The filter editor in a real window, as a person sees it: run on a private
// X server by tests/skin/frame-xvfb.sh (skipped on any other platform). It
// screenshots the X server with ImageMagick's import and leaves the shots
// under build/shots/ for people to look at: the new window, a filter opened
// on three of its panels, the edit commands' menu, the about box, and two
// copies of the program side by side.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include "DravikAboutFrm.h"
#include "EditorTestSupport.h"
#include "EventLoopWait.h"
#include "RealWindowShots.h"
#include "SkinButton.h"
#include "SkinMemo.h"

namespace {

class DravikRealWindow : public testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
  static QImage Screen(const QString& name) { return SettledScreenShot(name); }
  static void Expose(TForm& form) {
    form.Show();
    ASSERT_TRUE(form.windowHandle() && QTest::qWaitForWindowExposed(form.windowHandle()));
  }
};

}  // namespace

TEST_F(DravikRealWindow, TheEditorAsAPersonSeesIt) {
  TTempFolder folder;
  const std::string path = folder.Write(
      "siemens.mss",
      "DravikVersion=1.00.012\r\nFilterInfo_FilterVersion=1.2\r\nFilterInfo_FilterDesc=Siemens C35 screen\r\n"
      "FilterInfo_MobileBrand=siemens\r\nFilterInfo_MobileModel=C35\r\nFilterInfo_FilterType=0\r\n"
      "AuthorInfo_AuthorName=Ann Author\r\nDefaultOptions_Octave=1\r\nDefaultOptions_Sharp=1\r\n"
      "DefaultOptions_Duration=8\r\nDefaultOptions_DotDuration=0\r\nRemember_Octave=1\r\nRemember_Sharp=0\r\n"
      "Remember_Duration=1\r\nRemember_DotDuration=0\r\nNoteMapper_C=C\r\nDurationMapper_MapperType=2\r\n"
      "DurationMapper_1=1\r\nDurationMapper_2=2\r\nDurationMapper_4=4\r\nDurationMapper_ToLonger=>\r\n"
      "OctaveMapper_MapperType=0\r\nMapperOrder_1=4\r\nMapperOrder_2=2\r\nMapperOrder_3=0\r\nMapperOrder_4=1\r\n"
      "MapperOrder_5=3\r\n");
  TEditor e;
  Expose(*e.form);
  const QImage start = Screen("dravik-new");
  ASSERT_FALSE(start.isNull());
  // The frame's title bar is drawn by the window itself: no window system caption.
  EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");

  ASSERT_TRUE(e.form->SetFilterFile(path));
  e.Get<TSkinButton>("btnFilterInfo").Click();
  e.form->SetActiveControl(nullptr);
  Screen("dravik-filter-info");
  e.form->skinButton6Click(nullptr);
  Screen("dravik-duration-mapper");
  e.form->skinButton8Click(nullptr);
  Screen("dravik-mapper-order");
  EXPECT_EQ(e.FrontPanel(), "pnlMapperOrder");

  // The Edit menu while a read-only help memo has a selection.
  e.form->skinButton6Click(nullptr);
  auto& help = e.Get<TSkinMemo>("mmDurationMapperHelp");
  QApplication::setActiveWindow(e.form.get());
  help.Editor().setFocus();
  ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::focusWidget() == &help.Editor(); }, std::chrono::seconds(5)));
  help.SelectAll();
  Application().DoIdle();
  EXPECT_TRUE(e.form->actCopy->Enabled());
  EXPECT_FALSE(e.form->actCut->Enabled());
  QMenuBar& bar = e.form->skinForm1->MenuBar()->Bar();
  ASSERT_EQ(bar.actions().size(), 3);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(bar.actions()[1]).center());
  ASSERT_TRUE(ProcessEventsUntil([] { return QApplication::activePopupWidget() != nullptr; }, std::chrono::seconds(5)));
  Screen("dravik-edit-menu");
  QApplication::activePopupWidget()->close();

  TfrmDravikAbout about(nullptr);
  Expose(about);
  Screen("dravik-about");
  about.Hide();
}

// The standalone program: each start is an editor of its own on a new
// untitled filter, its window named for the task bar by its caption.
TEST_F(DravikRealWindow, TwoProgramsRunSideBySide) {
  const QString program = QString(CAROLUNE_BIN_DIR) + "/Dravik";
  ASSERT_TRUE(QFileInfo::exists(program));
  auto windows = [] {
    QProcess tree;
    tree.start("xwininfo", {"-root", "-tree"});
    tree.waitForFinished();
    // The window's name is the editor's caption and nothing more.
    return QString::fromLocal8Bit(tree.readAllStandardOutput()).count("\"Carolune Dravik - untitled\"");
  };
  QProcess first, second;
  for (QProcess* p : {&first, &second}) {
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(program, {});
    ASSERT_TRUE(p->waitForStarted());
  }
  const bool shown = ProcessEventsUntil([&] { return windows() >= 2; }, std::chrono::seconds(20));
  Screen("dravik-two-programs");
  EXPECT_TRUE(shown);
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_EQ(second.state(), QProcess::Running);
  for (QProcess* p : {&first, &second}) {
    p->terminate();
    EXPECT_TRUE(p->waitForFinished(10000));
  }
}
