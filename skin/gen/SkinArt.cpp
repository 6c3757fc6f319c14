#include "skin/gen/SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

enum TState { Normal = 0, Hover = 1, Down = 2 };

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QImage NewImage(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

QPainterPath Rounded(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath Ellipse(const QRectF& r) {
  QPainterPath path;
  path.addEllipse(r);
  return path;
}

QLinearGradient Vertical(const QRectF& r, const QGradientStops& stops) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setStops(stops);
  return g;
}

QGradientStops Glossy(const QColor& top, const QColor& bottom) {
  return {{0.0, top}, {0.47, Mix(top, bottom, 0.35)}, {0.53, Mix(top, bottom, 0.7)}, {1.0, bottom}};
}

// Pixels of the image that the shape covers less than half take the pixel of
// surround: the shape's edge keeps its blend with what was painted under it,
// and everything outside is exactly the surround (the key, or the colour a
// control paints around an opaque picture).
void ReplaceOutside(QImage& image, const QPainterPath& shape, const QImage& surround) {
  QImage cover(image.size(), QImage::Format_Grayscale8);
  cover.fill(0);
  {
    QPainter p(&cover);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(shape, Qt::white);
  }
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (cover.constScanLine(y)[x] < 128) image.setPixel(x, y, surround.pixel(x, y));
}

void ReplaceOutside(QImage& image, const QPainterPath& shape, const QColor& surround) {
  ReplaceOutside(image, shape, NewImage(image.width(), image.height(), surround));
}

void KeyOutside(QImage& image, const QPainterPath& shape) { ReplaceOutside(image, shape, SkinKeyColor()); }

// A strip of count equal frames side by side, each painted on its own.
QImage Strip(int width, int height, int count, const QColor& fill, const std::function<QImage(int, int, int)>& frame) {
  QImage strip = NewImage(width, height, fill);
  const int frameWidth = width / count;
  QPainter p(&strip);
  for (int i = 0; i < count; ++i) p.drawImage(i * frameWidth, 0, frame(i, frameWidth, height));
  return strip;
}

struct TFace {
  QColor Top, Bottom, Border;
};

TFace FaceOf(const TSkinPalette& pal, TState state) {
  switch (state) {
    case Hover: return {pal.HoverTop, pal.HoverBottom, pal.HoverBorder};
    case Down: return {pal.DownTop, pal.DownBottom, pal.DownBorder};
    default: return {pal.FaceTop, pal.FaceBottom, pal.FaceBorder};
  }
}

TFace DisabledFace() { return {QColor(246, 246, 246), QColor(228, 228, 228), QColor(172, 172, 172)}; }
QColor DisabledGlyph() { return QColor(160, 160, 160); }

// A bordered, rounded face with a glossy vertical gradient and a light
// inner top line; the caller has painted what lies under its corners.
void PaintFace(QPainter& p, const QRectF& r, double radius, const TFace& face, bool lit) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(Rounded(r, radius), face.Border);
  const QRectF inner = r.adjusted(1, 1, -1, -1);
  p.fillPath(Rounded(inner, std::max(0.0, radius - 1)), Vertical(inner, Glossy(face.Top, face.Bottom)));
  if (lit) p.fillRect(QRectF(inner.left() + radius / 2, inner.top(), inner.width() - radius, 1), WithAlpha(Qt::white, 170));
}

