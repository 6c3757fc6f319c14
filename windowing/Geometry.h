// Points and rectangles in the platform's convention: a rectangle runs from
// (Left, Top) up to but not including (Right, Bottom).
#pragma once

#include <QPoint>
#include <QRect>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  TRect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The overlap of two rectangles; an empty rectangle when they do not meet.
TRect IntersectRect(const TRect& a, const TRect& b);

// A rectangle of negative extent maps to an empty Qt rectangle.
QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);
inline QPoint ToQPoint(const TPoint& p) { return {p.X, p.Y}; }
inline TPoint FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
