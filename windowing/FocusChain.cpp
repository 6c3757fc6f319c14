#include "windowing/FocusChain.h"

#include <QWidget>

namespace {

// Whether a shown sibling later in the parent's list, and so in front,
// covers the whole of the widget.
bool IsBehindASibling(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  if (!parent) return false;
  const QObjectList& siblings = parent->children();
  for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(&widget)) + 1; i > 0 && i < siblings.size(); ++i) {
    const auto* sibling = qobject_cast<const QWidget*>(siblings[i]);
    if (sibling && !sibling->isWindow() && sibling->isVisibleTo(parent) &&
        sibling->geometry().contains(widget.geometry()))
      return true;
  }
  return false;
}

bool TakesTab(const QWidget& window, const QWidget& widget) {
  return widget.window() == &window && (widget.focusPolicy() & Qt::TabFocus) && !widget.focusProxy() &&
         widget.isEnabled() && widget.isVisibleTo(&window) && !IsCoveredInWindow(widget);
}

}  // namespace

bool IsCoveredInWindow(const QWidget& widget) {
  for (const QWidget* w = &widget; w && !w->isWindow(); w = w->parentWidget())
    if (IsBehindASibling(*w)) return true;
  return false;
}

QWidget* NextTabStop(QWidget& window, bool next) {
  QWidget* start = window.focusWidget() ? window.focusWidget() : &window;
  // The chain is a ring through the window and its widgets.
  for (QWidget* w = start;;) {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == start) return nullptr;
    if (TakesTab(window, *w)) return w;
  }
}
