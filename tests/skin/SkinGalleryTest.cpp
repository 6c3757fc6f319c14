// A gallery for people to look at: each built-in style's bitmaps put
// together roughly as the controls put them (title bar, buttons in their
// three states, check and radio boxes, scroll and track bars, tabs), and the
// raw strips below, written to build/shots/skin-<style>.png.
#include <gtest/gtest.h>

#include <QDir>
#include <QFont>
#include <QPainter>
#include <string>

#include "skin/SkinThemes.h"
#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"

namespace {

QImage Frame(const QImage& strip, int count, int number) {
  const int w = strip.width() / count;
  return strip.copy(w * (number - 1), 0, w, strip.height());
}

QImage Keyed(const QImage& image) { return KeyedImage(image, clSkinKey); }
QImage KeyedByLowerLeft(const QImage& image) { return KeyedImage(image, QRgbToColor(image.pixel(0, image.height() - 1))); }

QImage Rotated(const QImage& image, int degrees) { return image.transformed(QTransform().rotate(degrees)); }

// Corners kept, edges and centre stretched (the edges always keyed).
void DrawNineParts(QPainter& p, const QImage& frame, const QRect& r, bool keyedCorners) {
  const int hw = frame.width() / 2, hh = frame.height() / 2, w = frame.width(), h = frame.height();
  const QImage keyed = Keyed(frame), corners = keyedCorners ? keyed : frame;
  const int rw = w - hw - 1, bh = h - hh - 1;  // the right and bottom corners
  const int W = r.width(), H = r.height();
  p.drawImage(QRect(r.left(), r.top(), W, H), keyed, QRect(hw, hh, 1, 1));
  p.drawImage(QRect(r.left() + hw, r.top(), W - hw - rw, hh), keyed, QRect(hw, 0, 1, hh));
  p.drawImage(QRect(r.left() + hw, r.bottom() + 1 - bh, W - hw - rw, bh), keyed, QRect(hw, hh + 1, 1, bh));
  p.drawImage(QRect(r.left(), r.top() + hh, hw, H - hh - bh), keyed, QRect(0, hh, hw, 1));
  p.drawImage(QRect(r.right() + 1 - rw, r.top() + hh, rw, H - hh - bh), keyed, QRect(hw + 1, hh, rw, 1));
  p.drawImage(r.topLeft(), corners, QRect(0, 0, hw, hh));
  p.drawImage(QPoint(r.right() + 1 - (w - hw - 1), r.top()), corners, QRect(hw + 1, 0, w - hw - 1, hh));
  p.drawImage(QPoint(r.left(), r.bottom() + 1 - (h - hh - 1)), corners, QRect(0, hh + 1, hw, h - hh - 1));
  p.drawImage(QPoint(r.right() + 1 - (w - hw - 1), r.bottom() + 1 - (h - hh - 1)), corners, QRect(hw + 1, hh + 1, w - hw - 1, h - hh - 1));
}

// Ends kept and keyed, middle third stretched.
void DrawThreeParts(QPainter& p, const QImage& picture, const QRect& r) {
  const int w3 = picture.width() / 3, h = picture.height();
  const QImage keyed = Keyed(picture);
  p.drawImage(QRect(r.left() + w3, r.top(), r.width() - 2 * w3, h), picture, QRect(w3, 0, w3, h));
  p.drawImage(r.topLeft(), keyed, QRect(0, 0, w3, h));
  p.drawImage(QPoint(r.right() + 1 - w3, r.top()), keyed, QRect(picture.width() - w3, 0, w3, h));
}

class TGallery {
 public:
  TGallery(const std::string& prefix, TSkinUIStyle style) : FPrefix(prefix), FStyle(style) {}

