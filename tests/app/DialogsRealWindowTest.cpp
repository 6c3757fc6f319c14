// The dialogs in real windows, as a person uses them: run by
// tests/skin/frame-xvfb.sh on a private X server without a window manager
// (skipped on any other platform). What the X server shows is read back
// with ImageMagick's import and left under build/shots/ to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QWindow>
#include <utility>

#include "app/AboutFrm.h"
#include "app/ImportFilterFrm.h"
#include "app/OptionFrm.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinDlg.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGrid.h"
#include "skin/SkinTreeView.h"
#include "skin/frmMessage.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/support/RealWindowShots.h"
#include "windowing/Label.h"

namespace {

class DialogsRealWindow : public testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see tests/skin/frame-xvfb.sh)";
  }

  // What the screen shows once the form is on it and every window is
  // painted (two screenshots in a row agree), saved under name; the pixel
  // at the form's bottom-left corner (its border) is black.
  static QImage Screen(TForm& form, const QString& name) {
    EXPECT_TRUE(form.windowHandle() && QTest::qWaitForWindowExposed(form.windowHandle()));
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible()) window->repaint();
    const QPoint corner = form.mapToGlobal(QPoint(0, form.height() - 1));
    QImage shot, before;
    ProcessEventsUntil(
        [&] {
          before = std::exchange(shot, ScreenShot(name));
          return !shot.isNull() && shot == before && QRgbToColor(shot.pixel(corner)) == clBlack;
        },
        std::chrono::seconds(10));
    EXPECT_FALSE(shot.isNull());
    return shot;
  }
  static TColor ScreenPixel(const QImage& shot, const QWidget& widget, QPoint p) {
    return QRgbToColor(shot.pixel(widget.mapToGlobal(p)));
  }
};

// A person manages the filters: the ScreenShow filters come up, a click on
// a row shows its details, Delete asks and removes it, the KeyPress node
// without filters shows an empty row.
TEST_F(DialogsRealWindow, ManagingFiltersInTheOptionsDialog) {
  TDialogFolder folder;
  folder.WriteFilter("a.mss", {0, "Nokia", "3310", "Ann Author", "Composer screen of the 3310"});
  const std::string doomed = folder.WriteFilter("b.mss", {0, "Siemens", "C55", "Bob", "Melody editor"});
  auto options = folder.OpenOptions();
  TMainWindowLists lists;
  lists.Load(folder.FiltersFolder());
  const auto made = lists.OptionsDialog(*options);
  TfrmOptions& dialog = *made;

  std::string question;
  const TSkinMessageFormHook previous = SetSkinMessageFormHook([&](TfrmMsg& box) {
    Screen(box, "xvfb-options-delete-question");
    question = box.lbl->Caption();
    ClickButton(*box.Buttons().at(0));
  });
  TModalAnswers<TfrmOptions> answers({[&](TfrmOptions& shown) {
    const QImage shot = Screen(shown, "xvfb-options-screenshow");
    QTableWidget& table = shown.grdList->Table();
    // The heading row in the Crystal style's heading colour.
    EXPECT_EQ(ScreenPixel(shot, *table.horizontalHeader(), QPoint(3, 3)), 0xC4302D);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(table.model()->index(1, 1)).center());
    EXPECT_EQ(shown.lblBrandC->Text(), "Siemens");
    Screen(shown, "xvfb-options-row-chosen");
    ClickButton(*shown.btnDel);
    EXPECT_EQ(shown.grdList->Cells(1, 1), "Nokia");
    EXPECT_EQ(shown.grdList->RowCount(), 2);
    QTreeWidget& tree = shown.tvCate->Tree();
    const QTreeWidgetItem* keyPressNode = tree.topLevelItem(2)->child(1);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(keyPressNode).center());
    EXPECT_TRUE(shown.IsKeyPressGrid);
    Screen(shown, "xvfb-options-keypress");
    EXPECT_EQ(shown.grdList->Cells(1, 1), "");
    // The default phone: ticked, and the brand chosen by key.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(tree.topLevelItem(0)).center());
    ClickButton(*shown.cbxDefaultMobile);
    shown.cbxBrandList->SetFocus();
    QTest::keyClick(&shown.cbxBrandList->Combo(), Qt::Key_Down);
    EXPECT_EQ(shown.cbxModelList->ComboText(), "3310");
    Screen(shown, "xvfb-options-general");
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(tree.topLevelItem(1)).center());
    ClickButton(*shown.cbxRTTTL);
    Screen(shown, "xvfb-options-convert");
    ClickButton(*shown.btnOK);
  }});
  EXPECT_EQ(dialog.ShowFilters(), mrOk);
  SetSkinMessageFormHook(previous);
  EXPECT_EQ(question, "Are you sure delete the filter for \"Siemens:C55\"?");
  EXPECT_FALSE(std::filesystem::exists(doomed));
  EXPECT_EQ(answers.Answered(), 1u);
  const auto stored = folder.OpenOptions();
  EXPECT_TRUE(stored->IsSetDefaultMobile);
  EXPECT_EQ(stored->DefaultBrand, "Nokia");
  EXPECT_EQ(stored->DefaultModel, "3310");
  EXPECT_FALSE(stored->IsShowRTTTL);
}

