#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>

#include "skin/SkinForm.h"
#include "skin/SkinMainMenu.h"
#include "skin/SkinMenu.h"
#include "skin/SkinPopupMenu.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"
#include "windowing/ImageList.h"
#include "windowing/MenuWindow.h"

namespace {

TColor At(const QImage& shot, const QRect& r, int dx, int dy) { return QRgbToColor(shot.pixel(r.x() + dx, r.y() + dy)); }

bool Contains(const QImage& shot, const QRect& area, TColor color) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (QRgbToColor(shot.pixel(x, y)) == color) return true;
  return false;
}

// The darkest grey in the area.
int DarkestGrey(const QImage& shot, const QRect& area) {
  int darkest = 255;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) darkest = std::min(darkest, qGray(shot.pixel(x, y)));
  return darkest;
}

// The rightmost column in the area holding a pixel of another colour than background.
int RightmostInk(const QImage& shot, const QRect& area, TColor background) {
  int right = -1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (QRgbToColor(shot.pixel(x, y)) != background) right = std::max(right, x);
  return right;
}

struct CrystalMenu {
  TForm form{nullptr};
  TSkinForm* frame = AddSkinForm(form, TSkinUIStyle::Crystal);
  TSkinPopupMenu* menu = new TSkinPopupMenu(&form);
  TImageList* images = new TImageList(&form);
  TMenuItem* open = AddMenuItem(&form, menu->Items(), "&Open", scCtrl | 'O');
  TMenuItem* line = AddMenuItem(&form, menu->Items(), "-");
  TMenuItem* off = AddMenuItem(&form, menu->Items(), "Disabled");
  TMenuItem* check = AddMenuItem(&form, menu->Items(), "Checked");
  TMenuItem* pictured = AddMenuItem(&form, menu->Items(), "With image");
  TMenuItem* dflt = AddMenuItem(&form, menu->Items(), "Default");

  CrystalMenu() {
    off->SetEnabled(false);
    check->SetChecked(true);
    pictured->SetChecked(true);
    TBitmap green;
    green.SetSize(16, 16);
    green.Canvas().Brush.Color = clGreen;
    green.Canvas().FillRect(Rect(0, 0, 16, 16));
    images->AddMasked(green, clWhite);
    menu->SetImages(images);
    pictured->SetImageIndex(0);
    dflt->SetDefault(true);
    menu->AttachItemDrawEvents();
  }
  QImage Shot(TMenuItem* selected) {
    TMenuWindow& window = menu->Window();
    window.setActiveAction(selected ? selected->QtAction() : nullptr);
    window.adjustSize();
    return window.grab().toImage();
  }
  QRect Geometry(TMenuItem* item) { return menu->Window().actionGeometry(item->QtAction()); }
};

}  // namespace

TEST(SkinMenu, APopupMenuOnACrystalFormTakesTheCrystalLook) {
  CrystalMenu m;
  const TSkinPopupMenu& menu = *m.menu;
  EXPECT_EQ(menu.UIStyle(), TSkinUIStyle::Crystal);
  EXPECT_TRUE(menu.OwnerDraw());
  EXPECT_EQ(menu.BarWidth(), 26);
  EXPECT_EQ(menu.MenuItemHeight(), 21);
  EXPECT_EQ(menu.SeparatorHeight(), 5);
  EXPECT_EQ(menu.SeparatorColor(), 0x848284);
  EXPECT_EQ(menu.BarColor(), 0xCED3D6);
  EXPECT_EQ(menu.Color(), 0xFFFFFF);
  EXPECT_EQ(menu.FontColor(), 0x000000);
  EXPECT_EQ(menu.SelectedColor(), 0xC4302D);
  EXPECT_EQ(menu.SelectedFontColor(), 0xFFFFFF);

  const QImage shot = m.Shot(m.open);
  const QRect open = m.Geometry(m.open), line = m.Geometry(m.line), off = m.Geometry(m.off);
  EXPECT_EQ(open.height(), 21);
  EXPECT_EQ(line.height(), 5);
  // Selected: the fill and frame span the bar too, the caption is white.
  EXPECT_EQ(At(shot, open, 0, 0), 0xC4302D);
  EXPECT_EQ(At(shot, open, 2, 10), 0xC4302D);
  EXPECT_TRUE(Contains(shot, QRect(open.x() + 30, open.y() + 4, 30, 14), clWhite));
  // The short cut ends 16 pixels left of the item's right edge.
  const int ink = RightmostInk(shot, QRect(open.right() - 40, open.y() + 4, 40, 14), 0xC4302D);
  EXPECT_LE(ink, open.right() - 16);
  EXPECT_GE(ink, open.right() - 20);
  // The separator: bar, background and the line two pixels down, from bar + 4 to right - 2.
  EXPECT_EQ(At(shot, line, 5, 2), 0xCED3D6);
  EXPECT_EQ(At(shot, line, 29, 2), clWhite);
  EXPECT_EQ(At(shot, line, 30, 2), 0x848284);
  EXPECT_EQ(At(shot, line, line.width() - 3, 2), 0x848284);
  EXPECT_EQ(At(shot, line, line.width() - 2, 2), clWhite);
  EXPECT_EQ(At(shot, line, 30, 3), clWhite);
  // A disabled item: bar, background and a grey caption.
  EXPECT_EQ(At(shot, off, 1, 1), 0xCED3D6);
  EXPECT_EQ(At(shot, off, 27, 1), clWhite);
  // Smoothed glyph edges lie between the grey and the white; none is darker.
  EXPECT_NEAR(DarkestGrey(shot, QRect(off.x() + 30, off.y() + 4, 40, 14)), 0x80, 2);
  // The width: caption (with its "&") + short cut + bar + 40, in the canvas's font.
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(SystemMenuFont());
  int w = 0, h = 0;
  m.open->OnMeasureItem(m.open, canvas, w, h);
  EXPECT_EQ(w, canvas.TextWidth("&Open") + canvas.TextWidth("Ctrl+O") + 26 + 40);
  EXPECT_EQ(h, 21);
}

