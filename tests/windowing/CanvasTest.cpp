#include "windowing/Canvas.h"

#include <gtest/gtest.h>

#include "windowing/Bitmap.h"

namespace {

// A white surface of the given size with a canvas on it.
struct Surface {
  explicit Surface(int w, int h) : image(w, h, QImage::Format_RGB32), canvas(image) { image.fill(Qt::white); }
  QImage image;
  TCanvas canvas;
  TColor At(int x, int y) const { return QRgbToColor(image.pixel(x, y)); }
  // The set pixels, row by row, as "#" and ".".
  std::string Rows() const {
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) out += At(x, y) == clWhite ? '.' : '#';
      out += '\n';
    }
    return out;
  }
};

}  // namespace

TEST(Canvas, FillAndFrameKeepRightAndBottomEdgesOut) {
  Surface s(6, 5);
  s.canvas.Brush.Color = clRed;
  s.canvas.FillRect(Rect(1, 1, 4, 3));
  EXPECT_EQ(s.Rows(), "......\n.###..\n.###..\n......\n......\n");

  Surface f(6, 5);
  f.canvas.Brush.Color = clBlue;
  f.canvas.FrameRect(Rect(0, 0, 5, 4));
  EXPECT_EQ(f.Rows(), "#####.\n#...#.\n#...#.\n#####.\n......\n");
  EXPECT_EQ(f.At(4, 3), clBlue);

  Surface clear(3, 3);
  clear.canvas.Brush.Style = TBrushStyle::bsClear;
  clear.canvas.FillRect(Rect(0, 0, 3, 3));
  clear.canvas.FrameRect(Rect(0, 0, 3, 3));
  EXPECT_EQ(clear.Rows(), "...\n...\n...\n");
}

TEST(Canvas, LineToStopsBeforeItsEndPoint) {
  Surface s(6, 4);
  s.canvas.MoveTo(0, 0);
  s.canvas.LineTo(5, 0);
  s.canvas.MoveTo(0, 1);
  s.canvas.LineTo(3, 3);  // diagonal-ish
  s.canvas.MoveTo(5, 3);
  s.canvas.LineTo(5, 1);  // upwards
  EXPECT_EQ(s.Rows(), "#####.\n#.....\n.##..#\n.....#\n");
  EXPECT_EQ(s.canvas.PenPos(), Point(5, 1));
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Surface s(5, 4);
  s.canvas.Pen.Color = clBlack;
  s.canvas.Brush.Color = clRed;
  s.canvas.Rectangle(0, 0, 5, 4);
  EXPECT_EQ(s.At(0, 0), clBlack);
  EXPECT_EQ(s.At(4, 3), clBlack);
  EXPECT_EQ(s.At(2, 1), clRed);
  EXPECT_EQ(s.At(3, 2), clRed);

  Surface noPen(4, 4);
  noPen.canvas.Pen.Style = TPenStyle::psClear;
  noPen.canvas.Brush.Color = clRed;
  noPen.canvas.Rectangle(0, 0, 4, 4);
  EXPECT_EQ(noPen.Rows(), "###.\n###.\n###.\n....\n");
}

TEST(Canvas, PolygonCoversItsOutlineAndInterior) {
  // The drop-down arrow of a tool button: five, three and one pixels.
  Surface s(7, 4);
  s.canvas.Brush.Color = clBlack;
  s.canvas.Polygon({Point(1, 0), Point(5, 0), Point(3, 2)});
  EXPECT_EQ(s.Rows(), ".#####.\n..###..\n...#...\n.......\n");
}

TEST(Canvas, OriginAndClippingShiftAndLimitEveryOperation) {
  Surface s(6, 6);
  s.canvas.Brush.Color = clRed;
  const TCanvasState saved = s.canvas.SaveState();
  s.canvas.MoveOrigin(2, 2);
  s.canvas.IntersectClipRect(Rect(0, 0, 2, 3));
  s.canvas.FillRect(Rect(-10, -10, 10, 10));
  s.canvas.SetPixel(3, 0, clBlue);  // clipped away
  EXPECT_EQ(s.canvas.Pixel(0, 0), clRed);
  EXPECT_EQ(s.canvas.Pixel(3, 0), -1);
  s.canvas.RestoreState(saved);
  s.canvas.SetPixel(0, 0, clBlue);
  EXPECT_EQ(s.Rows(), "#.....\n......\n..##..\n..##..\n..##..\n......\n");
  EXPECT_EQ(s.canvas.Pixel(0, 0), clBlue);
  EXPECT_EQ(s.canvas.Pixel(6, 0), -1);
}

