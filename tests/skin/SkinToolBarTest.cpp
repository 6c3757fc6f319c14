#include "skin/SkinToolBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/Bitmap.h"
#include "windowing/Form.h"
#include "windowing/ImageList.h"
#include "windowing/ToolButton.h"

namespace {

// A bar of three 40 x 30 buttons on a form with a skinned frame; the
// images are 16 x 16, green with a red top-left pixel.
struct Bar {
  explicit Bar(TSkinUIStyle style, bool withImages = true) {
    form.SetBounds(0, 0, 300, 200);
    form.SetColor(0x00405060);
    AddSkinForm(form, style)->Hide();
    bar = new TSkinToolBar(&form);
    bar->SetParent(&form);
    bar->SetButtonWidth(40);
    bar->SetButtonHeight(30);
    bar->SetHeight(64);
    if (withImages) {
      images = new TImageList(&form);
      TBitmap picture;
      picture.SetSize(16, 16);
      picture.Canvas().Brush.Color = clGreen;
      picture.Canvas().FillRect(Rect(0, 0, 16, 16));
      picture.Canvas().SetPixel(0, 0, clRed);
      images->AddMasked(picture, clWhite);
      bar->SetImages(images);
    }
    for (const char* name : {"One", "Two", "Three"}) {
      auto* b = new TToolButton(&form);
      b->SetName(name);
      b->SetCaption(name);
      b->SetImageIndex(0);
      b->SetParent(bar);
      buttons.push_back(b);
    }
    form.Show();
  }
  ~Bar() { form.Hide(); }
  QImage Shot() { return bar->grab().toImage(); }
  TColor At(const QImage& shot, TToolButton* b, int dx, int dy) {
    return QRgbToColor(shot.pixel(b->Left() + dx, b->Top() + dy));
  }
  void Hover(TToolButton* b) {
    QEnterEvent enter(QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), b->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b, &enter);
  }
  void Leave(TToolButton* b) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
  }

  TForm form{nullptr};
  TSkinToolBar* bar = nullptr;
  TImageList* images = nullptr;
  std::vector<TToolButton*> buttons;
};

}  // namespace

TEST(SkinToolBar, StylesSetTheColoursTransparencyAndNoBevels) {
  Bar crystal(TSkinUIStyle::Crystal);
  EXPECT_EQ(crystal.bar->UIStyle(), TSkinUIStyle::Crystal);
  EXPECT_TRUE(crystal.bar->Transparent());
  EXPECT_TRUE(crystal.bar->Flat());
  EXPECT_EQ(crystal.bar->EdgeInner(), TEdgeStyle::esNone);
  EXPECT_EQ(crystal.bar->EdgeOuter(), TEdgeStyle::esNone);
  EXPECT_EQ(crystal.bar->ButtonColor(), 0xEFEFEF);
  EXPECT_EQ(crystal.bar->ButtonBorderColor(), 0x474747);
  EXPECT_EQ(crystal.bar->ButtonDownColor(), 0xD8D8D8);
  // Transparent: the form's colour shows under the bar.
  const QImage shot = crystal.Shot();
  EXPECT_EQ(QRgbToColor(shot.pixel(250, 50)), 0x405060);

  Bar azure(TSkinUIStyle::Azure);
  EXPECT_FALSE(azure.bar->Transparent());
  EXPECT_EQ(azure.bar->ButtonColor(), 0xEFD3C6);
  EXPECT_EQ(azure.bar->ButtonBorderColor(), 0xC66931);
  EXPECT_EQ(azure.bar->ButtonDownColor(), 0xE1AC93);
  azure.bar->SetColor(clYellow);
  EXPECT_EQ(QRgbToColor(azure.Shot().pixel(250, 50)), clYellow);
}