TEST(SkinMenu, CheckMarksImagesAndTheDefaultItem) {
  CrystalMenu m;
  const QImage shot = m.Shot(nullptr);
  const QRect check = m.Geometry(m.check), pictured = m.Geometry(m.pictured);
  // A checked item without an image shows MENU_CHECKED at (left + 4, top + 3), white left out.
  const QImage mark = MenuCheckImages().Image(0);
  int compared = 0;
  for (int y = 0; y < mark.height(); ++y)
    for (int x = 0; x < mark.width(); ++x) {
      if (qAlpha(mark.pixel(x, y)) < 255) continue;
      EXPECT_EQ(At(shot, check, 4 + x, 3 + y), QRgbToColor(mark.pixel(x, y)));
      ++compared;
    }
  EXPECT_GT(compared, 10);
  // With an image: a black frame and a selection-coloured square behind it.
  EXPECT_EQ(At(shot, pictured, 2, 1), clBlack);
  EXPECT_EQ(At(shot, pictured, 20, 19), clBlack);
  EXPECT_EQ(At(shot, pictured, 3, 2), 0xC4302D);
  EXPECT_EQ(At(shot, pictured, 4, 3), clGreen);
  EXPECT_EQ(At(shot, pictured, 19, 18), clGreen);
  // The default item is bold: its caption is wider than the plain one.
  EXPECT_GT(RightmostInk(shot, m.Geometry(m.dflt).adjusted(26, 4, 0, -2), clWhite),
            m.Geometry(m.dflt).x() + 30 + QFontMetrics(SystemMenuFont().ToQFont()).horizontalAdvance("Default"));
}

TEST(SkinMenu, SilverKeepsItsMetricsAndOtherStylesResetThem) {
  TBitmapResourceTable bitmaps;
  QImage bar(1, 22, QImage::Format_RGB32), select(1, 21, QImage::Format_RGB32);
  bar.fill(Qt::yellow);
  select.fill(Qt::cyan);
  bitmaps.Add("SILVER_MENU_BAR", bar);
  bitmaps.Add("SILVER_MENU_SELECT", select);
  bitmaps.Add("MENU_CHECKED", TQtBitmapResources().Find("MENU_CHECKED"));
  TScopedBitmapResources scoped(bitmaps);
  TForm form(nullptr);
  TSkinPopupMenu menu(&form);
  EXPECT_EQ(menu.UIStyle(), TSkinUIStyle::Midnight);  // no skinned frame on the form
  TMenuItem* item = AddMenuItem(&form, menu.Items(), "Item");
  TMenuItem* next = AddMenuItem(&form, menu.Items(), "Next");
  menu.SetUIStyle(TSkinUIStyle::Silver);
  EXPECT_EQ(menu.MenuItemHeight(), 20);
  EXPECT_EQ(menu.SeparatorHeight(), 12);
  EXPECT_EQ(menu.SeparatorColor(), 0);
  menu.SetMenuItemHeight(30);
  menu.SetSeparatorHeight(2);
  EXPECT_EQ(menu.MenuItemHeight(), 20);
  EXPECT_EQ(menu.SeparatorHeight(), 12);
  menu.AttachItemDrawEvents();
  TMenuWindow& window = menu.Window();
  window.setActiveAction(item->QtAction());
  window.adjustSize();
  const QImage shot = window.grab().toImage();
  EXPECT_EQ(At(shot, window.actionGeometry(item->QtAction()), 1, 1), QRgbToColor(qRgb(0, 255, 255)));
  EXPECT_EQ(At(shot, window.actionGeometry(next->QtAction()), 1, 1), QRgbToColor(qRgb(255, 255, 0)));
  EXPECT_EQ(window.actionGeometry(next->QtAction()).height(), 20);

  menu.SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(menu.MenuItemHeight(), 21);
  EXPECT_EQ(menu.SeparatorHeight(), 5);
  menu.SetMenuItemHeight(30);
  EXPECT_EQ(menu.MenuItemHeight(), 30);
  menu.SetBorderColor(clRed);  // stored only
  EXPECT_EQ(menu.BorderColor(), clRed);
}

