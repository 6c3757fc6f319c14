#include "windowing/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cstdlib>

// A painter set up for one operation: no antialiasing, the clipping in
// surface pixels, then the logical origin. A null surface paints nothing.
class TCanvas::Painter {
 public:
  explicit Painter(TCanvas& canvas) {
    if (canvas.FImage->isNull()) return;
    FPainter.emplace(canvas.FImage);
    if (canvas.FClip) FPainter->setClipRect(*canvas.FClip);
    FPainter->translate(canvas.FOrigin.X, canvas.FOrigin.Y);
  }
  explicit operator bool() const { return FPainter.has_value(); }
  QPainter* operator->() { return &*FPainter; }

 private:
  std::optional<QPainter> FPainter;
};

namespace {

QBrush QtBrush(const TBrush& brush) {
  if (brush.Style == TBrushStyle::bsClear) return Qt::NoBrush;
  if (!brush.Pattern.isNull()) return QBrush(brush.Pattern);
  return QBrush(ColorToQColor(brush.Color));
}

bool HasBrush(const TBrush& brush) { return brush.Style != TBrushStyle::bsClear; }

// The layout flags of Qt for the platform's text flags.
int QtTextFlags(unsigned flags) {
  int qt = 0;
  if (flags & DT_CENTER)
    qt |= Qt::AlignHCenter;
  else if (flags & DT_RIGHT)
    qt |= Qt::AlignRight;
  else
    qt |= Qt::AlignLeft;
  if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
    qt |= Qt::AlignVCenter;
  else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
    qt |= Qt::AlignBottom;
  else
    qt |= Qt::AlignTop;
  qt |= (flags & DT_SINGLELINE) ? Qt::TextSingleLine : (flags & DT_WORDBREAK) ? Qt::TextWordWrap : 0;
  if (!(flags & DT_NOPREFIX)) qt |= Qt::TextShowMnemonic;
  if (flags & DT_NOCLIP) qt |= Qt::TextDontClip;
  return qt;
}

}  // namespace

bool TCanvas::Plot(int x, int y, QRgb rgb) {
  const int px = x + FOrigin.X;
  const int py = y + FOrigin.Y;
  if (px < 0 || py < 0 || px >= FImage->width() || py >= FImage->height()) return false;
  if (FClip && !FClip->contains(px, py)) return false;
  FImage->setPixel(px, py, rgb);
  return true;
}

void TCanvas::Changed() {
  if (OnChange) OnChange();
}

void TCanvas::LineTo(int x, int y) {
  const TPoint from = FPenPos;
  FPenPos = {x, y};
  if (Pen.Style == TPenStyle::psClear || FImage->isNull()) return;
  if (Pen.Width > 1) {
    Painter p(*this);
    QPen pen(ColorToQColor(Pen.Color), Pen.Width);
    pen.setCapStyle(Qt::FlatCap);
    p->setPen(pen);
    p->drawLine(from.X, from.Y, x, y);
  } else {
    // Bresenham's walk, stopping before the end point as the platform does.
    const QRgb rgb = ColorToQRgb(Pen.Color) | 0xFF000000u;
    const int dx = std::abs(x - from.X), sx = from.X < x ? 1 : -1;
    const int dy = -std::abs(y - from.Y), sy = from.Y < y ? 1 : -1;
    int err = dx + dy;
    int cx = from.X, cy = from.Y;
    while (cx != x || cy != y) {
      Plot(cx, cy, rgb);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        cx += sx;
      }
      if (e2 <= dx) {
        err += dx;
        cy += sy;
      }
    }
  }
  Changed();
}

