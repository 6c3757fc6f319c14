// Moving and sizing windows that have no frame of the window system's. The
// platform's non-client hit codes name the part of a window a press grabs;
// a drag asks the window system to move or size the window and, where it
// cannot (offscreen, an X server without a window manager), follows the
// held mouse itself.
#pragma once

#include <QPointer>
#include <Qt>

#include "windowing/Control.h"
#include "windowing/Geometry.h"

// Hit-test codes, with the platform's values.
constexpr int HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12,
              HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17;

// The window edges a sizing code grabs; none for every other code.
Qt::Edges HitTestEdges(int hitTest);
// The sizing pointer of a sizing code; crDefault for every other code.
TCursor HitTestCursor(int hitTest);

// The sizing pointer over a window's margins. The margins lie over the
// window's controls, so the pointer stands in for theirs while it is on one.
class TSizingPointer {
 public:
  TSizingPointer() = default;
  TSizingPointer(const TSizingPointer&) = delete;
  TSizingPointer& operator=(const TSizingPointer&) = delete;
  ~TSizingPointer() { Show(HTCLIENT); }
  // The sizing pointer of the code, or the controls' own for a code that
  // sizes nothing.
  void Show(int hitTest);

 private:
  bool FShown = false;
};

class TWindowDrag {
 public:
  // Starts moving window (no edges) or sizing it by edges from the screen
  // point. True when the window system took the drag over and ends it
  // itself; otherwise Follow moves or sizes the window until End.
  bool Begin(TControl& window, Qt::Edges edges, const TPoint& screen);
  // Whether a drag follows the mouse by hand.
  bool Active() const { return !FWindow.isNull(); }
  // The held pointer is at the screen point: the grabbed edges (or the whole
  // window) follow it; sizing keeps the opposite edges and the window's
  // size constraints.
  void Follow(const TPoint& screen);
  void End() { FWindow.clear(); }

 private:
  QPointer<TControl> FWindow;
  Qt::Edges FEdges;
  TPoint FStart;
  TRect FStartBounds;
};