TEST(SkinMenu, AFlatMenuDrawsItsBorderInsideItsOwnWindow) {
  CrystalMenu m;
  m.menu->SetFlatMenu(true);
  const QImage shot = m.Shot(nullptr);
  const int w = shot.width(), h = shot.height();
  EXPECT_EQ(QRgbToColor(shot.pixel(0, 1)), clBlack);
  EXPECT_EQ(QRgbToColor(shot.pixel(w - 2, h - 2)), clBlack);
  EXPECT_EQ(QRgbToColor(shot.pixel(1, 2)), clWhite);
  EXPECT_EQ(QRgbToColor(shot.pixel(w / 2, 0)), 0xFBFBFB);  // Crystal's form background
  EXPECT_EQ(QRgbToColor(shot.pixel(w - 1, h / 2)), 0xFBFBFB);
}

TEST(SkinMenu, ThemeFileColoursAndMidnightWhenTheThemeGoes) {
  TTempFolder folder;
  const std::string file =
      folder.Write("blue.thm", TThemeFileBuilder().AddInteger("MenuBackgroundColor", 0x112233).Bytes());
  TForm form(nullptr);
  TSkinPopupMenu menu(&form);
  auto* theme = new TSkinFileTheme(&form);
  theme->SetThemeFile(file);
  ASSERT_TRUE(theme->IsThemeLoaded());
  menu.SetFileTheme(theme);
  menu.SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(menu.Color(), 0x112233);
  EXPECT_EQ(menu.MenuItemHeight(), 21);
  EXPECT_EQ(menu.SelectedColor(), 0xA04A44);  // lacking items come from Midnight
  menu.SetColor(clRed);
  delete theme;
  EXPECT_EQ(menu.FileTheme(), nullptr);
  EXPECT_EQ(menu.UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(menu.Color(), clWhite);
}

TEST(SkinMenu, ItemsAddedLaterKeepTheDefaultDrawingUntilHookedAgain) {
  CrystalMenu m;
  TMenuItem* late = AddMenuItem(&m.form, m.menu->Items(), "Late");
  EXPECT_FALSE(late->OnAdvancedDrawItem);
  EXPECT_TRUE(m.open->OnAdvancedDrawItem);
  TMenuItem* sub = AddMenuItem(&m.form, *m.open, "Sub");
  EXPECT_FALSE(sub->OnMeasureItem);
  m.menu->AttachItemDrawEvents();
  EXPECT_TRUE(late->OnAdvancedDrawItem);
  EXPECT_TRUE(sub->OnMeasureItem);
}

TEST(SkinMenu, AMainMenuLinksToTheSkinnedFrameAndKeepsItsCheckMarks) {
  TForm form(nullptr);
  TSkinForm* frame = AddSkinForm(form, TSkinUIStyle::Frost);
  auto* plain = new TMainMenu(&form);
  form.SetMenu(plain);
  auto* menu = new TSkinMainMenu(&form);
  EXPECT_EQ(form.Menu(), nullptr);  // the form's own menu bar is off
  EXPECT_EQ(frame->Menu(), menu);
  EXPECT_EQ(menu->SkinForm(), frame);
  EXPECT_EQ(menu->UIStyle(), TSkinUIStyle::Frost);
  EXPECT_EQ(menu->Color(), 0xE7E7E7);
  EXPECT_EQ(menu->UserImageList(), nullptr);
  EXPECT_EQ(GetObjectProp(*menu, "Images"), nullptr);
  EXPECT_EQ(menu->Images()->Count(), 1);  // the check mark stands in

  // Items added later join the menu bar when the items are hooked again.
  ASSERT_NE(frame->MenuBar(), nullptr);
  QMenuBar& bar = frame->MenuBar()->Bar();
  TMenuItem* file = AddMenuItem(&form, menu->Items(), "File");
  EXPECT_EQ(bar.actions().size(), 0);
  TMenuItem* check = AddMenuItem(&form, *file, "Check");
  check->SetChecked(true);
  menu->AttachItemDrawEvents();
  ASSERT_EQ(bar.actions().size(), 1);
  EXPECT_EQ(bar.actions()[0], file->QtAction());
  file->SetCaption("Files");
  EXPECT_EQ(bar.actions()[0]->text(), "Files");
  menu->SetFontName("Courier");
  menu->SetUseSystemFont(false);
  EXPECT_EQ(frame->MenuBar()->Font().Name(), "Courier");

  TImageList images(&form);
  menu->SetUserImageList(&images);
  EXPECT_EQ(menu->UserImageList(), &images);
  menu->SetUserImageList(nullptr);
  EXPECT_EQ(menu->UserImageList(), nullptr);
  EXPECT_EQ(menu->Images()->Count(), 1);

  TMenuWindow& window = *file->SubMenu();
  window.adjustSize();
  const QImage shot = window.grab().toImage();
  const QRect r = window.actionGeometry(check->QtAction());
  const QImage mark = MenuCheckImages().Image(0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      if (qAlpha(mark.pixel(x, y)) < 255) continue;
      EXPECT_EQ(At(shot, r, 4 + x, 3 + y), QRgbToColor(mark.pixel(x, y)));
    }
}
