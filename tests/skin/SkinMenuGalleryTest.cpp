// A gallery for people to look at: in each built-in style a popup menu
// (selected, disabled, checked, pictured and default items, a separator,
// short cuts), a tool bar with its buttons normal, hot, pressed, checked and
// dropped down, and skinned buttons and bars drawn by the helpers from the
// built-in bitmaps, written to build/shots/menus-<style>.png.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include "skin/SkinPopupMenu.h"
#include "skin/SkinPublic.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Bitmap.h"
#include "windowing/Form.h"
#include "windowing/ImageList.h"
#include "windowing/MenuWindow.h"
#include "windowing/ToolButton.h"

namespace {

// Small pictures for the menu and the tool bar: a note, a disk, a folder.
void AddPictures(TImageList& list) {
  QImage strip(48, 16, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(40, 60, 160));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(2, 10, 6, 5));
  p.fillRect(QRectF(7, 2, 1.6, 11), QColor(40, 60, 160));
  p.fillRect(QRectF(7, 2, 6, 2), QColor(40, 60, 160));
  p.fillRect(QRect(18, 2, 12, 12), QColor(60, 90, 150));
  p.fillRect(QRect(21, 2, 6, 4), QColor(230, 230, 235));
  p.fillRect(QRect(20, 9, 8, 5), QColor(200, 200, 210));
  p.setBrush(QColor(230, 180, 60));
  p.drawRoundedRect(QRectF(33, 4, 14, 10), 1.5, 1.5);
  p.fillRect(QRect(33, 3, 6, 2), QColor(210, 150, 40));
  p.end();
  TBitmap bitmap;
  bitmap.SetImage(strip);
  list.AddMasked(bitmap, clWhite);
}

QImage MenuShot(TForm& form, TImageList& images) {
  auto* menu = new TSkinPopupMenu(&form);
  menu->SetImages(&images);
  auto add = [&](const char* caption, TShortCut shortCut = 0) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    menu->Items().Add(item);
    return item;
  };
  TMenuItem* open = add("&Open...", scCtrl | 'O');
  add("&Save", scCtrl | 'S')->SetImageIndex(1);
  add("-");
  add("Show &RTTTL")->SetChecked(true);
  TMenuItem* pictured = add("Show &MIDI panel");
  pictured->SetChecked(true);
  pictured->SetImageIndex(0);
  add("&Convert", VK_F1 + 8)->SetEnabled(false);
  add("-");
  add("&Options")->SetDefault(true);
  add("E&xit", scAlt | 'X');
  menu->AttachItemDrawEvents();
  TMenuWindow& window = menu->Window();
  window.setActiveAction(open->QtAction());
  window.adjustSize();
  return window.grab().toImage();
}

QImage ToolBarShot(TForm& form, TImageList& images) {
  auto* bar = new TSkinToolBar(&form);
  bar->SetParent(&form);
  bar->SetAlign(TAlign::alNone);
  bar->SetBounds(0, 0, 360, 44);
  bar->SetImages(&images);
  bar->SetShowCaptions(true);
  bar->SetButtonWidth(56);
  bar->SetButtonHeight(40);
  std::vector<TToolButton*> buttons;
  for (const char* caption : {"Normal", "Hot", "Pressed", "Checked", "Menu"}) {
    auto* b = new TToolButton(&form);
    b->SetCaption(caption);
    b->SetImageIndex(static_cast<int>(buttons.size()) % 3);
    b->SetParent(bar);
    buttons.push_back(b);
  }
  buttons[3]->SetStyle(TToolButtonStyle::tbsCheck);
  buttons[3]->SetDown(true);
  buttons[4]->SetStyle(TToolButtonStyle::tbsDropDown);
  bar->ArrangeButtons();
  form.Show();
  QImage composite = bar->grab().toImage();
  auto stateOf = [&](TToolButton* b, bool press) {
    QEnterEvent enter(QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), b->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b, &enter);
    if (press) QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage shot = bar->grab().toImage();
    QPainter(&composite).drawImage(b->Left(), b->Top(), shot, b->Left(), b->Top(), b->Width(), b->Height());
    if (press) QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
  };
  stateOf(buttons[1], false);
  stateOf(buttons[2], true);
  stateOf(buttons[4], false);
  form.Hide();
  return composite;
}

// The style's push button frames stretched nine-part, and a track bar three-part.
QImage HelperShot(TSkinUIStyle style) {
  QImage image(360, 60, QImage::Format_RGB32);
  image.fill(ColorToQColor(GetBuiltInThemeColor(style, SkinItem::FormBackgroundColor)));
  TCanvas canvas(image);
  const bool keyed = GetBuiltInThemeBool(style, SkinItem::ButtonTransparentBool);
  for (int n = 1; n <= 3; ++n) {
    TBitmap frame;
    GetBuiltInThemeBitmap(style, SkinItem::ButtonImage, &frame, 3, n);
    canvas.SetOrigin(Point(8 + (n - 1) * 116, 8));
    DrawNinePartBitmap(frame, canvas, Rect(0, 0, 104, 27), keyed);
  }
  TBitmap bar;
  GetBuiltInThemeBitmap(style, SkinItem::TrackBarBarImage, &bar, 0, 0);
  canvas.SetOrigin(Point(8, 46));
  DrawThreePartBitmap(bar, canvas, Rect(0, 0, 340, bar.Height()), false);
  return image;
}

}  // namespace

TEST(SkinMenuGallery, WritesOnePicturePerBuiltInStyle) {
  const QString shots = QString(CAROLUNE_BIN_DIR) + "/../shots";
  ASSERT_TRUE(QDir().mkpath(shots));
  const std::pair<TSkinUIStyle, const char*> styles[] = {{TSkinUIStyle::Silver, "silver"},
                                                          {TSkinUIStyle::Azure, "azure"},
                                                          {TSkinUIStyle::Midnight, "midnight"},
                                                          {TSkinUIStyle::Crystal, "crystal"},
                                                          {TSkinUIStyle::Frost, "frost"}};
  for (const auto& [style, name] : styles) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    form.SetColor(GetBuiltInThemeColor(style, SkinItem::FormBackgroundColor));
    AddSkinForm(form, style)->Hide();
    TImageList images(&form);
    AddPictures(images);
    const QImage menu = MenuShot(form, images);
    const QImage bar = ToolBarShot(form, images);
    const QImage helpers = HelperShot(style);
    QImage page(std::max({menu.width() + 24, bar.width() + 24, helpers.width() + 24}),
                menu.height() + bar.height() + helpers.height() + 48, QImage::Format_RGB32);
    page.fill(ColorToQColor(GetBuiltInThemeColor(style, SkinItem::FormBackgroundColor)));
    QPainter p(&page);
    p.drawImage(12, 12, menu);
    p.drawImage(12, menu.height() + 24, bar);
    p.drawImage(12, menu.height() + bar.height() + 36, helpers);
    p.end();
    EXPECT_TRUE(page.save(shots + "/menus-" + name + ".png")) << name;
  }
}
