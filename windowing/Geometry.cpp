#include "windowing/Geometry.h"

#include <algorithm>

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())); }

TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