void FillTriangle(QPainter& p, const QPointF& a, const QPointF& b, const QPointF& c, const QColor& color) {
  QPainterPath path(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  p.fillPath(path, color);
}

// An arrow head centred in r, pointing up (0), right (1), down (2) or left (3).
void PaintArrow(QPainter& p, const QRectF& r, int direction, double size, const QColor& color) {
  const QPointF c = r.center();
  const double h = size / 2;
  switch (direction) {
    case 0: FillTriangle(p, {c.x() - size, c.y() + h}, {c.x() + size, c.y() + h}, {c.x(), c.y() - h}, color); break;
    case 1: FillTriangle(p, {c.x() - h, c.y() - size}, {c.x() - h, c.y() + size}, {c.x() + h, c.y()}, color); break;
    case 2: FillTriangle(p, {c.x() - size, c.y() - h}, {c.x() + size, c.y() - h}, {c.x(), c.y() + h}, color); break;
    default: FillTriangle(p, {c.x() + h, c.y() - size}, {c.x() + h, c.y() + size}, {c.x() - h, c.y()}, color); break;
  }
}

void PaintTick(QPainter& p, const QRectF& box, const QColor& color, double width) {
  QPainterPath tick(QPointF(box.left() + box.width() * 0.2, box.top() + box.height() * 0.52));
  tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.74);
  tick.lineTo(box.left() + box.width() * 0.8, box.top() + box.height() * 0.26);
  p.setRenderHint(QPainter::Antialiasing);
  p.strokePath(tick, QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// The title strip's background for the rows from yOffset down, as every
// part of the strip shares it (so that sections and opaque buttons join).
void PaintTitleBackground(QPainter& p, const TSkinPalette& pal, const QRect& area, int yOffset) {
  const QRectF full(area.left(), area.top() - yOffset, area.width(), pal.TitleHeight);
  const int bottom = pal.TitleHeight - 1;
  p.fillRect(area, Vertical(full, {{0.0, pal.TitleTop}, {0.5, pal.TitleMiddle}, {1.0, pal.TitleBottom}}));
  // Gloss over the upper half and a shade line at the bottom.
  const QRectF gloss(full.left(), full.top(), full.width(), pal.TitleHeight * 0.45);
  p.fillRect(gloss.intersected(area), Vertical(gloss, {{0.0, WithAlpha(Qt::white, 90)}, {1.0, WithAlpha(Qt::white, 20)}}));
  p.fillRect(QRectF(full.left(), full.top(), full.width(), 1).intersected(area), WithAlpha(Qt::white, 110));
  p.fillRect(QRectF(full.left(), full.top() + bottom, full.width(), 1).intersected(area), WithAlpha(Qt::black, 70));
  if (pal.TitleBandRow > 0) {
    const QRectF band(full.left(), full.top() + pal.TitleBandRow, full.width(), pal.TitleHeight - pal.TitleBandRow - 1);
    p.fillRect(QRectF(band.left(), band.top() - 1, band.width(), 1).intersected(area), WithAlpha(Qt::black, 90));
    p.fillRect(QRectF(band.left(), band.top(), band.width(), 1).intersected(area), WithAlpha(pal.Accent.lighter(160), 130));
    p.fillRect(band.adjusted(0, 1, 0, 0).intersected(area), Vertical(band, {{0, WithAlpha(pal.Accent, 70)}, {1, WithAlpha(pal.Accent, 0)}}));
  }
}

// What only the left section carries; it fades out before the section's
// right edge so that the client section joins it without a seam.
void PaintTitleDecoration(QPainter& p, const TSkinPalette& pal, int width, int height) {
  p.setRenderHint(QPainter::Antialiasing);
  switch (pal.TitleDecoration) {
    case TSkinPalette::Shine: {
      // Glass reflections sweeping across, fading towards the client part.
      for (int i = 0; i < 3; ++i) {
        const double x = 40 + i * 70;
        QPainterPath band;
        band.moveTo(x, 0);
        band.lineTo(x + 26 + i * 6, 0);
        band.lineTo(x + 6 + i * 6, height);
        band.lineTo(x - 20, height);
        band.closeSubpath();
        p.fillPath(band, WithAlpha(Qt::white, 34 - i * 8));
      }
      QLinearGradient deep(0, 0, width, 0);
      deep.setColorAt(0, WithAlpha(pal.Accent, 70));
      deep.setColorAt(0.6, WithAlpha(pal.Accent, 0));
      p.fillRect(QRect(0, 0, width, height), deep);
      break;
    }
    case TSkinPalette::Plain:
      break;
  }
}

enum class TGlyph { ControlBox, Help, Maximize, Restore, Minimize, Close };

void PaintTitleGlyph(QPainter& p, TGlyph glyph, int size, const QColor& color) {
  const int big = size / 2 - (size / 2) % 2 + 1;  // odd, about half the button
  const int small = big - 2;
  const double a = (size - big) / 2.0, s = (size - small) / 2.0;
  const QRectF box(a, a, big, big), inner(s, s, small, small);
  p.setRenderHint(QPainter::Antialiasing);
  switch (glyph) {
    case TGlyph::ControlBox: {
      // A quaver: the program turns tunes into ringtones.
      p.fillPath(Ellipse(QRectF(box.left(), box.bottom() - box.height() * 0.42, box.width() * 0.55, box.height() * 0.42)), color);
      const double stem = box.left() + box.width() * 0.47;
      p.fillRect(QRectF(stem, box.top(), 1.4, box.height() * 0.8), color);
      QPainterPath flag(QPointF(stem + 1, box.top()));
      flag.cubicTo(stem + 2, box.top() + box.height() * 0.3, box.right() + 0.5, box.top() + box.height() * 0.25, box.right() - 0.5,
                   box.top() + box.height() * 0.62);
      p.strokePath(flag, QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
      break;
    }
    case TGlyph::Help: {
      QPainterPath mark;
      mark.arcMoveTo(QRectF(box.left() + 1, box.top(), box.width() - 2, box.height() * 0.6), 160);
      mark.arcTo(QRectF(box.left() + 1, box.top(), box.width() - 2, box.height() * 0.6), 160, -230);
      mark.lineTo(box.center().x(), box.top() + box.height() * 0.7);
      p.strokePath(mark, QPen(color, size >= 21 ? 2 : 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
      p.fillPath(Ellipse(QRectF(box.center().x() - 1.1, box.bottom() - 2.2, 2.2, 2.2)), color);
      break;
    }
    case TGlyph::Maximize:
      p.setRenderHint(QPainter::Antialiasing, false);
      p.fillRect(QRectF(inner.left(), inner.top(), inner.width(), 2), color);
      p.fillRect(QRectF(inner.left(), inner.top(), 1, inner.height()), color);
      p.fillRect(QRectF(inner.right() - 1, inner.top(), 1, inner.height()), color);
      p.fillRect(QRectF(inner.left(), inner.bottom() - 1, inner.width(), 1), color);
      break;
    case TGlyph::Restore: {
      p.setRenderHint(QPainter::Antialiasing, false);
      const double w = inner.width() - 2;
      p.fillRect(QRectF(inner.left() + 2, inner.top() - 1, w, 2), color);
      p.fillRect(QRectF(inner.right() - 1, inner.top() - 1, 1, w - 1), color);
      const QRectF front(inner.left(), inner.top() + 2, w, inner.height() - 1);
      p.fillRect(QRectF(front.left(), front.top(), front.width(), 2), color);
      p.fillRect(QRectF(front.left(), front.top(), 1, front.height()), color);
      p.fillRect(QRectF(front.right() - 1, front.top(), 1, front.height()), color);
      p.fillRect(QRectF(front.left(), front.bottom() - 1, front.width(), 1), color);
      break;
    }
    case TGlyph::Minimize:
      p.setRenderHint(QPainter::Antialiasing, false);
      p.fillRect(QRectF(inner.left(), inner.bottom() - 2, inner.width(), 2), color);
      break;
    case TGlyph::Close: {
      const QPen pen(color, size >= 21 ? 2.2 : 1.8, Qt::SolidLine, Qt::FlatCap);
      p.setPen(pen);
      p.drawLine(inner.topLeft(), inner.bottomRight());
      p.drawLine(inner.topRight(), inner.bottomLeft());
      p.setPen(Qt::NoPen);
      break;
    }
  }
}

TFace TitleFaceOf(const TSkinPalette& pal, TState state, bool close) {
  if (close && (state != Normal || pal.RedCloseButton)) {
    if (state == Down) return {QColor(168, 34, 20), QColor(214, 72, 52), QColor(118, 22, 12)};
    if (state == Hover) return {QColor(250, 142, 118), QColor(212, 56, 34), QColor(140, 30, 18)};
    return {QColor(238, 118, 92), QColor(196, 48, 28), QColor(130, 28, 16)};
  }
  return {pal.TitleFace[state][0], pal.TitleFace[state][1], pal.TitleFace[state][2]};
}

}  // namespace

const QColor& SkinKeyColor() {
  static const QColor key(255, 0, 255);
  return key;
}

QImage PaintButtonStrip(const TSkinPalette& pal, int width, int height) {
  return Strip(width, height, 3, pal.FormBackground, [&](int state, int w, int h) {
    QImage frame = NewImage(w, h, pal.FormBackground);
    QPainter p(&frame);
    const QRectF r(0, 0, w, h);
    PaintFace(p, r, pal.ButtonRadius, FaceOf(pal, static_cast<TState>(state)), state != Down);
    if (state == Hover)  // a soft ring inside the border
      p.strokePath(Rounded(r.adjusted(1.5, 1.5, -1.5, -1.5), std::max(0, pal.ButtonRadius - 1)), QPen(WithAlpha(pal.Accent, 90), 1));
    p.end();
    ReplaceOutside(frame, Rounded(r, pal.ButtonRadius), pal.KeyedButtonCorners ? SkinKeyColor() : pal.FormBackground);
    return frame;
  });
}

QImage PaintCheckBoxStrip(const TSkinPalette& pal, int width, int height, bool radio) {
  // Frames: checked, unchecked, checked disabled, unchecked disabled.
  return Strip(width, height, 4, pal.FormBackground, [&](int index, int w, int h) {
    QImage frame = NewImage(w, h, pal.FormBackground);
    const bool checked = index % 2 == 0, enabled = index < 2;
    const TFace face = enabled ? TFace{Qt::white, Mix(pal.FaceBottom, Qt::white, 0.4), pal.FaceBorder} : DisabledFace();
    const QColor mark = enabled ? pal.Accent : DisabledGlyph();
    const double side = std::min(w, h) - (radio && w > 13 ? 1 : 0);
    const QRectF box((w - side) / 2, (h - side) / 2, side, side);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    if (radio) {
      p.fillPath(Ellipse(box), face.Border);
      const QRectF inner = box.adjusted(1, 1, -1, -1);
      p.fillPath(Ellipse(inner), Vertical(inner, {{0, Mix(face.Bottom, Qt::black, 0.06)}, {1, face.Top}}));
      if (checked) {
        const QRectF dot = box.adjusted(side * 0.3, side * 0.3, -side * 0.3, -side * 0.3);
        QRadialGradient g(dot.center() - QPointF(0.8, 0.8), dot.width());
        g.setColorAt(0, mark.lighter(160));
        g.setColorAt(1, mark);
        p.fillPath(Ellipse(dot), g);
      }
      p.end();
      KeyOutside(frame, Ellipse(box));
    } else {
      p.setRenderHint(QPainter::Antialiasing, false);
      p.fillRect(box, face.Border);
      const QRectF inner = box.adjusted(1, 1, -1, -1);
      p.fillRect(inner, Vertical(inner, {{0, Mix(face.Bottom, Qt::black, 0.06)}, {1, face.Top}}));
      if (checked) PaintTick(p, inner, mark, side >= 15 ? 2.2 : 1.9);
    }
    return frame;
  });
}

QImage PaintCheckListStrip(const TSkinPalette& pal, int width, int height) {
  return PaintCheckBoxStrip(pal, width, height, false);
}

QImage PaintTitleButtonStrip(const TSkinPalette& pal, int width, int height) {
  // Groups of normal, hover, pressed: control box, help, maximise, restore,
  // minimise, close.
  static const TGlyph glyphs[] = {TGlyph::ControlBox, TGlyph::Help,     TGlyph::Maximize,
                                  TGlyph::Restore,    TGlyph::Minimize, TGlyph::Close};
  return Strip(width, height, 18, pal.TitleMiddle, [&](int index, int w, int h) {
    const TGlyph glyph = glyphs[index / 3];
    const auto state = static_cast<TState>(index % 3);
    const bool close = glyph == TGlyph::Close;
    QImage frame = NewImage(w, h, pal.TitleMiddle);
    QPainter p(&frame);
    PaintTitleBackground(p, pal, QRect(0, 0, w, h), pal.TitleButtonTop);
    const QImage background = frame.copy();
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const bool flat = state == Normal && pal.FlatTitleButtons && !(close && pal.RedCloseButton);
    const TFace face = TitleFaceOf(pal, state, close);
    if (!flat) PaintFace(p, r, pal.ButtonRadius + 1, face, state != Down);
    const bool light = close && (state != Normal || pal.RedCloseButton);
    p.translate(state == Down ? 0.5 : 0, state == Down ? 0.5 : 0);
    PaintTitleGlyph(p, glyph, w, light ? QColor(Qt::white) : pal.TitleGlyph);
    p.end();
    if (pal.KeyedTitleButtons)
      KeyOutside(frame, Rounded(r, pal.ButtonRadius + 1));
    else if (!flat)
      ReplaceOutside(frame, Rounded(r, pal.ButtonRadius + 1), background);
    return frame;
  });
}

// One arrow button of a scroll bar, pointing back (up) or forward (down).
QImage PaintScrollBarButton(const TSkinPalette& pal, int w, int h, bool forward, const TFace& face, bool pressed,
                            const QColor& glyph) {
  QImage frame = NewImage(w, h, pal.ScrollBarBackground);
  QPainter p(&frame);
  PaintFace(p, QRectF(0, 0, w, h), 2.5, face, !pressed);
  PaintArrow(p, QRectF(0, 0, w, h).translated(pressed ? 0.5 : 0, pressed ? 0.5 : 0), forward ? 2 : 0,
             std::min(w, h) * 0.25, glyph);
  p.end();
  ReplaceOutside(frame, Rounded(QRectF(0, 0, w, h), 2.5), pal.ScrollBarBackground);
  return frame;
}

QImage PaintScrollBarButtonStrip(const TSkinPalette& pal, int width, int height) {
  // Back arrow (up) normal, hover, pressed; forward arrow (down) the same.
  return Strip(width, height, 6, pal.ScrollBarBackground, [&](int index, int w, int h) {
    const auto state = static_cast<TState>(index % 3);
    return PaintScrollBarButton(pal, w, h, index >= 3, FaceOf(pal, state), state == Down, pal.Glyph);
  });
}

QImage PaintScrollBarDisabledButtonStrip(const TSkinPalette& pal, int width, int height) {
  // Back arrow (up), forward arrow (down), greyed.
  return Strip(width, height, 2, pal.ScrollBarBackground, [&](int index, int w, int h) {
    return PaintScrollBarButton(pal, w, h, index == 1, DisabledFace(), false, DisabledGlyph());
  });
}

QImage PaintScrollBarThumbStrip(const TSkinPalette& pal, int width, int height) {
  // Start cap, middle (stretched along the bar, so it is the same in every
  // column), end cap; drawn for a horizontal bar.
  const int w = width / 3;
  QImage strip = NewImage(width, height, pal.ScrollBarBackground);
  QPainter p(&strip);
  const QRectF thumb(0, 1, 3 * w, height - 2);
  const double radius = std::min(w, height / 2) - 1.5;
  PaintFace(p, thumb, radius, FaceOf(pal, Normal), true);
  // Grip ridges on the caps, where nothing is stretched.
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int cap : {0, 2})
    for (int i = 0; i < 2; ++i) {
      const int x = cap == 0 ? w - 2 - 2 * i : 2 * w + 1 + 2 * i;
      p.fillRect(QRect(x, height / 2 - 3, 1, 6), WithAlpha(pal.FaceBorder, 110));
    }
  p.end();
  ReplaceOutside(strip, Rounded(thumb, radius), pal.ScrollBarBackground);
  for (int x = w; x < 2 * w; ++x)
    for (int y = 0; y < height; ++y) strip.setPixel(x, y, strip.pixel(w + w / 2, y));
  return strip;
}

QImage PaintTabScrollButtonStrip(const TSkinPalette& pal, int width, int height) {
  // Forward normal, forward hot, back normal, back hot; drawn keyed.
  return Strip(width, height, 4, SkinKeyColor(), [&](int index, int w, int h) {
    QImage frame = NewImage(w, h, pal.FormBackground);
    QPainter p(&frame);
    const QRectF r(1, 1, w - 2, h - 2);
    PaintFace(p, r, 3, FaceOf(pal, index % 2 ? Hover : Normal), true);
    PaintArrow(p, r, index < 2 ? 1 : 3, std::min(w, h) * 0.2, pal.Glyph);
    p.end();
    KeyOutside(frame, Rounded(r, 3));
    return frame;
  });
}

QImage PaintTabStrip(const TSkinPalette& pal, int width, int height) {
  // Frame 1 the selected tab (open at the bottom into the page), frame 2 the
  // others (a little lower). Drawn in three parts with the key at the ends:
  // the middle third, which is stretched, holds no key colour.
  return Strip(width, height, 2, pal.FormBackground, [&](int index, int w, int h) {
    const bool selected = index == 0;
    const double radius = std::min(3.0, w / 3.0);
    const int top = selected ? 0 : std::max(1, h / 9);
    QImage frame = NewImage(w, h, pal.FormBackground);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, top, w, h - top + radius + 1), radius, radius);
    shape = shape.intersected(Rounded(QRectF(0, 0, w, h), 0));
    p.fillPath(shape, pal.ControlBorder);
    const QRectF inner(1, top + 1, w - 2, h - top);
    const QColor fill = selected ? pal.TabBody : Mix(pal.FaceBottom, pal.FormBackground, 0.35);
    QPainterPath innerShape;
    innerShape.addRoundedRect(QRectF(inner.left(), inner.top(), inner.width(), inner.height() + radius), radius - 1, radius - 1);
    p.fillPath(innerShape.intersected(Rounded(inner, 0)),
               Vertical(inner, {{0, selected ? pal.TabBody : Mix(fill, Qt::white, 0.6)}, {1, fill}}));
    if (selected) p.fillRect(QRectF(inner.left() + 1, inner.top(), inner.width() - 2, std::max(1, h / 12)), pal.Accent);
    p.end();
    KeyOutside(frame, shape);
    // The stretched middle third is drawn opaque: its corners lie on the strip.
    for (int x = w / 3; x < 2 * (w / 3); ++x)
      for (int y = 0; y < h; ++y)
        if (frame.pixelColor(x, y) == SkinKeyColor()) frame.setPixelColor(x, y, pal.FormBackground);
    return frame;
  });
}

QImage PaintTitle(const TSkinPalette& pal, TTitlePart part, int width, int height) {
  QImage image = NewImage(width, height, pal.TitleMiddle);
  QPainter p(&image);
  PaintTitleBackground(p, pal, QRect(0, 0, width, height), 0);
  if (part == TTitlePart::Left) PaintTitleDecoration(p, pal, width, height);
  return image;
}

QImage PaintProgressBar(const TSkinPalette& pal, int width, int height) {
  QImage image = NewImage(width, height, Qt::white);
  QPainter p(&image);
  const int chunk = width > 2 ? width - (width > 8 ? 2 : 1) : width;
  p.fillRect(QRect(0, 0, chunk, height), Vertical(QRectF(0, 0, width, height), Glossy(pal.Accent.lighter(150), pal.Accent)));
  return image;
}

QImage PaintTrackBarBar(const TSkinPalette& pal, int width, int height) {
  // A sunken groove; its round ends are keyed, its stretched middle third is not.
  QImage image = NewImage(width, height, pal.FormBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, width, height);
  const double radius = height / 2.0;
  p.fillPath(Rounded(r, radius), pal.FaceBorder);
  const QRectF inner = r.adjusted(1, 1, -1, -1);
  p.fillPath(Rounded(inner, std::max(0.0, radius - 1)),
             Vertical(inner, {{0, Mix(pal.FaceBottom, pal.FaceBorder, 0.45)}, {1, pal.FaceTop}}));
  p.end();
  KeyOutside(image, Rounded(r, radius));
  return image;
}

namespace {

// A slider thumb pointing down (horizontal bar) in an image w x h.
QPainterPath PointedThumb(const QRectF& r, double tip) {
  const double radius = 2;
  QPainterPath path;
  path.moveTo(r.left(), r.bottom() - tip);
  path.lineTo(r.left(), r.top() + radius);
  path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
  path.lineTo(r.right() - radius, r.top());
  path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
  path.lineTo(r.right(), r.bottom() - tip);
  path.lineTo(r.center().x(), r.bottom());
  path.closeSubpath();
  return path;
}

// A track bar thumb of width x length pointing down, painted through the
// transform into image; outside it lies surround.
void PaintThumb(QImage& image, const TSkinPalette& pal, const QTransform& place, double width, double length, const QColor& surround) {
  QPainter p(&image);
  p.setTransform(place);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, width, length);
  const double tip = width / 2.0;
  p.fillPath(PointedThumb(r, tip), pal.FaceBorder);
  const QRectF inner = r.adjusted(1, 1, -1, -1.6);
  p.fillPath(PointedThumb(inner, tip - 1), Vertical(inner, Glossy(pal.FaceTop, pal.FaceBottom)));
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < 3; ++i) p.fillRect(QRectF(3, 4 + 3 * i, width - 6, 1), WithAlpha(pal.Accent, 150));
  p.end();
  ReplaceOutside(image, place.map(PointedThumb(r, tip)), surround);
}

}  // namespace

