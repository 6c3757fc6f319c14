// The popup window of a menu item's sub-items. Entries whose items measure
// and draw themselves are sized and painted by them through a shared style;
// the others keep Qt's drawing. The frame is drawn by the menu when it wants
// to. The window reaches the item only through what it asks of it here, so
// the item can own its window.
#pragma once

#include <QMenu>
#include <vector>

#include "windowing/Canvas.h"

enum TOwnerDrawStateFlag : unsigned {
  odSelected = 1u << 0,
  odGrayed = 1u << 1,
  odDisabled = 1u << 2,
  odChecked = 1u << 3,
  odDefault = 1u << 5,
};
using TOwnerDrawState = unsigned;

// What a menu window asks of the item whose sub-items it shows; an entry is
// named by the action standing for its sub-item.
class TMenuWindowItems {
 public:
  // Sizes the entry; false leaves it to Qt.
  virtual bool MeasureEntry(const QAction& action, TCanvas& canvas, int& width, int& height) = 0;
  // Whether the entry is drawn by its sub-item, and that drawing.
  virtual bool DrawsEntry(const QAction& action) const = 0;
  virtual void DrawEntry(const QAction& action, TCanvas& canvas, const TRect& r, TOwnerDrawState state) = 0;
  // Draws the window's frame over r; false leaves it to Qt.
  virtual bool DrawFrame(TCanvas& canvas, const TRect& r) = 0;
  // The window is about to open.
  virtual void Opening() = 0;

 protected:
  ~TMenuWindowItems() = default;
};

class TMenuWindow : public QMenu {
 public:
  // Shows the sub-items of items (which outlive the window).
  explicit TMenuWindow(TMenuWindowItems& items);

  TMenuWindowItems& Items() const { return FItems; }
  // Fills the window with the sub-items' actions, in item order; the
  // default one (may be null) is shown in bold.
  void SetEntries(const std::vector<QAction*>& actions, QAction* defaultAction);
  // The action whose style options Qt is computing just now.
  const QAction* StyledAction() const { return FStyledAction; }

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

 private:
  TMenuWindowItems& FItems;
  mutable const QAction* FStyledAction = nullptr;
};
