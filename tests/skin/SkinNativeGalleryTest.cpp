// A gallery for people to look at: a form per built-in style with the
// skinned edit, combo boxes, memo, list box and tree view (with skinned
// scroll bars laid over their native ones) and free scroll bars, written
// to build/shots/native-<style>.png.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "Form.h"
#include "SkinComboBox.h"
#include "SkinEdit.h"
#include "SkinFormStub.h"
#include "SkinListBox.h"
#include "SkinMemo.h"
#include "SkinScrollBar.h"
#include "SkinTestSupport.h"
#include "SkinTreeView.h"
#include "StringList.h"

namespace {

TStringList Lines(std::initializer_list<const char*> lines) {
  TStringList list;
  for (const char* line : lines) list.Add(line);
  return list;
}

QImage Sheet(TSkinUIStyle style) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 520, 330);
  form.SetColor(GetBuiltInThemeColor(style, SkinItem::FormBackgroundColor));
  AddSkinFormStub(form, style)->SetBounds(0, 0, 0, 0);

  auto* edit = Make<TSkinEdit>(form, form);
  edit->SetBounds(10, 10, 160, 21);
  edit->SetText("Nokia 3310");
  auto* list = Make<TSkinComboBox>(form, form);
  list->SetStyle(TComboBoxStyle::csDropDownList);
  list->SetBounds(180, 10, 150, 21);
  list->SetItems(Lines({"Motorola", "Nokia", "Samsung"}));
  list->SetItemIndex(1);
  auto* editable = Make<TSkinComboBox>(form, form);
  editable->SetBounds(340, 10, 150, 21);
  editable->SetComboText("Sony.Ericsson");
  auto* disabled = Make<TSkinComboBox>(form, form);
  disabled->SetStyle(TComboBoxStyle::csDropDownList);
  disabled->SetBounds(340, 40, 150, 21);
  disabled->SetEnabled(false);

  auto* memo = Make<TSkinMemo>(form, form);
  memo->SetBounds(10, 70, 200, 120);
  std::string text;
  for (int i = 1; i <= 40; ++i) text += "Tone " + std::to_string(i) + ": 8c2 8d2 4e2 8f2\r\n";
  memo->SetText(text);
  memo->SetVScrollBar(Make<TSkinScrollBar>(form, form));

  auto* box = Make<TSkinListBox>(form, form);
  box->SetBounds(220, 70, 130, 120);
  for (int i = 1; i <= 30; ++i) box->AddItem("Filter " + std::to_string(i));
  box->SetItemIndex(2);
  box->SetVScrollBar(Make<TSkinScrollBar>(form, form));

  auto* tree = Make<TSkinTreeView>(form, form);
  tree->SetBounds(360, 70, 140, 120);
  TTreeNode* general = tree->Items().AddChild(nullptr, "General");
  tree->Items().AddChild(general, "Filter Info");
  tree->Items().AddChild(general, "Author Info");
  TTreeNode* options = tree->Items().AddChild(nullptr, "Filter Option");
  for (const char* name : {"Default Options", "Note Mapper", "Sharp Mapper", "Octave Mapper", "Mapper Order"})
    tree->Items().AddChild(options, name);
  general->Expand(true);
  options->Expand(true);
  tree->SetSelected(general->Item(0));
  tree->SetVScrollBar(Make<TSkinScrollBar>(form, form));

  auto* horizontal = Make<TSkinScrollBar>(form, form);
  horizontal->SetBounds(10, 200, 300, 0);
  horizontal->SetPageSize(30);
  horizontal->SetPosition(40);
  auto* vertical = Make<TSkinScrollBar>(form, form);
  vertical->SetOrientation(TSkinProgressBarOrientation::skinVertical);
  vertical->SetBounds(330, 200, 0, 120);
  vertical->SetPosition(70);

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