QImage PaintTrackBarSlider(const TSkinPalette& pal, int width, int height) {
  QImage image = NewImage(width, height, pal.FormBackground);
  PaintThumb(image, pal, QTransform(), width, height, SkinKeyColor());
  return image;
}

QImage PaintTrackBarSliderVertical(const TSkinPalette& pal, int width, int height) {
  // Drawn opaque: around it shows the control's colour, the style's form colour.
  QImage image = NewImage(width, height, pal.FormBackground);
  QTransform onItsSide;  // pointing left
  onItsSide.translate(width, 0);
  onItsSide.rotate(90);
  PaintThumb(image, pal, onItsSide, height, width, pal.FormBackground);
  return image;
}

QImage PaintTabLine(const TSkinPalette& pal, int width, int height) {
  // The line under the tabs, then the page colour the tab body continues.
  QImage image = NewImage(width, height, pal.TabBody);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, width, 1), pal.ControlBorder);
  if (height > 2) p.fillRect(QRect(0, 1, width, 1), Mix(pal.TabBody, Qt::white, 0.6));
  return image;
}

QImage PaintSideChannelHandle(const TSkinPalette& pal, int width, int height) {
  QImage image = NewImage(width, height, pal.FormBackground);
  QPainter p(&image);
  const QRectF r(0, 0, width, height);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(Rounded(r, 2.5), pal.FaceBorder);
  const QRectF inner = r.adjusted(1, 1, -1, -1);
  QLinearGradient across(inner.topLeft(), inner.topRight());
  across.setStops(Glossy(pal.FaceTop, pal.FaceBottom));
  p.fillPath(Rounded(inner, 1.5), across);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = -2; i <= 2; ++i) {
    p.fillRect(QRect(width / 2 - 1, height / 2 + 4 * i - 1, 2, 2), pal.FaceBorder);
    p.fillRect(QRect(width / 2, height / 2 + 4 * i, 1, 1), Qt::white);
  }
  p.end();
  ReplaceOutside(image, Rounded(r, 2.5), pal.FormBackground);
  return image;
}

