#include "skin/SkinGroupBox.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "skin/SkinButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinImagePanel.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

TEST(SkinGroupBox, DrawsItsFrameWithTheCaptionInTheTopLineAndInsetsItsChildren) {
  TForm form(nullptr);
  form.SetColor(clWhite);
  auto* box = Make<TSkinGroupBox>(form, form);
  EXPECT_EQ(box->Width(), 185);
  EXPECT_EQ(box->Height(), 105);
  box->SetBorderColor(clRed);
  box->Font().SetHeight(-11);
  auto* child = Make<TSkinImagePanel>(form, *box);
  child->SetAlign(TAlign::alClient);
  EXPECT_EQ(child->BoundsRect(), Rect(3, 16, 182, 102));

  // No caption: a closed frame with its top line at y = 11 div 2 + 1.
  QImage shot = box->grab().toImage();
  EXPECT_EQ(At(shot, 0, 6), clRed);
  EXPECT_EQ(At(shot, 40, 6), clRed);
  EXPECT_EQ(At(shot, 184, 60), clRed);
  EXPECT_EQ(At(shot, 90, 104), clRed);
  EXPECT_EQ(At(shot, 40, 5), clWhite);

  box->SetCaption("Octave");
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(box->Font());
  const int gapEnd = 6 + canvas.TextWidth("Octave");
  child->SetVisible(false);
  shot = box->grab().toImage();
  EXPECT_EQ(At(shot, 1, 6), clRed);
  EXPECT_NE(At(shot, 3, 6), clRed);  // the gap starts after two pixels
  EXPECT_EQ(At(shot, gapEnd + 1, 6), clRed);
  bool dark = false;
  for (int x = 5; x < gapEnd; ++x)
    for (int y = 0; y < 14; ++y) dark |= qGray(shot.pixel(x, y)) < 64;
  EXPECT_TRUE(dark);

  // Disabled: a grey caption, the same frame.
  box->SetEnabled(false);
  shot = box->grab().toImage();
  bool grey = false, black = false;
  for (int x = 5; x < gapEnd; ++x)
    for (int y = 0; y < 14; ++y) {
      grey |= At(shot, x, y) == 0x808080;
      black |= At(shot, x, y) == clBlack;
    }
  EXPECT_TRUE(grey);
  EXPECT_FALSE(black);
  EXPECT_EQ(At(shot, 184, 60), clRed);
}

TEST(SkinGroupBox, PassesItsStyleToItsChildrenAndTakesTheStyleColours) {
  TForm form(nullptr);
  AddSkinForm(form, TSkinUIStyle::Crystal);
  auto* box = Make<TSkinGroupBox>(form, form);
  EXPECT_EQ(box->UIStyle(), TSkinUIStyle::Crystal);
  auto* inner = Make<TSkinGroupBox>(form, *box);
  auto* button = Make<TSkinButton>(form, *inner);
  auto* check = Make<TSkinCheckBox>(form, *box);
  auto* picture = Make<TSkinImageButton>(form, *box);  // publishes UIStyle only: left alone
  picture->SetUIStyle(TSkinUIStyle::Frost);
  box->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(box->BorderColor(), 0x686868);
  EXPECT_EQ(box->Font().Color(), 0xCF4602);
  for (TSkinUIStyle style : {inner->UIStyle(), button->UIStyle(), check->UIStyle()}) EXPECT_EQ(style, TSkinUIStyle::Azure);
  EXPECT_EQ(inner->BorderColor(), 0x686868);

  TSkinFileTheme* theme = new TSkinFileTheme(&form);
  box->SetFileTheme(theme);
  EXPECT_EQ(button->FileTheme(), theme);
  delete theme;
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(box->BorderColor(), 0x000000);
}

TEST(SkinGroupBox, DisablesItsChildrenAndKeepsTheirOwnSetting) {
  TForm form(nullptr);
  form.Show();
  auto* box = Make<TSkinGroupBox>(form, form);
  auto* on = Make<TSkinButton>(form, *box);
  auto* off = Make<TSkinButton>(form, *box);
  off->SetEnabled(false);
  int clicks = 0;
  on->OnClick = [&](TComponent*) { ++clicks; };
  box->SetEnabled(false);
  EXPECT_FALSE(on->isEnabled());
  on->SetCaption("&Go");
  EXPECT_FALSE(on->DialogChar('g', 0));
  box->SetEnabled(true);
  EXPECT_TRUE(on->isEnabled());
  EXPECT_FALSE(off->isEnabled());
  EXPECT_FALSE(off->Enabled());
  EXPECT_TRUE(on->DialogChar('g', 0));
  EXPECT_EQ(clicks, 1);
}
