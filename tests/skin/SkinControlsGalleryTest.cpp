// A gallery for people to look at: the push and image buttons in their
// states, check boxes and radio buttons, a group box holding controls and
// track bars, on a form of each built-in style, written to
// build/shots/controls-<style>.png.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>

#include "skin/SkinButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinTrackBar.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

namespace {

// A glyph on white (the key): a play triangle, or two frames of it when
// disabled is given.
QImage PlayGlyph(QColor color, bool twoFrames) {
  QImage image(twoFrames ? 28 : 14, 14, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  for (int frame = 0; frame < (twoFrames ? 2 : 1); ++frame) {
    p.setBrush(frame == 0 ? color : QColor(150, 150, 150));
    const int x = frame * 14;
    p.drawPolygon(QPolygon({QPoint(x + 4, 2), QPoint(x + 11, 7), QPoint(x + 4, 12)}));
  }
  return image;
}

class TGalleryForm {
 public:
  explicit TGalleryForm(TSkinUIStyle style) {
    form.SetBounds(0, 0, 600, 330);
    form.SetColor(GetBuiltInThemeColor(style, SkinItem::FormBackgroundColor));
    AddSkinForm(form, style)->SetVisible(false);
    form.Show();
    QApplication::setActiveWindow(&form);

    Button("Normal", 10, 10);
    Enter(*Button("Hover", 100, 10));
    pressed = Button("Pressed", 190, 10);
    Button("Disabled", 280, 10)->SetEnabled(false);
    TSkinButton* focused = Button("&Default", 370, 10);
    focused->SetDefault(true);

    TSkinButton* play = Button("Play", 10, 50);
    play->SetWidth(90);
    play->Glyph().SetImage(PlayGlyph(QColor(30, 140, 40), false));
    for (int i = 0; i < 2; ++i) {
      TSkinButton* small = Button("", 110 + i * 55, 55);
      small->SetBounds(110 + i * 55, 55, 49, 17);
      small->Glyph().SetImage(PlayGlyph(QColor(30, 140, 40), true));
      small->SetEnabled(i == 0);
    }
    TSkinButton* open = Button("Open", 230, 40);
    open->SetBounds(230, 40, 70, 44);
    open->SetLayout(TButtonLayout::blGlyphTop);
    open->Glyph().SetImage(PlayGlyph(QColor(40, 60, 200), false));

    int x = 10;
    for (auto [checked, enabled] : {std::pair{true, true}, {false, true}, {true, false}, {false, false}}) {
      auto* box = Make<TSkinCheckBox>(form, form);
      box->SetBounds(x, 95, 93, 17);
      box->SetCaption(enabled ? (checked ? "Checked" : "Unchecked") : "Disabled");
      box->SetChecked(checked);
      box->SetEnabled(enabled);
      box->SetColor(form.Color());
      auto* radio = Make<TSkinRadioButton>(form, form);
      radio->SetBounds(x, 120, 93, 17);
      radio->SetGroupIndex(x);
      radio->SetCaption(enabled ? (checked ? "Checked" : "Unchecked") : "Disabled");
      radio->SetChecked(checked);
      radio->SetEnabled(enabled);
      radio->SetColor(form.Color());
      x += 115;
    }

    auto* group = Make<TSkinGroupBox>(form, form);
    group->SetBounds(10, 150, 260, 165);
    group->SetCaption("Source Format");
    auto* inside = Make<TSkinCheckBox>(form, *group);
    inside->SetBounds(12, 24, 93, 17);
    inside->SetCaption("&Remember state");
    inside->SetChecked(true);
    inside->SetColor(form.Color());
    auto* position = Make<TSkinTrackBar>(form, *group);
    position->SetBounds(12, 50, 236, 20);
    position->SetMax(100);
    position->SetPosition(35);
    position->SetFrequency(10);
    auto* disabled = Make<TSkinTrackBar>(form, *group);
    disabled->SetBounds(12, 85, 236, 20);
    disabled->SetShowTick(false);
    disabled->SetPosition(7);
    disabled->SetEnabled(false);
    auto* ok = Make<TSkinButton>(form, *group);
    ok->SetBounds(12, 125, 75, 25);
    ok->SetCaption("OK");

    auto* volume = Make<TSkinGroupBox>(form, form);
    volume->SetBounds(285, 150, 60, 165);
    volume->SetCaption("Vol");
    auto* level = Make<TSkinTrackBar>(form, *volume);
    level->SetOrientation(TSkinProgressBarOrientation::skinVertical);
    level->SetBounds(18, 22, 20, 130);
    level->SetMax(255);
    level->SetFrequency(32);
    level->SetPosition(80);

    auto* panel = Make<TSkinImagePanel>(form, form);
    panel->SetBounds(360, 160, 225, 40);
    panel->SetCaption("Image panel");
    panel->SetColor(GetBuiltInThemeColor(style, SkinItem::ControlBackgroundColor));
    auto* images = Make<TSkinImagePanel>(form, form);
    images->SetBounds(360, 215, 225, 100);
    TBitmap tile;
    tile.SetImage(PlayGlyph(QColor(200, 120, 30), false));
    images->SetPicture(&tile);
    images->SetDrawStyle(TSkinDrawStyle::skinTile);
    auto* arrow = Make<TSkinImageButton>(form, *images);
    arrow->SetAutoSize(true);
    TBitmap normal;
    normal.SetImage(PlayGlyph(QColor(200, 30, 30), false).scaled(28, 28));
    arrow->SetPicNormal(&normal);
    arrow->SetBounds(95, 35, arrow->Width(), arrow->Height());

    arrow->SetTransparent(true);

    QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(5, 5));
    focused->SetFocus();
  }
  ~TGalleryForm() {
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::setActiveWindow(nullptr);
  }

  TForm form{nullptr};

 private:
  TSkinButton* Button(const std::string& caption, int x, int y) {
    auto* button = Make<TSkinButton>(form, form);
    button->SetBounds(x, y, 80, 27);
    button->SetCaption(caption);
    return button;
  }
  static void Enter(TControl& control) {
    QEnterEvent event(QPointF(3, 3), QPointF(3, 3), control.mapToGlobal(QPointF(3, 3)));
    QApplication::sendEvent(&control, &event);
  }

  TSkinButton* pressed = nullptr;
};

}  // namespace

TEST(SkinControlsGallery, WritesOneSheetPerStyle) {
  const QString shots = QString(CAROLUNE_BIN_DIR) + "/../shots";
  ASSERT_TRUE(QDir().mkpath(shots));
  for (auto [style, name] : {std::pair{TSkinUIStyle::Silver, "silver"}, {TSkinUIStyle::Azure, "azure"},
                             {TSkinUIStyle::Midnight, "midnight"}, {TSkinUIStyle::Crystal, "crystal"},
                             {TSkinUIStyle::Frost, "frost"}}) {
    TGalleryForm gallery(style);
    gallery.form.grab();  // the boxes size themselves as they paint
    const QImage sheet = gallery.form.grab().toImage();
    const QString file = shots + "/controls-" + name + ".png";
    EXPECT_TRUE(sheet.scaled(sheet.size() * 2).save(file)) << file.toStdString();
  }
}
