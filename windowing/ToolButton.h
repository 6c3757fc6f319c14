// A button of a tool bar: a windowless control that the bar places in its
// row and whose face the bar draws (through its custom-draw callback when
// one is set). A check button stays down until clicked again (or until
// another of its group goes down); a drop-down button opens its menu from
// its arrow part; a button with a menu item opens that item's sub-items.
// A button linked to an action shows the action's caption, hint, image and
// state, and a click runs the action when OnClick is not set.
#pragma once

#include "windowing/ComponentRef.h"
#include "windowing/GraphicControl.h"

class TAction;
class TMenuItem;
class TPopupMenu;
class TToolButton;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// The drop-down part of a drop-down button, at its right.
constexpr int kToolButtonDropDownWidth = 14;

// The bar a button sits on, as its buttons see it: the bar places the
// buttons, draws their faces and keeps one button of a group down.
class TToolButtonBar {
 public:
  // Places the buttons again.
  virtual void ArrangeButtons() = 0;
  // The button's face on canvas (origin: the bar's top-left corner).
  virtual void PaintButton(TCanvas& canvas, TToolButton& button) = 0;
  // A grouped button went down: the others of its group go up.
  virtual void GroupButtonDown(TToolButton& button) = 0;

 protected:
  ~TToolButtonBar() = default;
};

class TToolButton : public TGraphicControl {
 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The bar the button sits on (null: none).
  TToolButtonBar* Bar() const;
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle style);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  // Checked (a check button that is down).
  bool Down() const { return FDown; }
  void SetDown(bool down);
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool grouped) { FGrouped = grouped; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool allow) { FAllowAllUp = allow; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool wrap);
  TMenuItem* MenuItem() const { return FMenuItem.Get(); }
  void SetMenuItem(TMenuItem* item);
  TPopupMenu* DropdownMenu() const { return FDropdownMenu.Get(); }
  void SetDropdownMenu(TPopupMenu* menu);
  TAction* Action() const { return FAction.Get(); }
  void SetAction(TAction* action);

  // The pointer is over the button; the button is held down by the mouse.
  bool Hot() const { return MouseInControl() && Enabled(); }
  bool Pressed() const { return FPressed; }
  bool IsSeparator() const { return FStyle == TToolButtonStyle::tbsSeparator || FStyle == TToolButtonStyle::tbsDivider; }

  void Click() override;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override { Invalidate(); }
  void MouseLeave() override { Invalidate(); }
  void TextChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Changed();
  void OpenMenu();
  void ApplyAction();

  TToolButtonStyle FStyle = TToolButtonStyle::tbsButton;
  int FImageIndex = -1;
  bool FDown = false;
  bool FGrouped = false;
  bool FAllowAllUp = false;
  bool FAutoSize = false;
  bool FWrap = false;
  bool FPressed = false;
  TComponentRef<TMenuItem> FMenuItem;
  TComponentRef<TPopupMenu> FDropdownMenu;
  TComponentRef<TAction> FAction;
};
