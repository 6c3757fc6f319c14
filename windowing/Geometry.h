// Points and rectangles in the platform's convention: a rectangle runs from
// (Left, Top) up to but not including (Right, Bottom). Their arithmetic
// never overflows: sizes come from theme files and form descriptions, and a
// sum beyond the range of int is held to its end.
#pragma once

#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <limits>

// A pixel value computed in 64 bits, held to the range of int.
constexpr int ClampToInt(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

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

  int Width() const { return ClampToInt(int64_t{Right} - Left); }
  int Height() const { return ClampToInt(int64_t{Bottom} - Top); }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  TRect Offset(int dx, int dy) const {
    return {ClampToInt(int64_t{Left} + dx), ClampToInt(int64_t{Top} + dy), ClampToInt(int64_t{Right} + dx),
            ClampToInt(int64_t{Bottom} + dy)};
  }
  TRect Inflate(int dx, int dy) const {
    return {ClampToInt(int64_t{Left} - dx), ClampToInt(int64_t{Top} - dy), ClampToInt(int64_t{Right} + dx),
            ClampToInt(int64_t{Bottom} + dy)};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, ClampToInt(int64_t{left} + width), ClampToInt(int64_t{top} + height)};
}

// A rectangle of negative extent maps to an empty Qt rectangle.
QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);
inline QPoint ToQPoint(const TPoint& p) { return {p.X, p.Y}; }
inline TPoint FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
