#include "skin/SkinComboBox.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"

namespace {

struct Box {
  explicit Box(TSkinUIStyle style) {
    AddSkinForm(form, style);
    box = Make<TSkinComboBox>(form, form, "C");
    box->SetStyle(TComboBoxStyle::csDropDownList);
    box->SetBounds(0, 0, 120, 21);
    box->SetColor(clWhite);
    form.Show();
  }
  QImage Shot() const { return box->grab().toImage(); }
  TForm form{nullptr};
  TSkinComboBox* box;
};

}  // namespace

TEST(SkinComboBox, FramesTheBoxAndDrawsAFlatButtonWithItsArrow) {
  Box b(TSkinUIStyle::Midnight);
  EXPECT_EQ(b.box->ArrowColor(), clBlack);
  EXPECT_EQ(b.box->BorderColor(), clBlack);
  EXPECT_EQ(b.box->ButtonColor(), 0xE8E8E8);
  const TRect r = b.box->ButtonRect();
  ASSERT_GE(r.Width(), 17);
  EXPECT_EQ(r.Right, 118);
  EXPECT_EQ(r.Top, 2);
  EXPECT_EQ(r.Bottom, 19);
  const QImage shot = b.Shot();
  EXPECT_EQ(At(shot, 0, 0), clBlack);   // outer ring
  EXPECT_EQ(At(shot, 1, 10), clWhite);  // inner ring in the box's colour
  EXPECT_EQ(At(shot, r.Left, 1), clBlack);  // separator from one above the button
  EXPECT_EQ(At(shot, r.Left, 19), clBlack);  // to its bottom edge
  EXPECT_EQ(At(shot, r.Right - 2, r.Top + 1), 0xE8E8E8);
  // The arrow: a downward triangle from (x, y) to (x + 6, y), tip at (x + 3, y + 3).
  const int x = r.Left + r.Width() / 2 - 3, y = r.Height() / 2;
  EXPECT_EQ(At(shot, x + 3, y), clBlack);
  EXPECT_EQ(At(shot, x + 3, y + 2), clBlack);
  EXPECT_EQ(At(shot, x, y + 2), 0xE8E8E8);

  b.box->SetEnabled(false);  // grey, with a white shadow one pixel lower right
  const QImage grey = b.Shot();
  EXPECT_EQ(At(grey, x + 3, y + 1), clGray);
  EXPECT_EQ(At(grey, x + 4, y + 4), clWhite);
}

TEST(SkinComboBox, SilverAndAzureStretchTheirButtonBitmapsAndAzureDrawsNoArrow) {
  // The frames take their own pictures first; the button bitmaps are read
  // when the box paints.
  Box s(TSkinUIStyle::Silver);
  Box a(TSkinUIStyle::Azure);
  TBitmapResourceTable table;
  QImage silver(16, 17, QImage::Format_RGB32), azure(16, 18, QImage::Format_RGB32);
  silver.fill(Qt::yellow);
  azure.fill(Qt::cyan);
  table.Add("SILVER_COMBOBOX_BUTTON", silver);
  table.Add("AZURE_COMBOBOX_BUTTON", azure);
  TScopedBitmapResources scoped(table);
  const TRect r = s.box->ButtonRect();
  const int x = r.Left + r.Width() / 2 - 3, y = r.Height() / 2;
  EXPECT_EQ(At(s.Shot(), r.Left + 1, r.Top + 1), clYellow);
  EXPECT_EQ(At(s.Shot(), x + 3, y + 1), clBlack);  // Silver's arrow on its bitmap
  EXPECT_EQ(At(a.Shot(), x + 3, y + 1), clAqua);  // no arrow over Azure's own
  EXPECT_EQ(At(a.Shot(), 0, 0), 0x686868);
}

TEST(SkinComboBox, AStyleSetLaterDiscardsTheColoursAndSimpleBoxesStayNative) {
  Box b(TSkinUIStyle::Crystal);
  b.box->SetButtonColor(clRed);
  b.box->SetUIStyle(TSkinUIStyle::Crystal);
  EXPECT_EQ(b.box->ButtonColor(), 0xFBFBFB);
  b.box->SetUIStyle(TSkinUIStyle::Frost);
  b.box->SetButtonColor(clRed);
  EXPECT_EQ(b.box->ButtonColor(), clRed);

  b.box->SetStyle(TComboBoxStyle::csSimple);
  b.box->SetBorderColor(clLime);
  EXPECT_NE(At(b.Shot(), 0, 0), clLime);
}

TEST(SkinComboBox, TheOpenListIsFramedAndClosingRepaintsTheParent) {
  Box b(TSkinUIStyle::Midnight);
  b.box->SetBorderColor(clRed);
  TStringList items;
  items.Add("one");
  items.Add("two");
  b.box->SetItems(items);
  b.box->Combo().showPopup();
  QWidget* list = b.box->Combo().view()->window();
  ASSERT_TRUE(list->isVisible());
  const QImage shot = list->grab().toImage();
  EXPECT_EQ(At(shot, 0, 0), clRed);
  EXPECT_EQ(At(shot, shot.width() - 1, shot.height() - 1), clRed);
  b.box->Combo().hidePopup();
  EXPECT_FALSE(b.box->DroppedDown());
}
