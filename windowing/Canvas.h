// A drawing surface over an off-screen QImage that keeps the platform's
// drawing rules: rectangles exclude their right and bottom edge, LineTo stops
// short of its end point, FrameRect draws inside the rectangle, text is drawn
// from its top-left corner, and nothing is antialiased. Coordinates are
// logical: the origin can be moved and the output clipped, as a device
// context allows.
#pragma once

#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "windowing/Colors.h"
#include "windowing/Font.h"
#include "windowing/Geometry.h"

// What a canvas draws whole, with the platform's transparency: the bitmap
// is one.
class TGraphic {
 public:
  virtual ~TGraphic() = default;
  virtual bool Empty() const = 0;
  // The image as it is drawn: transparent pixels at alpha 0.
  virtual QImage TransparentImage() const = 0;
};

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
  // A pattern tiled from the canvas origin; when set it replaces the colour.
  QImage Pattern;
};

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
};

// Text layout flags of DrawText, with the platform's values.
enum TDrawTextFlag : unsigned {
  DT_TOP = 0x0,
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_END_ELLIPSIS = 0x8000,
};

// What SaveState keeps: origin, clipping and the drawing tools.
struct TCanvasState {
  TPoint Origin;
  std::optional<QRect> Clip;
  TBrush Brush;
  TPen Pen;
  TFont Font;
};

class TCanvas {
 public:
  // Draws into image, which must outlive the canvas (a bitmap's canvas draws
  // into the bitmap's own image even after it was resized).
  explicit TCanvas(QImage& image) : FImage(&image) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBrush Brush;
  TPen Pen;
  TFont Font;
  // Fired after every drawing operation (a bitmap passes it on as its change).
  std::function<void()> OnChange;

  TPoint PenPos() const { return FPenPos; }
  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  // A line from the pen position up to, not including, (x, y).
  void LineTo(int x, int y);

  void FillRect(const TRect& r);
  // A one-pixel frame in the brush colour along the inside of r.
  void FrameRect(const TRect& r);
  // Outline in the pen (inside r), interior in the brush.
  void Rectangle(const TRect& r);
  void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect(left, top, right, bottom)); }
  void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  // Filled with the brush, outlined with the pen, closed.
  void Polygon(const std::vector<TPoint>& points);
  // Dotted frame inverted over what is there; drawing it twice restores the pixels.
  void DrawFocusRect(const TRect& r);

  // Text in the canvas font and font colour; a solid brush fills behind it.
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  int TextWidth(const std::string& text) const;
  int TextHeight(const std::string& text) const;
  // Lays out text in r by flags; "&" marks the access key unless DT_NOPREFIX.
  // With DT_CALCRECT nothing is drawn and r becomes the text's extent.
  // Returns the height of the text.
  int DrawText(const std::string& text, TRect& r, unsigned flags);

  // The graphic (a bitmap) at (x, y) with its own transparency.
  void Draw(int x, int y, const TGraphic& graphic);
  // The graphic stretched over r with its own transparency.
  void StretchDraw(const TRect& r, const TGraphic& graphic);
  // Copies (and stretches) a part of another canvas, without transparency.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  // Draws an image part stretched over dest (transparency from its alpha).
  void DrawImage(const TRect& dest, const QImage& image, const QRect& sourceRect);

  TColor Pixel(int x, int y) const;  // -1 outside the surface (or the clipping)
  void SetPixel(int x, int y, TColor color);

  // The origin of the logical coordinates, in surface pixels.
  TPoint Origin() const { return FOrigin; }
  void SetOrigin(const TPoint& origin) { FOrigin = origin; }
  void MoveOrigin(int dx, int dy) { FOrigin = {FOrigin.X + dx, FOrigin.Y + dy}; }
  // Narrows the clipping to r (logical coordinates, as they are now).
  void IntersectClipRect(const TRect& r);
  TCanvasState SaveState() const;
  void RestoreState(const TCanvasState& state);

  int Width() const { return FImage->width(); }
  int Height() const { return FImage->height(); }
  const QImage& Image() const { return *FImage; }

 private:
  class Painter;
  bool Plot(int x, int y, QRgb rgb);
  void Changed();
  QFont QtFont() const { return Font.ToQFont(); }

  QImage* FImage;
  TPoint FPenPos;
  TPoint FOrigin;
  std::optional<QRect> FClip;  // surface pixels
};