  QImage Paint() {
    QImage sheet(560, 790, QImage::Format_RGB32);
    sheet.fill(Color(SkinItem::FormBackgroundColor));
    QPainter p(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    p.setFont(font);
    TitleBar(p, 10, 10, 1);
    TitleBar(p, 10, 56, 2);
    TitleBar(p, 10, 102, 3);
    Buttons(p, 10, 150);
    Boxes(p, 10, 190);
    ScrollBars(p, 10, 240);
    TrackBars(p, 200, 240);
    Tabs(p, 10, 415);
    Misc(p, 10, 530);
    Raw(p, 10, 610);
    return sheet;
  }

 private:
  QImage Res(const std::string& part) const { return LoadBitmapResource(FPrefix + part); }
  QImage Item(int item) const { return LoadBitmapResource(GetBuiltInThemeItem(FStyle, item).BitmapName); }
  QColor Color(int item) const { return ColorToQColor(GetBuiltInThemeColor(FStyle, item)); }
  int Integer(int item) const { return GetBuiltInThemeInteger(FStyle, item); }

  // A 440-pixel title bar with its buttons in one state (1 normal, 2 hover, 3 pressed).
  void TitleBar(QPainter& p, int x, int y, int state) {
    const QImage left = Res("TITLE_LEFT"), client = Res("TITLE_CLIENT"), right = Res("TITLE_RIGHT");
    const int W = 440, H = left.height();
    p.drawImage(QRect(x + left.width(), y, W - left.width() - right.width(), H), client);
    p.drawImage(x, y, left);
    p.drawImage(x + W - right.width(), y, right);
    const QImage buttons = Res("TITLEBTN");
    const bool transparent = GetBuiltInThemeBool(FStyle, SkinItem::TitleBarButtonTransparentBool);
    const int top = Integer(SkinItem::TitleBarButtonTopInt), size = buttons.height();
    int rightX = W + Integer(SkinItem::TitleBarButtonRightOffsetInt) + 1;
    for (const int first : {16, 7, 13}) {
      rightX -= size + 1;
      const QImage frame = Frame(buttons, 18, first + state - 1);
      p.drawImage(x + rightX, y + top, transparent ? KeyedByLowerLeft(frame) : frame);
    }
    const int leftX = Integer(SkinItem::TitleBarButtonLeftOffsetInt);
    const QImage box = Frame(buttons, 18, state);
    p.drawImage(x + leftX, y + top, transparent ? KeyedByLowerLeft(box) : box);
    const QImage help = Frame(buttons, 18, 3 + state);
    p.drawImage(x + rightX - size - 1, y + top, transparent ? KeyedByLowerLeft(help) : help);
    p.setPen(FStyle == TSkinUIStyle::Silver ? Qt::black : Qt::white);
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    p.drawText(QRect(x + leftX + size + 5, y + top, 300, size), Qt::AlignVCenter, "Carolune - ringtone.mid");
    p.restore();
  }

  void Buttons(QPainter& p, int x, int y) {
    const QImage strip = Item(SkinItem::ButtonImage);
    const bool keyed = GetBuiltInThemeBool(FStyle, SkinItem::ButtonTransparentBool);
    const char* captions[] = {"Normal", "Hover", "Pressed", "Wide button"};
    for (int i = 0; i < 4; ++i) {
      const QRect r(x + i * 96, y, i == 3 ? 150 : 86, 27);
      DrawNineParts(p, Frame(strip, 3, i == 3 ? 1 : i + 1), r, keyed);
      p.setPen(Qt::black);
      p.drawText(r.translated(i == 2 ? 1 : 0, i == 2 ? 1 : 0), Qt::AlignCenter, captions[i]);
    }
  }

  void Boxes(QPainter& p, int x, int y) {
    const QImage checks = Item(SkinItem::CheckBoxImage), radios = Item(SkinItem::RadioButtonImage);
    const char* captions[] = {"Checked", "Unchecked", "Disabled", "Disabled"};
    for (int i = 0; i < 4; ++i) {
      const QImage check = Frame(checks, 4, i + 1), radio = KeyedByLowerLeft(Frame(radios, 4, i + 1));
      p.drawImage(x + i * 130, y, check);
      p.drawImage(x + i * 130, y + 24, radio);
      p.setPen(i < 2 ? Qt::black : Qt::gray);
      p.drawText(x + i * 130 + check.width() + 4, y + check.height() - 3, captions[i]);
      p.drawText(x + i * 130 + radio.width() + 4, y + 24 + radio.height() - 3, captions[i]);
    }
  }

  void ScrollBars(QPainter& p, int x, int y) {
    const QImage arrows = Item(SkinItem::ScrollBarButtonImage), thumb = Item(SkinItem::ScrollBarSliderImage);
    const QColor back = Color(SkinItem::ScrollBarBackgroundColor);
    for (int state = 1; state <= 3; ++state) {  // vertical bars, one per arrow state
      const QImage up = Frame(arrows, 6, state), down = Frame(arrows, 6, 3 + state);
      const int bx = x + (state - 1) * (up.width() + 8), height = 130;
      p.fillRect(bx, y, up.width(), height, back);
      p.drawImage(bx, y, up);
      p.drawImage(bx, y + height - down.height(), down);
      const QImage start = Rotated(Frame(thumb, 3, 1), 90), middle = Rotated(Frame(thumb, 3, 2), 90), end = Rotated(Frame(thumb, 3, 3), 90);
      const int ty = y + up.height() + 10 + state * 8, length = 50;
      p.drawImage(bx, ty, start);
      p.drawImage(QRect(bx, ty + start.height(), middle.width(), length - start.height() - end.height()), middle);
      p.drawImage(bx, ty + length - end.height(), end);
    }
    const int hy = y + 140, width = 170;  // a horizontal bar
    const QImage leftArrow = Rotated(Frame(arrows, 6, 1), -90), rightArrow = Rotated(Frame(arrows, 6, 5), -90);
    p.fillRect(x, hy, width, leftArrow.height(), back);
    p.drawImage(x, hy, leftArrow);
    p.drawImage(x + width - rightArrow.width(), hy, rightArrow);
    const QImage start = Frame(thumb, 3, 1), middle = Frame(thumb, 3, 2), end = Frame(thumb, 3, 3);
    const int tx = x + leftArrow.width() + 30, length = 70;
    p.drawImage(tx, hy, start);
    p.drawImage(QRect(tx + start.width(), hy, length - start.width() - end.width(), middle.height()), middle);
    p.drawImage(tx + length - end.width(), hy, end);
  }

  void TrackBars(QPainter& p, int x, int y) {
    const QImage bar = Item(SkinItem::TrackBarBarImage), slider = Item(SkinItem::TrackBarSliderImage);
    const QImage vslider = Item(SkinItem::TrackBarSliderVImage);
    const int length = 220;
    const QRect r(x, y + (slider.height() - bar.height()) / 2, length, bar.height());
    DrawThreeParts(p, bar, r);
    p.drawImage(x + 70, y, KeyedByLowerLeft(slider));
    const QImage vbar = Rotated(bar.copy(), -90);
    QImage vertical(vbar.width(), 110, QImage::Format_RGB32);
    vertical.fill(Color(SkinItem::FormBackgroundColor));
    {
      QImage strip(110, bar.height(), QImage::Format_RGB32);
      strip.fill(Color(SkinItem::FormBackgroundColor));
      QPainter sp(&strip);
      DrawThreeParts(sp, bar, QRect(0, 0, 110, bar.height()));
      sp.end();
      vertical = Rotated(strip, -90);
    }
    const int vx = x + 20;
    p.drawImage(vx + (vslider.width() - vertical.width()) / 2, y + 40, vertical);
    p.drawImage(vx, y + 80, vslider);
    const QImage progress = Item(SkinItem::ProgressBarImage);
    for (int px = 0; px + progress.width() <= 150; px += progress.width()) p.drawImage(x + 60 + px, y + 60, progress);
  }

  void Tabs(QPainter& p, int x, int y) {
    const QImage tabs = Item(SkinItem::TabControlTabImage), line = Item(SkinItem::TabControlBarImage);
    const QImage arrows = Item(SkinItem::ScrollButtonImage);
    const QImage selected = Frame(tabs, 2, 1), other = Frame(tabs, 2, 2);
    const int W = 360, h = other.height();
    const QColor border = Color(SkinItem::ControlBorderColor);
    const QColor body = FStyle == TSkinUIStyle::Azure ? QColor(Qt::white) : Color(SkinItem::ControlBackgroundColor);
    p.drawImage(QRect(x + 1, y + h, W - 2, line.height()), line);
    p.fillRect(x, y + h, 1, line.height(), border);
    p.fillRect(x + W - 1, y + h, 1, line.height(), border);
    const int top = y + h + line.height();
    p.fillRect(x, top, W, 60, body);
    p.fillRect(x, top, 1, 60, border);
    p.fillRect(x + W - 1, top, 1, 60, border);
    p.fillRect(x, top + 59, W, 1, border);
    int tx = x + 10;
    const char* captions[] = {"Source", "RTTTL", "iMelody", "KeyPress"};
    for (int i = 0; i < 4; ++i) {
      const int width = p.fontMetrics().horizontalAdvance(captions[i]) + 20;
      const bool isSelected = i == 1;
      const QRect r(tx, isSelected ? y + 1 : y, width, h);
      DrawThreeParts(p, isSelected ? selected : other, r);
      p.setPen(Qt::black);
      p.drawText(r, Qt::AlignCenter, captions[i]);
      tx += width;
    }
    const QImage forward = Frame(arrows, 4, 1), backward = Frame(arrows, 4, 4);
    const int ay = y + (h + line.height() - forward.height()) / 2 - 2;
    p.drawImage(x + W - 2 - forward.width(), ay, KeyedByLowerLeft(forward));
    p.drawImage(x + W - 2 - 2 * forward.width(), ay, KeyedByLowerLeft(backward));
  }

  void Misc(QPainter& p, int x, int y) {
    int mx = x;
    const auto place = [&](const QImage& image) {
      p.drawImage(mx, y, image);
      mx += image.width() + 12;
    };
    place(Item(SkinItem::CheckListBoxImage));
    place(Item(SkinItem::SideChannelHandleImage).scaled(8, 60));
    place(Item(SkinItem::SideChannelBarImage).scaled(40, 21));
    if (FStyle == TSkinUIStyle::Silver || FStyle == TSkinUIStyle::Crystal) {
      QImage tiled(48, 48, QImage::Format_RGB32);
      QPainter tp(&tiled);
      tp.fillRect(tiled.rect(), QBrush(Res("FORM_BACKGROUND")));
      tp.end();
      place(tiled);
    }
    if (FStyle == TSkinUIStyle::Silver) {
      place(Res("MENU_BAR").copy(0, 0, 1, 20).scaled(110, 20));
      place(Res("MENU_SELECT").copy(0, 0, 1, 20).scaled(110, 20));
    }
    if (FStyle == TSkinUIStyle::Silver || FStyle == TSkinUIStyle::Azure) place(Res("COMBOBOX_BUTTON"));
    if (FStyle == TSkinUIStyle::Midnight) {
      place(LoadBitmapResource("MSGDLG"));
      place(KeyedImage(LoadBitmapResource("MENU_CHECKED"), clWhite));
      place(KeyedByLowerLeft(LoadBitmapResource("STATUSBAR_HANDLE")));
    }
  }

  // Every strip of the style as it is stored, key colour and all.
  void Raw(QPainter& p, int x, int y) {
    int rx = x, ry = y, rowHeight = 0;
    for (int item = 1; item <= SkinThemeItemCount; ++item) {
      if (GetBuiltInThemeItem(FStyle, item).Kind != TSkinThemeItemKind::Bitmap) continue;
      const QImage image = Item(item);
      if (image.height() > 40) continue;
      if (rx + image.width() > 550) {
        rx = x;
        ry += rowHeight + 6;
        rowHeight = 0;
      }
      p.drawImage(rx, ry, image);
      rx += image.width() + 6;
      rowHeight = std::max(rowHeight, image.height());
    }
  }

  std::string FPrefix;
  TSkinUIStyle FStyle;
};

}  // namespace

TEST(SkinGallery, WritesOneSheetPerStyle) {
  const QString shots = QString(CAROLUNE_BIN_DIR) + "/../shots";
  ASSERT_TRUE(QDir().mkpath(shots));
  const std::pair<const char*, TSkinUIStyle> styles[] = {{"SILVER_", TSkinUIStyle::Silver},
                                                         {"AZURE_", TSkinUIStyle::Azure},
                                                         {"MIDNIGHT_", TSkinUIStyle::Midnight},
                                                         {"CRYSTAL_", TSkinUIStyle::Crystal},
                                                         {"FROST_", TSkinUIStyle::Frost}};
  for (const auto& [prefix, style] : styles) {
    const QImage sheet = TGallery(prefix, style).Paint();
    const QString name = shots + "/skin-" + QString(prefix).toLower().chopped(1) + ".png";
    EXPECT_TRUE(sheet.scaled(sheet.size() * 2).save(name)) << name.toStdString();
  }
}
