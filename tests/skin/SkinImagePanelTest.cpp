#include "skin/SkinImagePanel.h"

#include <gtest/gtest.h>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

TEST(SkinImagePanel, AutoSizeTakesThePictureExceptWhereAlignFixesTheSize) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  TBitmap picture;
  picture.SetImage(Strip(300, 40, {clGreen}));
  struct Case {
    TAlign align;
    int width, height;
  };
  for (const Case& c : {Case{TAlign::alNone, 300, 40}, Case{TAlign::alTop, 400, 40}, Case{TAlign::alLeft, 300, 300},
                        Case{TAlign::alClient, 400, 300}}) {
    auto* panel = Make<TSkinImagePanel>(form, form);
    panel->SetAlign(c.align);
    panel->SetAutoSize(true);
    panel->SetPicture(&picture);
    EXPECT_EQ(panel->Width(), c.width) << static_cast<int>(c.align);
    EXPECT_EQ(panel->Height(), c.height) << static_cast<int>(c.align);
    delete panel;
  }
}

TEST(SkinImagePanel, DrawsThePicturePlainStretchedOrTiledOverItsParent) {
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* panel = Make<TSkinImagePanel>(form, form);
  panel->SetBounds(10, 10, 20, 10);
  panel->SetColor(clBlue);
  EXPECT_EQ(At(panel->grab().toImage(), 15, 5), clBlue);
  TBitmap picture;
  picture.SetImage(Strip(4, 3, {clRed, clLime}));  // 8 x 3, its lower-left pixel red
  panel->SetPicture(&picture);
  struct Case {
    TSkinDrawStyle style;
    QPoint at;
    TColor expected;
  };
  for (const Case& c : {Case{TSkinDrawStyle::skinNormal, {5, 1}, clLime}, Case{TSkinDrawStyle::skinNormal, {9, 1}, clBlue},
                        Case{TSkinDrawStyle::skinStretch, {15, 9}, clLime}, Case{TSkinDrawStyle::skinTile, {13, 4}, clLime},
                        Case{TSkinDrawStyle::skinTile, {17, 7}, clRed}}) {
    panel->SetDrawStyle(c.style);
    EXPECT_EQ(At(panel->grab().toImage(), c.at.x(), c.at.y()), c.expected) << static_cast<int>(c.style);
  }
  // Transparent: the parent shows under the picture's key (its lower-left colour) and beside it.
  panel->SetDrawStyle(TSkinDrawStyle::skinNormal);
  panel->SetTransparent(true);
  EXPECT_TRUE(panel->Picture().Graphic()->Transparent());
  const QImage shot = panel->grab().toImage();
  EXPECT_EQ(At(shot, 1, 1), clYellow);
  EXPECT_EQ(At(shot, 5, 1), clLime);
  EXPECT_EQ(At(shot, 12, 5), clYellow);
}
