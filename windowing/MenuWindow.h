// The popup window of a menu item's sub-items. Items with measure and draw
// callbacks are sized and painted by them through a shared style; the
// others keep Qt's drawing. The frame is drawn by the menu when it wants to.
#pragma once

#include <QMenu>

class TMenuItem;

class TMenuWindow : public QMenu {
 public:
  // Shows the sub-items of item (which outlives the window).
  explicit TMenuWindow(TMenuItem& item);

  TMenuItem& Item() const { return FItem; }
  // Fills the window with the sub-items' actions, in item order.
  void Rebuild();
  // The sub-item an action of this window stands for, or null.
  TMenuItem* ItemOf(const QAction* action) const;
  // The action whose style options Qt is computing just now.
  const QAction* StyledAction() const { return FStyledAction; }

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

 private:
  TMenuItem& FItem;
  mutable const QAction* FStyledAction = nullptr;
};