TEST(Canvas, DrawHonoursTheBitmapsTransparencyAndStretchDrawScales) {
  TBitmap b;
  b.SetSize(2, 2);
  b.Canvas().SetPixel(0, 0, clRed);
  b.Canvas().SetPixel(1, 0, clFuchsia);
  b.Canvas().SetPixel(0, 1, clFuchsia);  // lower-left: the automatic key
  b.Canvas().SetPixel(1, 1, clBlue);
  Surface opaque(3, 3);
  opaque.canvas.Draw(1, 1, b);
  EXPECT_EQ(opaque.At(2, 1), clFuchsia);

  b.SetTransparent(true);
  Surface keyed(3, 3);
  keyed.canvas.Draw(1, 1, b);
  EXPECT_EQ(keyed.At(1, 1), clRed);
  EXPECT_EQ(keyed.At(2, 1), clWhite);
  EXPECT_EQ(keyed.At(1, 2), clWhite);
  EXPECT_EQ(keyed.At(2, 2), clBlue);

  Surface stretched(4, 4);
  stretched.canvas.StretchDraw(Rect(0, 0, 4, 4), b);
  EXPECT_EQ(stretched.At(1, 1), clRed);
  EXPECT_EQ(stretched.At(3, 0), clWhite);
  EXPECT_EQ(stretched.At(0, 3), clWhite);
  EXPECT_EQ(stretched.At(2, 2), clBlue);
  EXPECT_EQ(stretched.At(3, 3), clBlue);
}

TEST(Canvas, CopyRectCopiesWithoutTransparencyAndFocusRectUndoesItself) {
  Surface from(2, 1);
  from.canvas.SetPixel(0, 0, clFuchsia);
  from.canvas.SetPixel(1, 0, clGreen);
  Surface to(4, 2);
  to.canvas.CopyRect(Rect(0, 0, 4, 2), from.canvas, Rect(0, 0, 2, 1));
  EXPECT_EQ(to.At(1, 1), clFuchsia);
  EXPECT_EQ(to.At(2, 0), clGreen);

  Surface focus(5, 4);
  focus.canvas.Brush.Color = clGreen;
  focus.canvas.FillRect(Rect(0, 0, 5, 4));
  focus.canvas.DrawFocusRect(Rect(0, 0, 5, 4));
  EXPECT_NE(focus.At(0, 0), clGreen);
  EXPECT_EQ(focus.At(1, 0), clGreen);  // dotted
  EXPECT_EQ(focus.At(2, 2), clGreen);  // inside untouched
  focus.canvas.DrawFocusRect(Rect(0, 0, 5, 4));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(focus.At(x, y), clGreen) << x << "," << y;
}

TEST(Canvas, TextStaysInsideItsExtentInTheFontColour) {
  Surface s(80, 30);
  s.canvas.Font.SetColor(clRed);
  s.canvas.Brush.Style = TBrushStyle::bsClear;
  const int w = s.canvas.TextWidth("Wide");
  const int h = s.canvas.TextHeight("Wide");
  ASSERT_GT(w, 10);
  ASSERT_GT(h, 8);
  s.canvas.TextOut(5, 4, "Wide");
  EXPECT_EQ(s.canvas.PenPos(), Point(5 + w, 4));
  bool inked = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) {
      if (s.At(x, y) == clWhite) continue;
      EXPECT_TRUE(x >= 5 && x < 5 + w && y >= 4 && y < 4 + h) << x << "," << y;
      inked |= s.At(x, y) == clRed;
    }
  EXPECT_TRUE(inked);

  Surface opaque(80, 30);
  opaque.canvas.Brush.Color = clYellow;
  opaque.canvas.TextOut(0, 0, "Wide");
  EXPECT_EQ(opaque.At(w - 1, h - 1), clYellow);
  EXPECT_EQ(opaque.At(w, h), clWhite);
}

TEST(Canvas, DrawTextTreatsTheAmpersandAsAccessKeyUnlessTold) {
  Surface s(120, 30);
  TRect plain = Rect(0, 0, 120, 30), prefixed = plain, literal = plain;
  s.canvas.DrawText("Open", plain, DT_SINGLELINE | DT_CALCRECT);
  s.canvas.DrawText("&Open", prefixed, DT_SINGLELINE | DT_CALCRECT);
  s.canvas.DrawText("&Open", literal, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(prefixed.Width(), plain.Width());
  EXPECT_EQ(literal.Width(), s.canvas.TextWidth("&Open"));
  EXPECT_GT(literal.Width(), plain.Width());

  // Centred both ways: the ink sits around the rectangle's middle.
  s.canvas.Brush.Style = TBrushStyle::bsClear;
  TRect box = Rect(0, 0, 120, 30);
  s.canvas.DrawText("Mid", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  int minX = 120, maxX = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x)
      if (s.At(x, y) != clWhite) minX = std::min(minX, x), maxX = std::max(maxX, x);
  EXPECT_NEAR((minX + maxX) / 2.0, 60, 3);
}

TEST(Canvas, ANullSurfaceDrawsNothing) {
  QImage none;
  TCanvas c(none);
  c.FillRect(Rect(0, 0, 5, 5));
  c.LineTo(4, 4);
  c.TextOut(0, 0, "x");
  c.DrawFocusRect(Rect(0, 0, 3, 3));
  EXPECT_EQ(c.Pixel(0, 0), -1);
}
