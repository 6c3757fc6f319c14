#include "windowing/ToolButton.h"

#include "windowing/Action.h"
#include "windowing/MenuItem.h"
#include "windowing/MenuWindow.h"
#include "windowing/PopupMenu.h"

namespace {

const TEnumInfo& StyleNames() {
  static const TEnumInfo names{{"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};
  return names;
}

}  // namespace

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() {
  SetAction(nullptr);
  // Leave the bar while this is still a tool button, so the bar forgets it.
  SetParent(nullptr);
}

const TClassInfo& TToolButton::StaticClassInfo() {
  static const auto info =
      DefineClass<TToolButton>("TToolButton", TGraphicControl::StaticClassInfo(), [](TPublisher<TToolButton>& p) {
        p.Component<TAction>("Action", &TToolButton::Action, &TToolButton::SetAction)
            .Bool("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp)
            .Bool("AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize)
            .Bool("Down", &TToolButton::Down, &TToolButton::SetDown)
            .Component<TPopupMenu>("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)
            .Bool("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped)
            .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
            .Component<TMenuItem>("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
            .Enum("Style", StyleNames(), &TToolButton::Style, &TToolButton::SetStyle)
            .Bool("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap);
      });
  return *info;
}

TToolButtonBar* TToolButton::Bar() const { return dynamic_cast<TToolButtonBar*>(Parent()); }

void TToolButton::SetStyle(TToolButtonStyle style) {
  if (FStyle == style) return;
  FStyle = style;
  Changed();
}

void TToolButton::SetImageIndex(int index) {
  if (FImageIndex == index) return;
  FImageIndex = index;
  Invalidate();
}

void TToolButton::SetDown(bool down) {
  if (FDown == down) return;
  FDown = down;
  if (down && FGrouped)
    if (TToolButtonBar* bar = Bar()) bar->GroupButtonDown(*this);
  Invalidate();
}

void TToolButton::SetAutoSize(bool autoSize) {
  if (FAutoSize == autoSize) return;
  FAutoSize = autoSize;
  Changed();
}

void TToolButton::SetWrap(bool wrap) {
  if (FWrap == wrap) return;
  FWrap = wrap;
  Changed();
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  FMenuItem.Set(this, item);
  if (item) {
    SetCaption(item->Caption());
    SetEnabled(item->Enabled());
  }
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) { FDropdownMenu.Set(this, menu); }

void TToolButton::SetAction(TAction* action) {
  TAction::Link(this, FAction, action, [this] { ApplyAction(); });
}

void TToolButton::ApplyAction() {
  const TAction& action = *FAction.Get();
  SetCaption(action.Caption());
  SetHint(action.Hint());
  SetImageIndex(action.ImageIndex());
  SetEnabled(action.Enabled());
  SetVisible(action.Visible());
  if (FStyle == TToolButtonStyle::tbsCheck) SetDown(action.Checked());
}

void TToolButton::Click() {
  if (FMenuItem) return;  // the menu opened on the press
  if (FStyle == TToolButtonStyle::tbsCheck) SetDown(FGrouped && !FAllowAllUp ? true : !FDown);
  if (!OnClick && FAction) {
    FAction->Execute();
    return;
  }
  TGraphicControl::Click();
}

void TToolButton::Paint(TCanvas& canvas) {
  TToolButtonBar* bar = Bar();
  if (!bar) return;
  canvas.MoveOrigin(-Left(), -Top());
  bar->PaintButton(canvas, *this);
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled() && !IsSeparator()) {
    FPressed = true;
    Invalidate();
    const bool onArrow = x >= Width() - kToolButtonDropDownWidth;
    if (FMenuItem || (FStyle == TToolButtonStyle::tbsDropDown && FDropdownMenu && onArrow)) OpenMenu();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FPressed = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TToolButton::OpenMenu() {
  const TPoint below = ClientToScreen(Point(0, Height()));
  if (TMenuItem* item = FMenuItem.Get()) {
    if (TMenuWindow* window = item->SubMenu())
      window->popup(ToQPoint(below));
    else
      item->Click();
  } else if (TPopupMenu* menu = FDropdownMenu.Get()) {
    menu->Popup(below.X, below.Y);
  }
}

void TToolButton::TextChanged() { Changed(); }

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FMenuItem.Release(component);
  FDropdownMenu.Release(component);
  FAction.Release(component);
}

void TToolButton::Changed() {
  if (TToolButtonBar* bar = Bar()) bar->ArrangeButtons();
  Invalidate();
}
