// The Tab order of a window as a person sees it. Qt's focus chain runs
// through every widget of the window; Tab passes those that are hidden or
// disabled, and also a control that lies whole behind a sibling in front of
// it (panels stacked in one place, of which only the front one is seen), or
// inside one that does.
#pragma once

class QWidget;

// Whether the widget, or a parent of it below its window, lies whole behind
// a shown sibling in front of it.
bool IsCoveredInWindow(const QWidget& widget);

// The widget that Tab (next) or Shift+Tab reaches from the window's focus
// widget: the next one round the focus chain that Tab may focus, shown,
// enabled and not covered; null when there is none but the focus widget.
QWidget* NextTabStop(QWidget& window, bool next);
