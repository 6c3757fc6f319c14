// The filter editor in a real window, as a person sees it: run on a private
// X server by tests/skin/frame-xvfb.sh (skipped on any other platform). It
// screenshots the X server with ImageMagick's import and leaves the shots
// under build/shots/ for people to look at: the new window, a filter opened
// on three of its panels, the edit commands' menu, the about box, two
// copies of the program side by side, and the controls a person works with
// the keyboard and the mouse.
#include <gtest/gtest.h>

#include <QDir>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include "filters/DravikAboutFrm.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinMemo.h"
#include "skin/SkinTreeView.h"
#include "tests/filters/editor/EditorTestSupport.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/RealWindowShots.h"

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
  // Gives the widget the keyboard focus in its active window.
  static void Focus(QWidget& widget) {
    QApplication::setActiveWindow(widget.window());
    widget.setFocus();
    ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::focusWidget() == &widget; }, std::chrono::seconds(5)));
  }
  // What the screen shows of the widget.
  static QImage Part(const QImage& shot, const QWidget& widget) {
    return shot.copy(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()));
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

// Typing into the description and moving through it with the keys: the
// skinned bar beside it shows where the text stands at every step.
TEST_F(DravikRealWindow, TheDescriptionsScrollBarFollowsTheKeys) {
  TEditor e;
  Expose(*e.form);
  e.Get<TSkinButton>("btnFilterInfo").Click();
  TSkinMemo& memo = *e.form->mmFilterDesc;
  auto& bar = e.Get<TSkinScrollBar>("sbFilterDesc");
  const QScrollBar& native = *memo.Editor().verticalScrollBar();
  Focus(memo.Editor());
  for (int i = 0; i < 40; ++i) {
    QTest::keyClicks(&memo.Editor(), QString("line %1").arg(i));
    QTest::keyClick(&memo.Editor(), Qt::Key_Return);
  }
  ASSERT_GT(native.value(), 0);  // scrolled to the caret
  EXPECT_EQ(bar.Max(), native.maximum());
  EXPECT_EQ(bar.Position(), native.value());
  // Each key leaves the text at its top or scrolled down from it.
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool atTop;
    const char* shot;
  } keys[] = {{Qt::Key_Home, Qt::ControlModifier, true, "dravik-description-top"},
              {Qt::Key_PageDown, Qt::NoModifier, false, nullptr},
              {Qt::Key_Down, Qt::NoModifier, false, nullptr},
              {Qt::Key_End, Qt::ControlModifier, false, "dravik-description-end"},
              {Qt::Key_PageUp, Qt::NoModifier, false, nullptr},
              {Qt::Key_Up, Qt::NoModifier, false, nullptr},
              {Qt::Key_Home, Qt::ControlModifier, true, nullptr}};
  for (const auto& k : keys) {
    QTest::keyClick(&memo.Editor(), k.key, k.modifiers);
    QCoreApplication::processEvents();
    EXPECT_EQ(native.value() == 0, k.atTop) << k.key;
    EXPECT_EQ(bar.Position(), native.value()) << k.key;
    if (k.shot) Screen(k.shot);
  }
  // At the top, the bar's up arrow leaves the text at its top.
  bar.StepBack();
  EXPECT_EQ(native.value(), 0);
}

// The drop-down list with the focus shows a dotted ring round its text, as
// the edits and buttons show theirs; without the focus it shows none.
TEST_F(DravikRealWindow, AFocusedDropDownListShowsAFocusRing) {
  TEditor e;
  Expose(*e.form);
  e.Get<TSkinButton>("btnFilterInfo").Click();
  TSkinComboBox& list = *e.form->ccmbFilterType;
  Focus(e.form->edtFilterVersion->Editor());
  const QImage without = Part(Screen("dravik-list-unfocused"), list);
  Focus(list.Combo());
  const QImage with = Part(Screen("dravik-list-focused"), list);
  // The text field's top row is dotted; the rings and the button stay.
  const TRect button = list.ButtonRect();
  int dots = 0;
  for (int x = 3; x < button.Left - 1; ++x) dots += with.pixel(x, 3) != without.pixel(x, 3);
  EXPECT_GE(dots, (button.Left - 4) / 2 - 1);
  for (int x = 0; x < list.Width(); ++x) {
    EXPECT_EQ(with.pixel(x, 0), without.pixel(x, 0)) << x;
    EXPECT_EQ(with.pixel(x, list.Height() - 1), without.pixel(x, list.Height() - 1)) << x;
  }
  EXPECT_EQ(with.copy(ToQRect(button)), without.copy(ToQRect(button)));
}

// "Remember State Options" is wider than the category tree: it shows whole
// and the tree scrolls sideways to it.
TEST_F(DravikRealWindow, ALongCategoryNameShowsWholeAndTheTreeScrollsSideways) {
  TEditor e;
  Expose(*e.form);
  QTreeWidget& tree = e.form->tvCate->Tree();
  const QList<QTreeWidgetItem*> found = tree.findItems("Remember State Options", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  EXPECT_GE(tree.visualItemRect(found[0]).width(), tree.fontMetrics().horizontalAdvance("Remember State Options"));
  QScrollBar& sideways = *tree.horizontalScrollBar();
  EXPECT_TRUE(sideways.isVisible());
  ASSERT_GT(sideways.maximum(), 0);
  Screen("dravik-tree");
  sideways.setValue(sideways.maximum());
  Screen("dravik-tree-scrolled-sideways");
}

// The order buttons look different where they cannot move the selected
// mapper (disabled) from where they can.
TEST_F(DravikRealWindow, TheOrderButtonsLookDisabledWhereTheyCannotMove) {
  TEditor e;
  Expose(*e.form);
  e.form->skinButton8Click(nullptr);
  QCursor::setPos(0, 0);  // no button is under the pointer
  TSkinListBox& list = *e.form->lbMapperOrderMain;
  TSkinImageButton& up = *e.form->btnMapperOrderUpper;
  TSkinImageButton& down = *e.form->btnMapperOrderDowner;
  auto select = [&](int index, const char* shot) {
    list.SetItemIndex(index);
    e.form->lbMapperOrderMainClick(&list);
    return Screen(shot);
  };
  const QImage middle = select(2, "dravik-order-both-enabled");
  ASSERT_TRUE(up.Enabled() && down.Enabled());
  const QImage top = select(0, "dravik-order-up-disabled");
  ASSERT_FALSE(up.Enabled());
  EXPECT_NE(Part(top, up), Part(middle, up));
  EXPECT_EQ(Part(top, down), Part(middle, down));
  const QImage bottom = select(4, "dravik-order-down-disabled");
  ASSERT_FALSE(down.Enabled());
  EXPECT_NE(Part(bottom, down), Part(middle, down));
  EXPECT_EQ(Part(bottom, up), Part(middle, up));
}
