#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "windowing/ComboBox.h"
#include "windowing/Edit.h"
#include "windowing/Form.h"
#include "windowing/FormReader.h"
#include "windowing/ListBox.h"
#include "windowing/Memo.h"
#include "windowing/NativeControl.h"
#include "windowing/StringGrid.h"
#include "windowing/TreeView.h"

namespace {

template <class T>
T* Make(TForm& form) {
  auto* c = new T(&form);
  c->SetParent(&form);
  return c;
}

}  // namespace

TEST(NativeControls, EditChangesFireOnChangeFromCodeAndUser) {
  TForm form(nullptr);
  auto* edit = Make<TEdit>(form);
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  edit->SetText("abc");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit->Editor().text(), "abc");
  edit->SetText("abc");
  EXPECT_EQ(changes, 1);
  QTest::keyClicks(&edit->Editor(), "d");
  EXPECT_EQ(edit->Text(), "abcd");
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(edit->Modified());
  edit->SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetText("caf\xC3\xA9");  // the locale's 8-bit text (UTF-8 here)
  EXPECT_EQ(edit->Editor().text(), QString::fromUtf8("CAF\xC3\x89"));

  uint16_t seen = 0;
  edit->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
    seen = key;
    if (key == 'Q') key = 0;  // swallowed
  };
  QTest::keyClick(&edit->Editor(), Qt::Key_Q);
  EXPECT_EQ(seen, 'Q');
  EXPECT_EQ(edit->Editor().text().right(1), QString::fromUtf8("\xC3\x89"));
}

TEST(NativeControls, MemoJoinsItsLinesWithCrLf) {
  TForm form(nullptr);
  auto* memo = Make<TMemo>(form);
  int changes = 0;
  memo->OnChange = [&](TComponent*) { ++changes; };
  memo->SetText("one\r\ntwo\nthree");
  EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nthree");
  EXPECT_EQ(memo->LineCount(), 3);
  EXPECT_EQ(memo->Lines().Strings(1), "two");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(memo->Modified());
  memo->AddLine("four");
  EXPECT_EQ(memo->Lines().Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  memo->SelectAll();
  EXPECT_EQ(memo->SelText(), "one\r\ntwo\r\nthree\r\nfour");
  memo->Clear();
  EXPECT_EQ(memo->LineCount(), 0);
  EXPECT_EQ(memo->Text(), "");
}

// Model texts are bytes in any code page; the widgets show them and give
// back the very same bytes.
const char* const kEightBitTexts[] = {
    "\xC4\xE3\xBA\xC3 GBK",      // code page 936: not UTF-8
    "\xB7",                         // a lone byte of another code page
    "caf\xC3\xA9 \xE4\xBD\xA0",  // UTF-8, shown as the characters
    "\xC3",                         // a truncated sequence
    "\xC0\x80 \xE0\x80\xAF",     // overlong forms
    "\xED\xA0\x80\xED\xB0\x80",  // encoded surrogates
    "\xF4\x90\x80\x80 \xF8\xFF",  // beyond U+10FFFF, no lead byte
    "a\xC2\xA0" "b\xE2\x80\xA8" "c",     // no-break space, line separator
    "\xE2\x80\xA9\xEF\xB7\x90",   // paragraph separator, U+FDD0
    "\xF0\x9F\x8E\xB5 \t\x01\x7F",
};

TEST(NativeControls, EightBitTextCrossesTheWidgetsByteForByte) {
  EXPECT_EQ(FromLocal8Bit("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(FromLocal8Bit("\xB7").size(), 1);
  TForm form(nullptr);
  auto* edit = Make<TEdit>(form);
  auto* memo = Make<TMemo>(form);
  auto* combo = Make<TComboBox>(form);
  for (const std::string text : kEightBitTexts) {
    EXPECT_EQ(ToLocal8Bit(FromLocal8Bit(text)), text);
    edit->SetText(text);
    EXPECT_EQ(edit->Text(), text);
    memo->SetText(text);
    EXPECT_EQ(memo->Text(), text);
    combo->SetItems(TStringList{});
    combo->AddItem(text);
    EXPECT_EQ(combo->Items()[0], text);
  }
  // Qt's own text of a byte that is not UTF-8 can only be U+FFFD.
  EXPECT_EQ(ToLocal8Bit(QString(QChar(0xD800))), "\xEF\xBF\xBD");
}

TEST(NativeControls, AnEditKeepsTheBytesTheUserDidNotTouch) {
  TForm form(nullptr);
  auto* edit = Make<TEdit>(form);
  edit->SetText("\xC4\xE3\xB7");
  edit->Editor().setCursorPosition(2);
  QTest::keyClicks(&edit->Editor(), "x");
  EXPECT_EQ(edit->Text(), "\xC4\xE3x\xB7");
  QTest::keyClick(&edit->Editor(), Qt::Key_Backspace);
  QTest::keyClick(&edit->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "\xC4\xB7");
  // No length limit unless one is set: a long value is shown whole.
  const std::string longText(40000, 'k');
  edit->SetText(longText);
  EXPECT_EQ(edit->Text(), longText);

  auto* memo = Make<TMemo>(form);
  memo->SetText("\xC4\xE3\r\n\xC2\xA0\xB7");
  QTextCursor cursor = memo->Editor().textCursor();
  cursor.movePosition(QTextCursor::End);
  memo->Editor().setTextCursor(cursor);
  QTest::keyClicks(&memo->Editor(), "z");
  EXPECT_EQ(memo->Text(), "\xC4\xE3\r\n\xC2\xA0\xB7z");
  EXPECT_EQ(memo->Lines().Strings(1), "\xC2\xA0\xB7z");
}

TEST(NativeControls, ListAndComboFireOnlyOnTheUsersChoice) {
  TForm form(nullptr);
  auto* list = Make<TListBox>(form);
  int clicks = 0;
  list->OnClick = [&](TComponent*) { ++clicks; };
  TStringList items;
  items.SetText("a\nb\nc");
  list->SetItems(items);
  list->SetItemIndex(1);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 0);
  list->Show();
  form.Show();
  const QRect third = list->List().visualItemRect(list->List().item(2));
  QTest::mouseClick(list->List().viewport(), Qt::LeftButton, {}, third.center());
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);

  auto* combo = Make<TComboBox>(form);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->SetItems(items);
  EXPECT_EQ(combo->ItemIndex(), -1);
  std::vector<std::string> calls;
  combo->OnChange = [&](TComponent*) { calls.push_back("change"); };
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->ComboText(), "c");
  EXPECT_TRUE(calls.empty());
  emit combo->Combo().activated(1);  // what a choice in the list sends
  EXPECT_EQ(calls, (std::vector<std::string>{"change"}));
  combo->OnSelect = [&](TComponent*) { calls.push_back("select"); };
  emit combo->Combo().activated(0);
  EXPECT_EQ(calls, (std::vector<std::string>{"change", "select"}));
  form.Hide();
}