QImage PaintSideChannelBar(const TSkinPalette& pal, int width, int height) {
  QImage image = NewImage(width, height, pal.FormBackground);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, width, height), Vertical(QRectF(0, 0, width, height), Glossy(pal.FaceTop, pal.FaceBottom)));
  p.fillRect(QRect(0, height - 1, width, 1), pal.FaceBorder);
  return image;
}

QImage PaintFormBackground(const TSkinPalette& pal, int width, int height) {
  // A faint brush pattern around the form colour: brushed lines for metal,
  // a diagonal glint for glass.
  QImage image = NewImage(width, height, pal.FormBackground);
  static const int shade[8] = {2, 0, -1, 1, -2, 0, 1, -1};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool glint = pal.TitleDecoration == TSkinPalette::Shine;
      const int d = glint ? ((x + y) % 8 == 0 ? -4 : 0) : shade[y % 8] + ((x * 5 + y * 3) % 7 == 0 ? 1 : 0);
      const QColor c = pal.FormBackground;
      image.setPixelColor(x, y, QColor(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                                       std::clamp(c.blue() + d + (glint && d ? 2 : 0), 0, 255)));
    }
  return image;
}

QImage PaintMenuBar(const TSkinPalette& pal, int width, int height) {
  // Rows 0 to 19 are the bar and the item background, rows 0 to 11 the
  // separator; the last rows close the bar.
  QImage image = NewImage(width, height, pal.FormBackground);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, width, 20), Vertical(QRectF(0, 0, width, 20), {{0, QColor(252, 252, 252)}, {1, QColor(220, 220, 220)}}));
  p.fillRect(QRect(0, 20, width, height - 20), pal.FaceBorder.lighter(130));
  if (height > 21) p.fillRect(QRect(0, 21, width, height - 21), pal.FaceBorder);
  return image;
}

