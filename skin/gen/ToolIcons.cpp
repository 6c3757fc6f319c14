#include "skin/gen/ToolIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Outlines fall on pixel centres (x.5), so that one unit of pen is one
// crisp pixel at the 16-pixel size.
void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, double width = 1) {
  p.fillPath(path, fill);
  p.strokePath(path, QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Box(double x, double y, double w, double h, double radius = 0) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

QLinearGradient Down(double top, double bottom, const QColor& from, const QColor& to) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  return g;
}

// Lines of text on a page, from x0 to x1.
void TextLines(QPainter& p, double x0, double x1, std::initializer_list<double> rows, const QColor& ink) {
  p.setPen(QPen(ink, 1, Qt::SolidLine, Qt::FlatCap));
  for (const double y : rows) p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

void PaintOpen(QPainter& p) {
  const QColor edge(138, 100, 16);
  Shape(p, Box(1.5, 2.5, 5, 3, 1), QColor(222, 170, 40), edge);
  Shape(p, Box(1.5, 3.5, 12, 10, 1), QColor(222, 170, 40), edge);
  Shape(p, Polygon({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}),
        Down(7.5, 13.5, QColor(255, 232, 150), QColor(244, 194, 64)), edge);
}

void PaintSave(QPainter& p) {
  Shape(p, Box(1.5, 1.5, 13, 13, 1.5), Down(1.5, 14.5, QColor(70, 120, 206), QColor(36, 80, 160)), QColor(24, 52, 112));
  Shape(p, Box(4.5, 1.5, 7, 5), QColor(232, 238, 252), QColor(24, 52, 112));
  p.fillRect(QRectF(9, 2.5, 1.5, 3), QColor(36, 80, 160));
  Shape(p, Box(3.5, 9.5, 9, 5), QColor(206, 210, 218), QColor(96, 102, 114));
}

void PaintCut(QPainter& p) {
  p.setPen(QPen(QColor(64, 72, 82), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4.5, 1), QPointF(10, 10));
  p.drawLine(QPointF(11.5, 1), QPointF(6, 10));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(198, 40, 40), 1.6));
  p.drawEllipse(QPointF(4.8, 12.2), 2.3, 2.3);
  p.drawEllipse(QPointF(11.2, 12.2), 2.3, 2.3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(64, 72, 82));
  p.drawEllipse(QPointF(8, 6.6), 0.9, 0.9);
}

void PaintCopy(QPainter& p) {
  const QColor edge(43, 52, 69), ink(90, 100, 117);
  Shape(p, Box(1.5, 1.5, 8, 10), Qt::white, edge);
  TextLines(p, 3.5, 7.5, {4.5, 6.5}, ink);
  Shape(p, Box(6.5, 4.5, 8, 10), Qt::white, edge);
  TextLines(p, 8.5, 12.5, {7.5, 9.5, 11.5}, ink);
}

void PaintPaste(QPainter& p) {
  Shape(p, Box(2.5, 2.5, 11, 13, 1.5), Down(2.5, 15.5, QColor(184, 128, 64), QColor(140, 90, 36)), QColor(94, 58, 18));
  Shape(p, Box(4.5, 5.5, 7, 8), Qt::white, QColor(110, 110, 110));
  Shape(p, Box(5.5, 1.5, 5, 3, 1), QColor(160, 166, 174), QColor(80, 86, 94));
}

void PaintOptions(QPainter& p) {
  QPainterPath gear;
  gear.addEllipse(QPointF(8, 8), 5, 5);
  for (int i = 0; i < 8; ++i) {
    const QTransform turn = QTransform().translate(8, 8).rotate(45.0 * i);
    gear = gear.united(turn.map(Box(-1.4, -7.4, 2.8, 4, 0.5)));
  }
  QPainterPath hole;
  hole.addEllipse(QPointF(8, 8), 2.1, 2.1);
  Shape(p, gear.subtracted(hole), Down(0.5, 15.5, QColor(118, 128, 146), QColor(74, 84, 102)), QColor(54, 62, 78), 0.8);
  p.fillPath(hole, QColor(226, 232, 242));
}

void PaintFilterEditor(QPainter& p) {
  Shape(p, Box(1.5, 1.5, 10, 13), Qt::white, QColor(31, 42, 68));
  TextLines(p, 3.5, 9.5, {4.5, 6.5, 8.5, 10.5}, QColor(85, 96, 122));
  // A pencil lying from the upper right down to the page, its point lowest.
  const QTransform lie = QTransform().translate(11.8, 8.2).rotate(45);
  Shape(p, lie.map(Box(-1.6, -5.5, 3.2, 7.5)), QColor(242, 184, 32), QColor(138, 93, 0), 0.8);
  Shape(p, lie.map(Polygon({{-1.6, 2}, {1.6, 2}, {0, 5}})), QColor(240, 214, 170), QColor(138, 93, 0), 0.8);
  p.fillPath(lie.map(Polygon({{-0.6, 4}, {0.6, 4}, {0, 5}})), QColor(40, 40, 40));
}

void PaintHelp(QPainter& p) {
  QRadialGradient ball(QPointF(6, 5), 10);
  ball.setColorAt(0, QColor(110, 170, 250));
  ball.setColorAt(1, QColor(24, 88, 196));
  QPainterPath disc;
  disc.addEllipse(QRectF(0.5, 0.5, 15, 15));
  Shape(p, disc, ball, QColor(20, 70, 150));
  QPainterPath mark;
  const QRectF bowl(5.4, 3.3, 5.2, 5);
  mark.arcMoveTo(bowl, 165);
  mark.arcTo(bowl, 165, -240);
  mark.lineTo(8, 10);
  p.strokePath(mark, QPen(Qt::white, 1.9, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 12.4), 1.15, 1.15);
}

void PaintHome(QPainter& p) {
  const QColor dark(74, 58, 42);
  Shape(p, Box(10.5, 2.5, 2, 4), QColor(200, 52, 44), QColor(142, 28, 22));
  Shape(p, Box(3.5, 7.5, 9, 7), QColor(244, 234, 210), dark);
  Shape(p, Polygon({{0.5, 8.5}, {8, 1.5}, {15.5, 8.5}}), Down(1.5, 8.5, QColor(228, 74, 62), QColor(190, 44, 36)),
        QColor(142, 28, 22));
  Shape(p, Box(6.5, 10.5, 3, 4), QColor(122, 74, 30), dark);
}

}  // namespace

QImage PaintToolIcon(TToolIcon icon, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 16.0, size / 16.0);
  switch (icon) {
    case TToolIcon::Open: PaintOpen(p); break;
    case TToolIcon::Save: PaintSave(p); break;
    case TToolIcon::Cut: PaintCut(p); break;
    case TToolIcon::Copy: PaintCopy(p); break;
    case TToolIcon::Paste: PaintPaste(p); break;
    case TToolIcon::Options: PaintOptions(p); break;
    case TToolIcon::FilterEditor: PaintFilterEditor(p); break;
    case TToolIcon::Help: PaintHelp(p); break;
    case TToolIcon::Home: PaintHome(p); break;
  }
  return image;
}
