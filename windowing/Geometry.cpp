#include "Geometry.h"

#include <algorithm>

TRect IntersectRect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  if (r.IsEmpty()) return {};
  return r;
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())); }

TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
