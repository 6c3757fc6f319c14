// Menu items: a tree of commands with captions ("&" marks the access key,
// "-" makes a separator), short cuts, check marks, images and per-item
// measure and draw callbacks. An item is a component of its form and a
// child of its parent item, which frees the children still in it. On the
// Qt side an item is a QAction, and an item with children also a submenu.
#pragma once

#include <QAction>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Component.h"
#include "windowing/Canvas.h"
#include "windowing/ComponentRef.h"
#include "windowing/Events.h"
#include "windowing/Keys.h"
#include "windowing/MenuWindow.h"
#include "windowing/Persistent.h"

class TMenu;
class TMenuItem;
class TAction;
class TCustomImageList;

// What the items of a menu, and the windows showing them, ask of the menu
// they belong to; the menu implements it, so the items need not know it.
class TMenuHost {
 public:
  virtual TCustomImageList* Images() const = 0;
  // Draws the frame of one of the menu's popup windows over r; false
  // leaves it to Qt.
  virtual bool DrawFrame(TCanvas& canvas, const TRect& r) = 0;
  // Items were added, removed or changed (item: the changed one, or null).
  virtual void MenuChanged(TMenuItem* item) = 0;

 protected:
  ~TMenuHost() = default;
};

using TMenuMeasureItemEvent = std::function<void(TComponent* Sender, TCanvas& ACanvas, int& Width, int& Height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TComponent* Sender, TCanvas& ACanvas, TRect ARect, TOwnerDrawState State)>;

class TMenuItem : public TComponent, public TPersistent, private TMenuWindowItems {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return FCaption == "-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut);
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  // The default item is shown in bold.
  bool Default() const { return FDefault; }
  void SetDefault(bool isDefault);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint) { FHint = hint; }
  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }
  // An action lends the item its caption, short cut, state and click.
  TAction* Action() const { return FAction.Get(); }
  void SetAction(TAction* action);

  // The sub-items.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out (it stays alive); Delete also frees it.
  void Remove(TMenuItem* item);
  void Delete(int index);
  // Frees every sub-item.
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  // The menu the item belongs to, through its parents (null when none).
  TMenu* GetParentMenu() const;

  // The click: OnClick when assigned, else the action's.
  virtual void Click();

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

  // The Qt side: the action standing for the item in its parent's submenu,
  // and the item's own submenu (null without sub-items; a menu's root item
  // always has one).
  QAction* QtAction() const;
  TMenuWindow* SubMenu() const { return FSubMenu.get(); }
  // Every action of this item and its sub-items, depth first.
  void CollectActions(std::vector<QAction*>& actions) const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  // Makes this item the root item of menu.
  void SetMenu(TMenu* menu, TMenuHost& host);
  const TMenuItem& Root() const;
  // The sub-item an action of the item's window stands for, or null.
  TMenuItem* SubItemOf(const QAction& action) const;
  void RebuildSubMenu();
  bool MeasureEntry(const QAction& action, TCanvas& canvas, int& width, int& height) override;
  bool DrawsEntry(const QAction& action) const override;
  void DrawEntry(const QAction& action, TCanvas& canvas, const TRect& r, TOwnerDrawState state) override;
  bool DrawFrame(TCanvas& canvas, const TRect& r) override;
  void Opening() override;
  // Takes the action's caption, short cut, state, image and hint.
  void ApplyAction(const TAction& action);
  void ApplyToActions();
  void ApplyTo(QAction& action) const;
  void ChildrenChanged();
  void Changed();
  void Triggered();

  std::string FCaption;
  TShortCut FShortCut = 0;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  int FImageIndex = -1;
  std::string FHint;
  int FTag = 0;
  TComponentRef<TAction> FAction;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's root item only, as is FHost
  TMenuHost* FHost = nullptr;
  std::vector<TMenuItem*> FItems;
  std::unique_ptr<QAction> FQtAction;
  std::unique_ptr<TMenuWindow> FSubMenu;
};
