#include "skin/SkinEdit.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "skin/SkinClasses.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

TEST(SkinEdit, RingsInEveryStyleAndAColourStoredAfterTheStyleWins) {
  struct Case {
    TSkinUIStyle style;
    TColor border;
  };
  const Case cases[] = {{TSkinUIStyle::Silver, 0x7F7F7F},
                        {TSkinUIStyle::Azure, 0x686868},
                        {TSkinUIStyle::Midnight, 0x000000},
                        {TSkinUIStyle::Crystal, 0x000000},
                        {TSkinUIStyle::Frost, 0x000000}};
  for (const Case& c : cases) {
    TForm form(nullptr);
    AddSkinForm(form, c.style);
    auto* edit = Make<TSkinEdit>(form, form);
    edit->SetBounds(0, 0, 80, 21);
    edit->SetColor(clAqua);
    form.Show();
    const QImage shot = edit->grab().toImage();
    EXPECT_EQ(At(shot, 0, 0), c.border);
    EXPECT_EQ(At(shot, 79, 20), c.border);
    EXPECT_EQ(At(shot, 1, 10), clAqua);
    EXPECT_EQ(At(shot, 78, 1), clAqua);
    EXPECT_EQ(edit->Editor().geometry(), QRect(2, 2, 76, 17));  // inside the two-pixel frame
  }

  RegisterSkinClasses();
  TForm form(nullptr);
  form.LoadDescription(
      "object Form1: TForm\n"
      "  object E: TSkinEdit\n"
      "    UIStyle = Azure\n"
      "    BorderColor = clGreen\n"
      "    Text = 'typed'\n"
      "  end\n"
      "end\n");
  auto* edit = static_cast<TSkinEdit*>(form.FindComponent("E"));
  EXPECT_EQ(edit->BorderColor(), clGreen);
  EXPECT_EQ(edit->Text(), "typed");
  edit->SetUIStyle(TSkinUIStyle::Azure);  // a style change takes it back
  EXPECT_EQ(edit->BorderColor(), 0x686868);
}

TEST(SkinEdit, KeepsItsNativeEditing) {
  TForm form(nullptr);
  auto* edit = Make<TSkinEdit>(form, form);
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  form.Show();
  edit->SetFocus();
  QTest::keyClicks(&edit->Editor(), "abc");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(changes, 3);
  edit->SelectAll();
  EXPECT_EQ(edit->SelText(), "abc");
}