TEST(SkinToolBar, HotPressedAndCheckedButtonsAreDrawnByTheBar) {
  Bar b(TSkinUIStyle::Azure);
  TToolButton* one = b.buttons[0];
  TToolButton* two = b.buttons[1];
  ASSERT_EQ(one->BoundsRect(), Bounds(0, 0, 40, 30));
  b.Hover(one);
  ASSERT_TRUE(one->Hot());
  QImage shot = b.Shot();
  EXPECT_EQ(b.At(shot, one, 0, 0), 0xC66931);  // border
  EXPECT_EQ(b.At(shot, one, 39, 29), 0xC66931);
  EXPECT_EQ(b.At(shot, one, 2, 25), 0xEFD3C6);  // fill
  // The image at (left + h - 1, top + 2), h = (40 - 16) / 2.
  EXPECT_EQ(b.At(shot, one, 11, 2), clRed);
  EXPECT_EQ(b.At(shot, one, 12, 3), clGreen);

  QTest::mousePress(one, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(one->Pressed());
  shot = b.Shot();
  EXPECT_EQ(b.At(shot, one, 2, 25), 0xE1AC93);
  EXPECT_EQ(b.At(shot, one, 12, 3), clRed);  // one pixel right and down
  EXPECT_EQ(b.At(shot, one, 11, 2), 0xE1AC93);
  QTest::mouseRelease(one, Qt::LeftButton, {}, QPoint(5, 5));

  // Neither hot nor checked: the bar's flat drawing (no skinned fill).
  EXPECT_NE(b.At(shot, two, 2, 25), 0xEFD3C6);
  two->SetStyle(TToolButtonStyle::tbsCheck);
  two->Click();
  EXPECT_TRUE(two->Down());
  b.Leave(one);
  shot = b.Shot();
  EXPECT_EQ(b.At(shot, two, 2, 25), 0xEFD3C6);  // checked keeps the highlight
  EXPECT_EQ(b.At(shot, two, 0, 0), 0xC66931);
  EXPECT_NE(b.At(shot, one, 2, 25), 0xEFD3C6);
}

TEST(SkinToolBar, DropDownArrowDividerAndCaptions) {
  Bar b(TSkinUIStyle::Frost, false);
  b.bar->SetShowCaptions(true);
  TToolButton* drop = b.buttons[0];
  drop->SetStyle(TToolButtonStyle::tbsDropDown);
  b.Hover(drop);
  QImage shot = b.Shot();
  const TRect r = drop->BoundsRect();
  const int m = r.Height() / 2;
  const int right = r.Width();
  for (int x = right - 9; x <= right - 5; ++x) EXPECT_EQ(b.At(shot, drop, x, m), clBlack) << x;
  EXPECT_EQ(b.At(shot, drop, right - 7, m + 2), clBlack);
  EXPECT_EQ(b.At(shot, drop, right - 4, m), 0xEFEFEF);
  EXPECT_EQ(b.At(shot, drop, right - 14, 3), clBlack);  // the divider
  EXPECT_EQ(b.At(shot, drop, right - 14, r.Height() - 1), clBlack);
  // Without images the caption starts four pixels down, five when pressed.
  auto firstInkRow = [&](const QImage& s) {
    for (int y = 1; y < r.Height() - 1; ++y)
      for (int x = 1; x < right - 15; ++x)
        if (b.At(s, drop, x, y) != b.bar->ButtonColor() && b.At(s, drop, x, y) != b.bar->ButtonDownColor()) return y;
    return -1;
  };
  const int hotRow = firstInkRow(shot);
  QTest::mousePress(drop, Qt::LeftButton, {}, QPoint(3, 3));
  shot = b.Shot();
  EXPECT_EQ(firstInkRow(shot), hotRow + 1);
  QTest::mouseRelease(drop, Qt::LeftButton, {}, QPoint(3, 3));
}

TEST(SkinToolBar, ASecondRowIsPaintedWithinItsOwnBounds) {
  Bar b(TSkinUIStyle::Midnight);
  b.bar->SetAlign(TAlign::alNone);
  b.bar->SetWidth(90);  // room for two buttons in a row
  TToolButton* third = b.buttons[2];
  ASSERT_EQ(third->BoundsRect(), Bounds(0, 30, 40, 30));
  b.Hover(third);
  const QImage shot = b.Shot();
  EXPECT_EQ(b.At(shot, third, 0, 0), 0x474747);
  EXPECT_EQ(b.At(shot, third, 11, 2), clRed);
  EXPECT_EQ(b.At(shot, third, 2, 25), 0xEFEFEF);
}

TEST(SkinToolBar, StyleAfterCustomColoursAndMidnightWhenTheThemeGoes) {
  Bar b(TSkinUIStyle::Azure);
  b.bar->SetButtonColor(clRed);
  EXPECT_EQ(b.bar->ButtonColor(), clRed);
  b.bar->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(b.bar->ButtonColor(), 0xEFD3C6);

  TTempFolder folder;
  const std::string file =
      folder.Write("t.thm", TThemeFileBuilder().AddInteger("ToolBarButtonBackgroundColor", 0x010203).Bytes());
  auto* theme = new TSkinFileTheme(&b.form);
  theme->SetThemeFile(file);
  b.bar->SetFileTheme(theme);
  b.bar->SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(b.bar->ButtonColor(), 0x010203);
  EXPECT_FALSE(b.bar->Transparent());
  delete theme;
  EXPECT_EQ(b.bar->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(b.bar->ButtonColor(), 0xEFEFEF);
  EXPECT_EQ(b.bar->FileTheme(), nullptr);
}
