// A gallery for people to look at: a form per built-in style with the
// skinned edit, combo boxes, memo, list box and tree view (with skinned
// scroll bars laid over their native ones), free scroll bars, a page
// control whose tab row overflows, a string grid and a URL label, written
// to build/shots/native-<style>.png.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "runtime/StringList.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinGrid.h"
#include "skin/SkinListBox.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinScrollBar.h"
#include "skin/SkinTreeView.h"
#include "skin/SkinURLLabel.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

namespace {

TStringList Lines(std::initializer_list<const char*> lines) {
  TStringList list;
  for (const char* line : lines) list.Add(line);
  return list;
}

QImage Sheet(TSkinUIStyle style) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 800, 380);
  form.SetCaption("Carolune");
  // The controls sit on the skinned frame, below its title bar.
  TControl& host = *AddSkinForm(form, style);

  auto* edit = Make<TSkinEdit>(form, host);
  edit->SetBounds(10, 50, 160, 21);
  edit->SetText("Nokia 3310");
  auto* list = Make<TSkinComboBox>(form, host);
  list->SetStyle(TComboBoxStyle::csDropDownList);
  list->SetBounds(180, 50, 150, 21);
  list->SetItems(Lines({"Motorola", "Nokia", "Samsung"}));
  list->SetItemIndex(1);
  auto* editable = Make<TSkinComboBox>(form, host);
  editable->SetBounds(340, 50, 150, 21);
  editable->SetComboText("Sony.Ericsson");
  auto* disabled = Make<TSkinComboBox>(form, host);
  disabled->SetStyle(TComboBoxStyle::csDropDownList);
  disabled->SetBounds(340, 80, 150, 21);
  disabled->SetEnabled(false);

  auto* memo = Make<TSkinMemo>(form, host);
  memo->SetBounds(10, 110, 200, 120);
  std::string text;
  for (int i = 1; i <= 40; ++i) text += "Tone " + std::to_string(i) + ": 8c2 8d2 4e2 8f2\r\n";
  memo->SetText(text);
  memo->SetVScrollBar(Make<TSkinScrollBar>(form, host));

  auto* box = Make<TSkinListBox>(form, host);
  box->SetBounds(220, 110, 130, 120);
  for (int i = 1; i <= 30; ++i) box->AddItem("Filter " + std::to_string(i));
  box->SetItemIndex(2);
  box->SetVScrollBar(Make<TSkinScrollBar>(form, host));

  auto* tree = Make<TSkinTreeView>(form, host);
  tree->SetBounds(360, 110, 140, 120);
  TTreeNode* general = tree->Items().AddChild(nullptr, "General");
  tree->Items().AddChild(general, "Filter Info");
  tree->Items().AddChild(general, "Author Info");
  TTreeNode* options = tree->Items().AddChild(nullptr, "Filter Option");
  for (const char* name : {"Default Options", "Note Mapper", "Sharp Mapper", "Octave Mapper", "Mapper Order"})
    tree->Items().AddChild(options, name);
  general->Expand(true);
  options->Expand(true);
  tree->SetSelected(general->Item(0));
  tree->SetVScrollBar(Make<TSkinScrollBar>(form, host));

  auto* horizontal = Make<TSkinScrollBar>(form, host);
  horizontal->SetBounds(10, 240, 300, 0);
  horizontal->SetPageSize(30);
  horizontal->SetPosition(40);
  auto* vertical = Make<TSkinScrollBar>(form, host);
  vertical->SetOrientation(TSkinProgressBarOrientation::skinVertical);
  vertical->SetBounds(330, 240, 0, 120);
  vertical->SetPosition(70);

  auto* pages = Make<TSkinPageControl>(form, host);
  pages->SetBounds(520, 50, 270, 180);
  for (const char* caption : {"ScreenShow", "KeyPress", "RTTTL", "Composer", "iMelody", "eMelody"}) {
    auto* sheet = Make<TSkinTabSheet>(form, *pages);
    sheet->SetCaption(caption);
    Make<TSkinEdit>(form, *sheet)->SetBounds(8, 8, 120, 21);
  }
  pages->ActivatePageIndex(1);

  auto* grid = Make<TSkinStringGrid>(form, host);
  grid->SetBounds(360, 240, 430, 125);
  grid->SetColCount(4);
  grid->SetRowCount(6);
  grid->SetFixedCols(0);
  grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect);
  const char* heads[] = {"Type", "Brand", "Model", "Author"};
  for (int c = 0; c < 4; ++c) grid->SetCells(c, 0, heads[c]);
  for (int r = 1; r < 6; ++r) {
    grid->SetCells(0, r, r % 2 ? "KeyPress" : "ScreenShow");
    grid->SetCells(1, r, "Nokia");
    grid->SetCells(2, r, "33" + std::to_string(r) + "0");
  }
  grid->SetRow(2);

  auto* link = Make<TSkinURLLabel>(form, host);
  link->SetBounds(10, 340, 0, 0);
  link->SetCaption("www.example.com/carolune");

  form.Show();
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  return form.grab().toImage();
}

}  // namespace

TEST(SkinNativeGallery, WritesOneSheetPerStyle) {
  const QString shots = QString(CAROLUNE_BIN_DIR) + "/../shots";
  ASSERT_TRUE(QDir().mkpath(shots));
  const std::pair<const char*, TSkinUIStyle> styles[] = {{"silver", TSkinUIStyle::Silver},
                                                         {"azure", TSkinUIStyle::Azure},
                                                         {"midnight", TSkinUIStyle::Midnight},
                                                         {"crystal", TSkinUIStyle::Crystal},
                                                         {"frost", TSkinUIStyle::Frost}};
  for (const auto& [name, style] : styles) {
    const QImage sheet = Sheet(style);
    const QString file = shots + "/native-" + name + ".png";
    EXPECT_TRUE(sheet.scaled(sheet.size() * 2).save(file)) << file.toStdString();
  }
}