// The filter grid keeps its columns' widths and scrolls sideways, at every
// opening of the dialog and on either kind of filters: the description
// shows whole in its column once the grid is scrolled to it.
TEST_F(DialogsRealWindow, TheFilterGridShowsTheWholeDescriptionScrolledSideways) {
  TDialogFolder folder;
  // More filters of each kind than the grid has rows at first.
  const std::string description = "Composer screen of the 3310";
  for (const char* model : {"3310", "3410", "8210"}) {
    folder.WriteFilter(std::string(model) + ".mss", {0, "Nokia", model, "Ann Author", description});
    folder.WriteFilter(std::string(model) + ".kps", {1, "Nokia", model, "Ann Author", description});
  }
  auto options = folder.OpenOptions();
  TMainWindowLists lists;
  lists.Load(folder.FiltersFolder());
  // The description's text on the screen: its inked columns, from the
  // column's left edge.
  auto descriptionInk = [](const QImage& shot, const QTableWidget& table) {
    const QRect cell = table.visualRect(table.model()->index(0, 4));
    const QPoint origin = table.viewport()->mapToGlobal(QPoint(0, 0));
    int right = -1;
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
      for (int x = std::max(cell.left(), 0) + 1; x < std::min(cell.right(), table.viewport()->width()); ++x)
        if (qGray(shot.pixel(origin + QPoint(x, y))) < 100) right = std::max(right, x - cell.left());
    return right;
  };
  auto showsWhole = [&](TfrmOptions& shown, const QString& name) {
    QTableWidget& table = shown.grdList->Table();
    EXPECT_EQ(shown.grdList->ColWidths(4), 216) << name.toStdString();
    EXPECT_TRUE(table.horizontalScrollBar()->isVisible()) << name.toStdString();
    table.horizontalScrollBar()->setValue(table.horizontalScrollBar()->maximum());
    const QRect cell = table.visualRect(table.model()->index(0, 4));
    EXPECT_LE(cell.right(), table.viewport()->width()) << name.toStdString();
    const int ink = descriptionInk(Screen(shown, name), table);
    EXPECT_GE(ink, table.fontMetrics().horizontalAdvance(QString::fromStdString(description)) - 4)
        << name.toStdString();
  };
  for (const char* opening : {"first", "second"}) {
    const auto made = lists.OptionsDialog(*options);
    TModalAnswers<TfrmOptions> answers({[&](TfrmOptions& shown) {
      showsWhole(shown, QString("xvfb-options-grid-screenshow-%1").arg(opening));
      QTreeWidget& tree = shown.tvCate->Tree();
      const QTreeWidgetItem* keyPressNode = tree.topLevelItem(2)->child(1);
      QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(keyPressNode).center());
      ASSERT_TRUE(shown.IsKeyPressGrid);
      showsWhole(shown, QString("xvfb-options-grid-keypress-%1").arg(opening));
      ClickButton(*shown.btnOK);
    }});
    EXPECT_EQ(made->ShowFilters(), mrOk);
    EXPECT_EQ(answers.Answered(), 1u);
  }
}

TEST_F(DialogsRealWindow, TheImportDialogAndTheAboutBox) {
  TDialogFolder folder;
  TStringList files;
  files.Add(folder.WriteFilter("nokia.kps", {1, "Nokia", "8210", "Ann Author", "Keys of the 8210"}, "in"));
  TModalAnswers<TfrmImportFilter> import({[](TfrmImportFilter& shown) {
    const QImage shot = Screen(shown, "xvfb-import");
    // The question icon is drawn where the description puts it.
    EXPECT_NE(ScreenPixel(shot, shown, QPoint(37, 57)), ScreenPixel(shot, shown, QPoint(100, 90)));
    ClickButton(*shown.btnOK);
  }});
  EXPECT_EQ(ImportFilterFiles(files, folder.FiltersFolder()), 1);
  TModalAnswers<TfrmAbout> about({[](TfrmAbout& shown) {
    Screen(shown, "xvfb-about");
    ClickButton(*shown.btnExit);
  }});
  ShowAboutBox();
  EXPECT_EQ(about.Answered(), 1u);
}

}  // namespace