QImage PaintMenuSelect(const TSkinPalette& pal, int width, int height) {
  QImage image = NewImage(width, height, pal.Accent);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, width, 20), Vertical(QRectF(0, 0, width, 20), Glossy(pal.Accent.lighter(150), pal.Accent.darker(110))));
  p.fillRect(QRect(0, 20, width, height - 20), pal.Accent.darker(150));
  return image;
}

QImage PaintComboBoxButton(const TSkinPalette& pal, int width, int height, bool withArrow) {
  QImage image = NewImage(width, height, pal.FormBackground);
  QPainter p(&image);
  PaintFace(p, QRectF(0, 0, width, height), 1.5, FaceOf(pal, Normal), true);
  if (withArrow) PaintArrow(p, QRectF(0, 0, width, height), 2, 3.5, pal.Glyph);
  p.end();
  ReplaceOutside(image, Rounded(QRectF(0, 0, width, height), 1.5), pal.FormBackground);
  return image;
}

QImage PaintMessageIcons(int width, int height) {
  // Four icons of height x height: warning, stop, information, question.
  const QColor ground(240, 240, 240);
  return Strip(width, height, 4, ground, [&](int index, int w, int h) {
    QImage frame = NewImage(w, h, ground);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(3, 3, w - 6, h - 6);
    static const QColor tops[] = {QColor(255, 232, 96), QColor(246, 96, 84), QColor(96, 164, 255), QColor(118, 212, 112)};
    static const QColor bottoms[] = {QColor(236, 170, 10), QColor(186, 22, 20), QColor(22, 82, 204), QColor(28, 138, 38)};
    static const QColor borders[] = {QColor(168, 116, 0), QColor(128, 12, 10), QColor(12, 50, 140), QColor(18, 88, 22)};
    QPainterPath shape;
    if (index == 0) {
      shape.moveTo(r.center().x(), r.top());
      shape.lineTo(r.right(), r.bottom() - 2);
      shape.lineTo(r.left(), r.bottom() - 2);
      shape.closeSubpath();
      QPainterPathStroker round;
      round.setWidth(5);
      round.setJoinStyle(Qt::RoundJoin);
      shape = shape.united(round.createStroke(shape));
    } else {
      shape = Ellipse(r);
    }
    p.fillPath(shape, borders[index]);
    const QTransform shrink = QTransform().translate(r.center().x(), r.center().y()).scale(0.92, 0.92).translate(-r.center().x(), -r.center().y());
    p.fillPath(shrink.map(shape), Vertical(r, {{0, tops[index]}, {1, bottoms[index]}}));
    p.fillPath(Ellipse(QRectF(r.left() + r.width() * 0.22, r.top() + 2, r.width() * 0.56, r.height() * 0.38)), WithAlpha(Qt::white, 70));
    const QColor ink = index == 0 ? QColor(50, 36, 0) : QColor(Qt::white);
    const QPointF c = r.center();
    switch (index) {
      case 0:  // "!"
        p.fillPath(Rounded(QRectF(c.x() - 2.2, r.top() + 9, 4.4, 15), 2), ink);
        p.fillPath(Ellipse(QRectF(c.x() - 2.5, r.top() + 26, 5, 5)), ink);
        break;
      case 1: {  // a cross
        const QPen pen(ink, 4.5, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(c.x() - 7, c.y() - 7), QPointF(c.x() + 7, c.y() + 7));
        p.drawLine(QPointF(c.x() + 7, c.y() - 7), QPointF(c.x() - 7, c.y() + 7));
        break;
      }
      case 2:  // "i"
        p.fillPath(Ellipse(QRectF(c.x() - 2.8, c.y() - 12, 5.6, 5.6)), ink);
        p.fillPath(Rounded(QRectF(c.x() - 2.4, c.y() - 4, 4.8, 15), 1.5), ink);
        break;
      default: {  // "?"
        QPainterPath mark;
        const QRectF bowl(c.x() - 7, c.y() - 13, 14, 13);
        mark.arcMoveTo(bowl, 165);
        mark.arcTo(bowl, 165, -240);
        mark.lineTo(c.x(), c.y() + 4);
        p.strokePath(mark, QPen(ink, 4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.fillPath(Ellipse(QRectF(c.x() - 2.5, c.y() + 7, 5, 5)), ink);
        break;
      }
    }
    return frame;
  });
}

QImage PaintMenuCheckMark(int width, int height) {
  // White is the mask colour: only the mark is drawn.
  QImage image = NewImage(width, height, Qt::white);
  {
    QPainter p(&image);
    PaintTick(p, QRectF(3, 3, width - 6, height - 6), QColor(32, 32, 32), 2.2);
  }
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (qGray(image.pixel(x, y)) >= 232) image.setPixel(x, y, qRgb(255, 255, 255));
  return image;
}

QImage PaintStatusBarGrip(int width, int height) {
  // Dots in a triangle in the lower-right corner on the key colour.
  QImage image = NewImage(width, height, SkinKeyColor());
  QPainter p(&image);
  for (int cy = height - 4; cy >= 0; cy -= 3)
    for (int cx = width - 4; cx >= 0; cx -= 3)
      if (cx + cy >= width + height - 14) {
        p.fillRect(QRect(cx + 1, cy + 1, 2, 2), Qt::white);
        p.fillRect(QRect(cx, cy, 2, 2), QColor(128, 128, 128));
      }
  return image;
}