TEST(NativeControls, TreeChangesFireOnChangeAlsoFromCode) {
  TForm form(nullptr);
  auto* tree = Make<TTreeView>(form);
  TTreeNode* root = tree->Items().AddChild(nullptr, "Filters");
  TTreeNode* kps = tree->Items().AddChild(root, "KeyPress");
  tree->Items().AddChild(root, "ScreenShow");
  TTreeNode* other = tree->Items().Add(root, "Other");
  EXPECT_EQ(tree->Items().Count(), 4);
  EXPECT_EQ(tree->Items().Item(3), other);
  EXPECT_EQ(kps->Parent(), root);
  EXPECT_EQ(kps->Level(), 1);
  EXPECT_EQ(other->Index(), 1);
  std::vector<std::string> changes;
  tree->OnChange = [&](TComponent*, TTreeNode* node) { changes.push_back(node ? node->Text() : "-"); };
  tree->SetSelected(kps);
  EXPECT_EQ(changes, (std::vector<std::string>{"KeyPress"}));
  tree->OnChanging = [&](TComponent*, TTreeNode* node, bool& allow) { allow = node != other; };
  tree->SetSelected(other);
  EXPECT_EQ(tree->Selected(), kps);
  EXPECT_EQ(changes.size(), 1u);
  root->Delete();  // takes its children, the selected one too
  EXPECT_EQ(tree->Items().Count(), 1);
  EXPECT_EQ(tree->Items().GetFirstNode(), other);
}

TEST(NativeControls, GridCellsAndFixedRowsDrawThroughDrawCell) {
  TForm form(nullptr);
  auto* grid = Make<TStringGrid>(form);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetFixedCols(0);
  grid->SetOptions(grid->Options() | goRowSelect);
  grid->SetCells(0, 0, "Brand");
  grid->SetCells(2, 3, "last");
  EXPECT_EQ(grid->Cells(2, 3), "last");
  EXPECT_EQ(grid->Cells(5, 5), "");
  EXPECT_EQ(grid->Table().rowCount(), 3);
  EXPECT_EQ(grid->Table().columnCount(), 3);
  std::vector<std::string> drawn;
  grid->OnDrawCell = [&](TComponent*, TCanvas& canvas, int col, int row, TRect r, TGridDrawState state) {
    drawn.push_back(std::to_string(col) + "," + std::to_string(row) + ((state & gdFixed) ? "f" : "") +
                    ((state & gdSelected) ? "s" : ""));
    if (col == 1 && row == 2) {
      canvas.Brush.Color = clLime;
      canvas.FillRect(r);
    }
  };
  grid->SetBounds(0, 0, 300, 150);
  form.Show();
  const QImage shot = grid->Table().viewport()->grab().toImage();
  const QRect cell = grid->Table().visualRect(grid->Table().model()->index(1, 1));
  EXPECT_EQ(QRgbToColor(shot.pixel(cell.center())), clLime);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "2,3"), drawn.end());
  // Before any click the row Row reports is the one drawn selected, whole.
  EXPECT_EQ(grid->Row(), 1);
  for (const char* entry : {"0,1s", "2,1s"}) EXPECT_NE(std::find(drawn.begin(), drawn.end(), entry), drawn.end()) << entry;
  grid->Table().horizontalHeader()->grab();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "0,0f"), drawn.end());
  grid->SetRow(2);
  EXPECT_EQ(grid->Row(), 2);
  form.Hide();
}

