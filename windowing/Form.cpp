#include "windowing/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "windowing/ActionList.h"
#include "windowing/ComboBox.h"
#include "windowing/CustomPanel.h"
#include "windowing/Dialogs.h"
#include "windowing/Edit.h"
#include "windowing/FocusChain.h"
#include "windowing/FormReader.h"
#include "windowing/Guarded.h"
#include "windowing/Image.h"
#include "windowing/ImageList.h"
#include "windowing/Label.h"
#include "windowing/ListBox.h"
#include "windowing/MainMenu.h"
#include "windowing/Memo.h"
#include "windowing/PopupMenu.h"
#include "windowing/Splitter.h"
#include "windowing/StatusBar.h"
#include "windowing/StringGrid.h"
#include "windowing/Timer.h"
#include "windowing/ToolBar.h"
#include "windowing/TreeView.h"

namespace {

std::vector<TForm*>& Forms() {
  static std::vector<TForm*> forms;
  return forms;
}

TFormCloseHandler& CloseHandler() {
  static TFormCloseHandler handler;
  return handler;
}

bool ClosingEndsProgram(const TForm& form) {
  const TFormCloseHandler handler = CloseHandler();
  return handler && handler(form);
}

const TEnumInfo& BorderStyleNames() {
  static const TEnumInfo names{{"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return names;
}
const TEnumInfo& WindowStateNames() {
  static const TEnumInfo names{{"wsNormal", "wsMinimized", "wsMaximized"}};
  return names;
}
const TEnumInfo& FormStyleNames() {
  static const TEnumInfo names{{"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
  return names;
}

}  // namespace

const TEnumInfo& TForm::PositionNames() {
  static const TEnumInfo names{{"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                                "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
  return names;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  setWindowFlag(Qt::Window);
  SetInitiallyHidden();
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  Forms().push_back(this);
}

TForm::~TForm() {
  BeforeDestruction();
  std::erase(Forms(), this);
}

void TForm::BeforeDestruction() {
  if (FDestroyed) return;
  FDestroyed = true;
  if (FModalLoop) FModalLoop->quit();
  if (OnDestroy) Guarded([this] { OnDestroy(this); });
  Destroying();
  DestroyComponents();
}

const TClassInfo& TForm::StaticClassInfo() {
  static const auto info = DefineClass<TForm>("TForm", TWinControl::StaticClassInfo(), [](TPublisher<TForm>& p) {
    p.Component<TWinControl>("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
        .Bool("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll)
        .Enum("BorderStyle", BorderStyleNames(), &TForm::BorderStyle, &TForm::SetBorderStyle)
        .Enum("FormStyle", FormStyleNames(), &TForm::FormStyle, &TForm::SetFormStyle)
        .Bool("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview)
        .Component<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
        .Enum("Position", PositionNames(), &TForm::Position, &TForm::SetPosition)
        .Bool("Scaled", &TForm::Scaled, &TForm::SetScaled)
        .Enum("WindowState", WindowStateNames(), &TForm::WindowState, &TForm::SetWindowState)
        .Event("OnActivate", &TForm::OnActivate)
        .Event("OnClose", &TForm::OnClose)
        .Event("OnCloseQuery", &TForm::OnCloseQuery)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnDeactivate", &TForm::OnDeactivate)
        .Event("OnDestroy", &TForm::OnDestroy)
        .Event("OnHide", &TForm::OnHide)
        .Event("OnShow", &TForm::OnShow);
  });
  return *info;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (FBorderStyle == style) return;
  FBorderStyle = style;
  const bool shown = isVisible();
  setWindowFlag(Qt::FramelessWindowHint, style == TFormBorderStyle::bsNone);
  if (shown) QWidget::setVisible(true);
}

void TForm::SetWindowState(TWindowState state) {
  if (FWindowState == state) return;
  FWindowState = state;
  if (isVisible()) ApplyWindowState();
}

void TForm::ApplyWindowState() {
  switch (FWindowState) {
    case TWindowState::wsNormal:
      Restore();
      break;
    case TWindowState::wsMinimized:
      setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
      break;
    case TWindowState::wsMaximized:
      Maximize();
      break;
  }
}

// A window without a frame of the window system's is maximised and
// restored here: the window system does not (there may be none), and Qt
// forgets the maximised state as soon as such a window's bounds are set.
void TForm::Maximize() {
  if (!(windowFlags() & Qt::FramelessWindowHint)) {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    return;
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  if (!FMaximizedHere) {
    FNormalBounds = BoundsRect();
    FMaximizedHere = true;
  }
  setWindowState(windowState() & ~Qt::WindowMinimized);
  SetBoundsRect(FromQRect(screen->availableGeometry()));
}

void TForm::Restore() {
  const bool maximizedHere = std::exchange(FMaximizedHere, false);
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  if (maximizedHere) SetBoundsRect(FNormalBounds);
}

void TForm::SetMenu(TMainMenu* menu) { FMenu.Set(this, menu); }

void TForm::SetActiveControl(TWinControl* control) {
  FActiveControl.Set(this, control);
  if (control && isVisible() && control->CanFocus()) control->SetFocus();
}

void TForm::RaiseMissingComponent(const std::string& name) const {
  throw EFormError("The form " + Name() + " has no " + name);
}

const std::any* TForm::FindHandler(const std::string& name) const {
  const auto it = FHandlers.find(UpperCase(name));
  return it == FHandlers.end() ? nullptr : &it->second;
}

void TForm::LoadDescription(const std::string& text, const std::function<void()>& found) {
  static const bool registered = (RegisterWindowingClasses(), true);
  (void)registered;
  ReadDescription(text, *this, [this](const std::string& name) { return FindHandler(name); });
  if (found) found();
  if (OnCreate) OnCreate(this);
}

void TForm::SetModalResult(TModalResult result) {
  FModalResult = result;
  if (!FModalLoop || result == mrNone) return;
  if (!CloseQuery()) {
    FModalResult = mrNone;
    return;
  }
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) {
    FModalResult = mrNone;
    return;
  }
  FModalLoop->quit();
}

TModalResult TForm::ShowModal() {
  if (isVisible() || FModalLoop) throw EPropertyError("Cannot make a visible window modal");
  FModalResult = mrNone;
  QEventLoop loop;
  FModalLoop = &loop;
  setWindowModality(Qt::ApplicationModal);
  SetVisible(true);
  while (FModalResult == mrNone && !FDestroyed) loop.exec();
  FModalLoop = nullptr;
  if (!FDestroyed) {
    SetVisible(false);
    setWindowModality(Qt::NonModal);
  }
  return FModalResult;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (FModalLoop) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (ClosingEndsProgram(*this)) {
    SetVisible(false);
    return;
  }
  if (action == TCloseAction::caMinimize)
    SetWindowState(TWindowState::wsMinimized);
  else
    SetVisible(false);
  if (action == TCloseAction::caFree) Release();
}

void TForm::Release() {
  QTimer::singleShot(0, this, [this] { delete this; });
}

void TForm::Paint(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.FillRect(ClientRect());
}

void TForm::TextChanged() {
  setWindowTitle(QString::fromStdString(Caption()));
  TWinControl::TextChanged();
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FMenu.Release(component);
  FActiveControl.Release(component);
}

void TForm::PlaceOnScreen() {
  if (FPlaced) return;
  FPlaced = true;
  if (FPosition != TPosition::poScreenCenter && FPosition != TPosition::poDesktopCenter &&
      FPosition != TPosition::poMainFormCenter && FPosition != TPosition::poOwnerFormCenter)
    return;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
}

// The window is put in its place before the window system first sees it.
// Moved while it is being mapped, a reparenting window manager may still
// hold it in a frame at another place when Qt reads the move back: Qt then
// keeps that place for the window while the form keeps its own, so menus
// and drop-downs open off the window and drags start from the wrong place.
void TForm::setVisible(bool visible) {
  if (visible && !isVisible()) {
    PlaceOnScreen();
    if (FWindowState == TWindowState::wsMaximized) Maximize();
  }
  TWinControl::setVisible(visible);
}

void TForm::showEvent(QShowEvent* event) {
  TWinControl::showEvent(event);
  if (TWinControl* control = FActiveControl.Get(); control && control->CanFocus()) control->SetFocus();
  if (OnShow) Guarded([this] { OnShow(this); });
}

void TForm::hideEvent(QHideEvent* event) {
  TWinControl::hideEvent(event);
  if (OnHide && !IsDestroying()) Guarded([this] { OnHide(this); });
}

void TForm::closeEvent(QCloseEvent* event) {
  // The form decides itself whether and how it closes.
  event->ignore();
  Guarded([this] { Close(); });
}

void TForm::changeEvent(QEvent* event) {
  TWinControl::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    // The window system may change the state itself, as a restore from the
    // task bar does; the property follows it, and a window maximised here
    // stays maximised under a minimise.
    const Qt::WindowStates state = windowState();
    FWindowState = (state & Qt::WindowMinimized)                      ? TWindowState::wsMinimized
                   : (state & Qt::WindowMaximized) || FMaximizedHere ? TWindowState::wsMaximized
                                                                     : TWindowState::wsNormal;
    return;
  }
  if (event->type() != QEvent::ActivationChange) return;
  const bool active = isActiveWindow();
  if (active == FActive) return;
  FActive = active;
  Guarded([this] {
    if (FActive && OnActivate) OnActivate(this);
    if (!FActive && OnDeactivate) OnDeactivate(this);
  });
}

bool TForm::focusNextPrevChild(bool next) {
  if (!isWindow()) return TWinControl::focusNextPrevChild(next);
  QWidget* to = NextTabStop(*this, next);
  if (!to) return false;
  to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

TForm* GetParentForm(const TControl* control) { return dynamic_cast<TForm*>(GetParentFormWindow(control)); }

int ScreenFormCount() { return static_cast<int>(Forms().size()); }

TForm* ScreenForms(int index) { return Forms().at(static_cast<size_t>(index)); }

void SetFormCloseHandler(TFormCloseHandler handler) { CloseHandler() = std::move(handler); }

void RegisterWindowingClasses() {
  for (const TClassInfo* info :
       {&TPanel::StaticClassInfo(), &TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(),
        &TMenuItem::StaticClassInfo(), &TImageList::StaticClassInfo(), &TTimer::StaticClassInfo(),
        &TAction::StaticClassInfo(), &TActionList::StaticClassInfo(),
        &TToolBar::StaticClassInfo(), &TToolButton::StaticClassInfo(), &TForm::StaticClassInfo(),
        &TEdit::StaticClassInfo(), &TMemo::StaticClassInfo(), &TListBox::StaticClassInfo(),
        &TComboBox::StaticClassInfo(), &TTreeView::StaticClassInfo(), &TStringGrid::StaticClassInfo(),
        &TLabel::StaticClassInfo(), &TImage::StaticClassInfo(), &TStatusBar::StaticClassInfo(),
        &TOpenDialog::StaticClassInfo(), &TSaveDialog::StaticClassInfo(), &TSplitter::StaticClassInfo()})
    RegisterClass(*info);
}
