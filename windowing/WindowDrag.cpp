#include "windowing/WindowDrag.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <utility>

Qt::Edges HitTestEdges(int hitTest) {
  switch (hitTest) {
    case HTLEFT:
      return Qt::LeftEdge;
    case HTRIGHT:
      return Qt::RightEdge;
    case HTTOP:
      return Qt::TopEdge;
    case HTBOTTOM:
      return Qt::BottomEdge;
    case HTTOPLEFT:
      return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
      return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
      return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
      return Qt::BottomEdge | Qt::RightEdge;
    default:
      return {};
  }
}

TCursor HitTestCursor(int hitTest) {
  switch (hitTest) {
    case HTLEFT:
    case HTRIGHT:
      return crSizeWE;
    case HTTOP:
    case HTBOTTOM:
      return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      return crSizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      return crSizeNESW;
    default:
      return crDefault;
  }
}

void TSizingPointer::Show(int hitTest) {
  if (!HitTestEdges(hitTest)) {
    if (std::exchange(FShown, false)) QGuiApplication::restoreOverrideCursor();
    return;
  }
  const QCursor cursor(QtCursorShape(HitTestCursor(hitTest)));
  if (std::exchange(FShown, true))
    QGuiApplication::changeOverrideCursor(cursor);
  else
    QGuiApplication::setOverrideCursor(cursor);
}

bool TWindowDrag::Begin(TControl& window, Qt::Edges edges, const TPoint& screen) {
  End();
  if (QWindow* handle = window.windowHandle()) {
    const bool taken = edges ? handle->startSystemResize(edges) : handle->startSystemMove();
    if (taken) return true;
  }
  FWindow = &window;
  FEdges = edges;
  FStart = screen;
  FStartBounds = window.BoundsRect();
  return false;
}

void TWindowDrag::Follow(const TPoint& screen) {
  TControl* window = FWindow.data();
  if (!window) return;
  const int dx = screen.X - FStart.X, dy = screen.Y - FStart.Y;
  const TRect& r = FStartBounds;
  if (!FEdges) {
    window->SetBounds(r.Left + dx, r.Top + dy, r.Width(), r.Height());
    return;
  }
  TSizeConstraints& limits = window->Constraints();
  int left = r.Left, top = r.Top, width = r.Width(), height = r.Height();
  if (FEdges & Qt::LeftEdge) {
    width = limits.ConstrainWidth(std::max(0, r.Width() - dx));
    left = r.Right - width;
  } else if (FEdges & Qt::RightEdge) {
    width = r.Width() + dx;
  }
  if (FEdges & Qt::TopEdge) {
    height = limits.ConstrainHeight(std::max(0, r.Height() - dy));
    top = r.Bottom - height;
  } else if (FEdges & Qt::BottomEdge) {
    height = r.Height() + dy;
  }
  window->SetBounds(left, top, width, height);
}