// As on the platform, a click on a cell and a key that moves the current
// cell both report a click; a key that moves nothing does not.
TEST(NativeControls, GridClicksFollowTheMouseAndTheKeys) {
  TForm form(nullptr);
  auto* grid = Make<TStringGrid>(form);
  grid->SetRowCount(4);
  grid->SetOptions(grid->Options() | goRowSelect);
  std::vector<int> rows;
  grid->OnClick = [&](TComponent*) { rows.push_back(grid->Row()); };
  form.Show();
  QTableWidget& table = grid->Table();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(table.model()->index(1, 1)).center());
  QTest::keyClick(&table, Qt::Key_Down);
  QTest::keyClick(&table, Qt::Key_Down);  // already on the last row
  QTest::keyClick(&table, Qt::Key_Up);
  EXPECT_EQ(rows, (std::vector<int>{2, 3, 2}));
  form.Hide();
}

// Widths given to columns stay while rows, columns and options change; a
// new default width is every column's.
TEST(NativeControls, GridColumnsKeepTheirWidthsUntilANewDefault) {
  TForm form(nullptr);
  auto* grid = Make<TStringGrid>(form);
  grid->SetFixedCols(0);
  const std::function<void()> changes[] = {[&] { grid->SetRowCount(9); }, [&] { grid->SetColCount(6); },
                                           [&] { grid->SetOptions(grid->Options() | goRowSelect); },
                                           [&] { grid->SetFixedRows(0); }, [&] { grid->SetDefaultRowHeight(19); }};
  grid->SetColWidths(4, 216);
  for (const auto& change : changes) {
    change();
    EXPECT_EQ(grid->ColWidths(4), 216);
    EXPECT_EQ(grid->ColWidths(0), 64);
  }
  EXPECT_EQ(grid->ColWidths(5), 64);  // a new column has the default width
  grid->SetDefaultColWidth(30);
  for (int col = 0; col < grid->ColCount(); ++col) EXPECT_EQ(grid->ColWidths(col), 30) << col;
}

TEST(NativeControls, DescriptionsFillTheWidgets) {
  class TfrmWidgets : public TForm {
   public:
    using TForm::TForm;
    static const TClassInfo& StaticClassInfo() {
      static const auto info = DefineClass<TfrmWidgets>("TfrmWidgets", TForm::StaticClassInfo(), nullptr);
      return *info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  };
  TfrmWidgets form(nullptr);
  form.LoadDescription(
      "object frmWidgets: TfrmWidgets\n"
      "  object edtName: TEdit\n    Text = 'Nokia'\n    MaxLength = 10\n  end\n"
      "  object mmText: TMemo\n    Lines = ('a' 'b')\n    ScrollBars = ssVertical\n  end\n"
      "  object cmbBrand: TComboBox\n    Style = csDropDownList\n    Items = ('x' 'y')\n    ItemIndex = 1\n  end\n"
      "  object tvCate: TTreeView\n    ReadOnly = True\n    HideSelection = False\n"
      "    Items = ('General' 'Filters' #9'ScreenShow' #9#9#9'Deep' '' #9'KeyPress')\n  end\n"
      "  object grdList: TStringGrid\n    ColCount = 2\n    FixedCols = 0\n    Options = [goRowSelect]\n  end\n"
      "end\n");
  EXPECT_EQ(dynamic_cast<TEdit*>(form.FindComponent("edtName"))->Editor().text(), "Nokia");
  EXPECT_EQ(dynamic_cast<TMemo*>(form.FindComponent("mmText"))->Text(), "a\r\nb");
  EXPECT_EQ(dynamic_cast<TComboBox*>(form.FindComponent("cmbBrand"))->ComboText(), "y");
  auto* tree = dynamic_cast<TTreeView*>(form.FindComponent("tvCate"));
  EXPECT_TRUE(tree->ReadOnly());
  // Tabs give the levels; a line indented too deep goes one level below
  // the line before it, an empty line makes no node.
  const std::vector<std::string> nodes{"General", "Filters", "\tScreenShow", "\t\tDeep", "\tKeyPress"};
  EXPECT_EQ(tree->ItemLines().Lines(), nodes);
  EXPECT_EQ(tree->Items().Item(4)->Parent(), tree->Items().Item(1));
  EXPECT_EQ(dynamic_cast<TStringGrid*>(form.FindComponent("grdList"))->Options(), goRowSelect);
}
