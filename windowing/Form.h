// Forms: top-level windows read from a form description. A form owns its
// components, binds the description's handler names to its own methods
// through a table it fills before loading (the header the form compiler
// makes of the description fills it, see formc/FormCompiler.h), and runs
// OnCreate once the whole description is loaded. It can be shown modally
// until ModalResult is set.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>

#include "windowing/ComponentRef.h"
#include "windowing/Persistent.h"
#include "windowing/WinControl.h"

class TMainMenu;
class QEventLoop;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& PositionNames();

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  // Follows the window system. A frameless window is maximised to the
  // screen's available area and restored to the bounds it had before.
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState state);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle style) { FFormStyle = style; }
  TMainMenu* Menu() const { return FMenu.Get(); }
  void SetMenu(TMainMenu* menu);
  // The control that has (or last had) the focus on this form.
  TWinControl* ActiveControl() const { return FActiveControl.Get(); }
  void SetActiveControl(TWinControl* control);
  void FocusChanged(TWinControl* control) override { FActiveControl.Set(this, control); }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool keyPreview) { FKeyPreview = keyPreview; }
  // Kept for descriptions; the layer neither scales nor scrolls forms.
  bool Scaled() const { return FScaled; }
  void SetScaled(bool scaled) { FScaled = scaled; }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool autoScroll) { FAutoScroll = autoScroll; }

  // True while the form is the active window.
  bool Active() const { return FActive; }
  TModalResult ModalResult() const { return FModalResult; }
  // While the form is shown modally, a value other than mrNone closes it.
  void SetModalResult(TModalResult result);
  bool Modal() const { return FModalLoop != nullptr; }
  // Shows the form and waits until it closes; returns ModalResult.
  TModalResult ShowModal();
  // Asks OnCloseQuery, then closes as OnClose decides (hide by default);
  // closing the main form ends the application's loop (see
  // SetFormCloseHandler).
  void Close();
  bool CloseQuery();
  // Frees the form once the current event is handled.
  void Release();

  // Description handlers: the names a description may give its events.
  template <class F, class... A>
  void AddHandler(const std::string& name, void (F::*method)(A...)) {
    FHandlers[UpperCase(name)] = MakeHandler(static_cast<F*>(this), method);
  }
  void AddHandler(const std::string& name, std::any handler) { FHandlers[UpperCase(name)] = std::move(handler); }
  const std::any* FindHandler(const std::string& name) const;
  // Reads the description into this form (see FormReader.h), runs every
  // component's Loaded, then found (where a form made by the form compiler
  // takes its typed components) and OnCreate. The first description read
  // registers the windowing classes.
  void LoadDescription(const std::string& text, const std::function<void()>& found = {});
  // The component of the loaded description with that name and class; a
  // description that lacks it raises EFormError naming the form and the
  // component.
  template <class T>
  T& Named(const std::string& name) const {
    if (auto* found = dynamic_cast<T*>(FindComponent(name))) return *found;
    RaiseMissingComponent(name);
  }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  // Runs OnDestroy and frees the components while the derived form is still
  // whole; a form class whose handlers use its members calls it first in its
  // destructor.
  void BeforeDestruction();
  bool IsOwnerPainted() const override { return true; }
  bool IsFormWindow() const override { return true; }
  void Paint(TCanvas& canvas) override;
  void TextChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

  void setVisible(bool visible) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Tab and Shift+Tab reach only the controls a person sees (FocusChain.h).
  bool focusNextPrevChild(bool next) override;

 private:
  [[noreturn]] void RaiseMissingComponent(const std::string& name) const;
  void PlaceOnScreen();
  void ApplyWindowState();
  void Maximize();
  void Restore();

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TWindowState FWindowState = TWindowState::wsNormal;
  // A frameless window maximised here covers the screen's available area
  // until it is restored to FNormalBounds; minimising keeps this, so that a
  // window restored from the task bar is maximised again.
  bool FMaximizedHere = false;
  TRect FNormalBounds;
  TPosition FPosition = TPosition::poDesigned;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  TComponentRef<TMainMenu> FMenu;
  TComponentRef<TWinControl> FActiveControl;
  bool FKeyPreview = false;
  bool FScaled = true;
  bool FAutoScroll = true;
  bool FActive = false;
  bool FPlaced = false;
  bool FDestroyed = false;
  TModalResult FModalResult = mrNone;
  QEventLoop* FModalLoop = nullptr;
  std::map<std::string, std::any> FHandlers;
};

// The form a control sits on (walking its parents), or null.
TForm* GetParentForm(const TControl* control);

// Registers the windowing layer's classes that descriptions may name (the
// skinned library registers its own).
void RegisterWindowingClasses();

// The forms that exist, in creation order.
int ScreenFormCount();
TForm* ScreenForms(int index);

// The application's part in closing a form: for its main form it ends its
// message loop and answers true, and the form is then only hidden,
// whatever OnClose chose. The application object installs it when it is
// made and removes it when it goes (null: none, and no form is the main
// form).
using TFormCloseHandler = std::function<bool(const TForm& Form)>;
void SetFormCloseHandler(TFormCloseHandler handler);