void TCanvas::FillRect(const TRect& r) {
  if (r.IsEmpty() || !HasBrush(Brush)) return;
  if (Painter p{*this}) p->fillRect(ToQRect(r), QtBrush(Brush));
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  if (r.IsEmpty() || !HasBrush(Brush)) return;
  if (Painter p{*this}) {
    const QBrush brush = QtBrush(Brush);
    p->fillRect(ToQRect(Rect(r.Left, r.Top, r.Right, r.Top + 1)), brush);
    p->fillRect(ToQRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom)), brush);
    p->fillRect(ToQRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom)), brush);
    p->fillRect(ToQRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom)), brush);
  }
  Changed();
}

void TCanvas::Rectangle(const TRect& r) {
  if (r.IsEmpty()) return;
  if (Painter p{*this}) {
    if (Pen.Style == TPenStyle::psClear) {
      // Without a pen the platform fills one pixel less in each direction.
      if (HasBrush(Brush)) p->fillRect(ToQRect(Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1)), QtBrush(Brush));
    } else {
      const int w = std::max(1, Pen.Width);
      if (HasBrush(Brush)) p->fillRect(ToQRect(r.Inflate(-w, -w)), QtBrush(Brush));
      const QBrush pen(ColorToQColor(Pen.Color));
      p->fillRect(ToQRect(Rect(r.Left, r.Top, r.Right, r.Top + w)), pen);
      p->fillRect(ToQRect(Rect(r.Left, r.Bottom - w, r.Right, r.Bottom)), pen);
      p->fillRect(ToQRect(Rect(r.Left, r.Top, r.Left + w, r.Bottom)), pen);
      p->fillRect(ToQRect(Rect(r.Right - w, r.Top, r.Right, r.Bottom)), pen);
    }
  }
  Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  if (right <= left || bottom <= top) return;
  if (Painter p{*this}) {
    if (Pen.Style == TPenStyle::psClear)
      p->setPen(Qt::NoPen);
    else
      p->setPen(QPen(ColorToQColor(Pen.Color), std::max(1, Pen.Width)));
    p->setBrush(QtBrush(Brush));
    p->drawRoundedRect(QRectF(left, top, right - left - 1, bottom - top - 1), ellipseWidth / 2.0, ellipseHeight / 2.0);
  }
  Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  if (HasBrush(Brush)) {
    if (Painter p{*this}) {
      QPolygon polygon;
      for (const TPoint& pt : points) polygon << ToQPoint(pt);
      p->setPen(Qt::NoPen);
      p->setBrush(QtBrush(Brush));
      p->drawPolygon(polygon, Qt::OddEvenFill);
    }
  }
  // The outline walks every edge; closing it covers each vertex once.
  const TPoint saved = FPenPos;
  FPenPos = points.front();
  for (size_t i = 1; i <= points.size(); ++i) {
    const TPoint& to = points[i % points.size()];
    LineTo(to.X, to.Y);
  }
  if (points.size() == 1) LineTo(points[0].X + 1, points[0].Y);
  FPenPos = saved;
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (r.IsEmpty() || FImage->isNull()) return;
  auto invert = [this](int x, int y) {
    if ((x + y) % 2 != 0) return;
    const int px = x + FOrigin.X, py = y + FOrigin.Y;
    if (px < 0 || py < 0 || px >= FImage->width() || py >= FImage->height()) return;
    if (FClip && !FClip->contains(px, py)) return;
    FImage->setPixel(px, py, FImage->pixel(px, py) ^ 0x00FFFFFFu);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 != r.Top) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 != r.Left) invert(r.Right - 1, y);
  }
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const QString qtext = QString::fromStdString(text);
  const QFont font = QtFont();
  const QFontMetrics metrics(font);
  if (Painter p{*this}) {
    if (HasBrush(Brush)) p->fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()), QtBrush(Brush));
    p->setFont(font);
    p->setPen(ColorToQColor(Font.Color()));
    p->drawText(QPoint(x, y + metrics.ascent()), qtext);
  }
  FPenPos = {x + metrics.horizontalAdvance(qtext), y};
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  const QString qtext = QString::fromStdString(text);
  const QFont font = QtFont();
  const QFontMetrics metrics(font);
  if (Painter p{*this}) {
    p->setClipRect(ToQRect(r), Qt::IntersectClip);
    if (HasBrush(Brush)) p->fillRect(ToQRect(r), QtBrush(Brush));
    p->setFont(font);
    p->setPen(ColorToQColor(Font.Color()));
    p->drawText(QPoint(x, y + metrics.ascent()), qtext);
  }
  Changed();
}

int TCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(QtFont()).horizontalAdvance(QString::fromStdString(text));
}

int TCanvas::TextHeight(const std::string& text) const {
  (void)text;
  return QFontMetrics(QtFont()).height();
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags) {
  const QString qtext = QString::fromStdString(text);
  const QFont font = QtFont();
  const QFontMetrics metrics(font);
  const int qtFlags = QtTextFlags(flags);
  if (flags & DT_CALCRECT) {
    const int width = (flags & (DT_SINGLELINE)) || !(flags & DT_WORDBREAK) ? 0x7FFFFF : std::max(1, r.Width());
    const QRect bound = metrics.boundingRect(QRect(r.Left, r.Top, width, 0x7FFFFF),
                                             qtFlags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter |
                                                         Qt::AlignBottom),
                                             qtext);
    r.Right = r.Left + bound.width();
    r.Bottom = r.Top + bound.height();
    return bound.height();
  }
  QString shown = qtext;
  if (flags & DT_END_ELLIPSIS) shown = metrics.elidedText(qtext, Qt::ElideRight, std::max(0, r.Width()));
  const QRect bound = metrics.boundingRect(ToQRect(r), qtFlags, shown);
  if (Painter p{*this}) {
    if (HasBrush(Brush)) p->fillRect(bound.intersected(ToQRect(r)), QtBrush(Brush));
    p->setFont(font);
    p->setPen(ColorToQColor(Font.Color()));
    p->drawText(ToQRect(r), qtFlags, shown);
  }
  Changed();
  return bound.height();
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  if (graphic.Empty()) return;
  if (Painter p{*this}) p->drawImage(QPoint(x, y), graphic.TransparentImage());
  Changed();
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) {
  if (graphic.Empty()) return;
  const QImage image = graphic.TransparentImage();
  DrawImage(r, image, image.rect());
}

void TCanvas::DrawImage(const TRect& dest, const QImage& image, const QRect& sourceRect) {
  if (dest.IsEmpty() || image.isNull() || sourceRect.isEmpty()) return;
  if (Painter p{*this}) p->drawImage(ToQRect(dest), image, sourceRect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  if (dest.IsEmpty() || sourceRect.IsEmpty() || source.FImage->isNull()) return;
  const QRect from = ToQRect(sourceRect.Offset(source.FOrigin.X, source.FOrigin.Y));
  // Copy first: the source may be this very surface.
  const QImage part = source.FImage->copy(from);
  if (Painter p{*this}) {
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(ToQRect(dest), part);
  }
  Changed();
}

TColor TCanvas::Pixel(int x, int y) const {
  const int px = x + FOrigin.X, py = y + FOrigin.Y;
  if (px < 0 || py < 0 || px >= FImage->width() || py >= FImage->height()) return -1;
  if (FClip && !FClip->contains(px, py)) return -1;
  return QRgbToColor(FImage->pixel(px, py));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (Plot(x, y, ColorToQRgb(color))) Changed();
}

void TCanvas::IntersectClipRect(const TRect& r) {
  const QRect device = ToQRect(r.Offset(FOrigin.X, FOrigin.Y));
  FClip = FClip ? FClip->intersected(device) : device;
}

TCanvasState TCanvas::SaveState() const { return {FOrigin, FClip, Brush, Pen, Font}; }

void TCanvas::RestoreState(const TCanvasState& state) {
  FOrigin = state.Origin;
  FClip = state.Clip;
  Brush = state.Brush;
  Pen = state.Pen;
  Font.Assign(state.Font);
}
