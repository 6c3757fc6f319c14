// The application object: title, main form, the message loop with its
// idle event, and the error box that shows an exception which escaped an
// event handler. Message boxes go through a provider that tests replace.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Component.h"
#include "windowing/ComponentRef.h"
#include "windowing/Events.h"
#include "windowing/Font.h"

class TForm;
class QObject;

// Message box flags and answers, with the platform's values.
constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4, MB_ICONERROR = 0x10,
                   MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;

// One of the application's own messages (a question, a warning), which the
// programs show in their skinned box: a caption, a text, one to three
// buttons with the answers they give, an icon (MB_ICONWARNING,
// MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION or 0), and the look of
// the window that asks: its style, by the skinned library's number, and its
// font.
struct TMessageDialogButton {
  std::string Caption;
  int Result = IDOK;
};
struct TMessageDialogRequest {
  std::string Caption;
  std::string Text;
  std::vector<TMessageDialogButton> Buttons;
  unsigned Icon = 0;
  int Style = 0;
  TFont Font;
};

class TMessageBoxProvider {
 public:
  virtual ~TMessageBoxProvider() = default;
  // The platform's box (the class library's messages, the error box):
  // shows it and returns the answer.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // The application's own messages, while a provider stands in for their
  // box. By default they go to MessageBox with the standard buttons that
  // give the same answers (OK; OK, Cancel; Yes, No; Yes, No, Cancel; else OK).
  virtual int MessageDialog(const TMessageDialogRequest& request);
};

using TIdleEvent = std::function<void(TComponent* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TComponent* Sender, const std::exception& E)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title);
  const std::string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& helpFile) { FHelpFile = helpFile; }
  // The first form made by CreateForm; closing it ends the message loop.
  TForm* MainForm() const { return FMainForm.Get(); }
  // True while one of the program's windows is the active window.
  bool Active() const;
  // The folder of the running program, with its final "/".
  std::string ExeFolder() const;

  // Makes a form owned by the application; the first becomes the main form.
  template <class F>
  F* CreateForm() {
    F* form = new F(this);
    if (!FMainForm) SetMainForm(form);
    return form;
  }
  void SetMainForm(TForm* form);
  // Shows the main form and runs the loop until Terminate or the main form closes.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // The idle event runs whenever the loop is about to wait. A handler that
  // sets Done to false is called again without waiting.
  TIdleEvent OnIdle;
  // Installs handler after the current one: the previous handler runs first.
  void ChainIdleHandler(TIdleEvent handler);
  // Runs the idle processing once: OnIdle, then the actions' updates of
  // every visible form. Returns Done.
  bool DoIdle();

  TExceptionEvent OnException;
  // Where guarded event handlers send their exceptions (Guarded.h):
  // OnException when set, else ShowException.
  void HandleException(const std::exception& e);
  // The error box: titled with Title, error icon, the message with a full
  // stop added when its last character sorts after ".".
  void ShowException(const std::exception& e);
  static std::string ExceptionText(const std::string& message);

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // Installs a provider (null: Qt's message box); returns the previous one.
  TMessageBoxProvider* SetMessageBoxProvider(TMessageBoxProvider* provider);
  // The installed provider, or null while the boxes are shown for real.
  // The skinned message box asks it first.
  TMessageBoxProvider* MessageBoxProvider() const { return FMessageBoxes; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::string FTitle;
  std::string FHelpFile;
  TComponentRef<TForm> FMainForm;
  bool FTerminated = false;
  bool FInIdle = false;
  TMessageBoxProvider* FMessageBoxes = nullptr;
  std::unique_ptr<QObject> FHooks;
};

// The one application object.
TApplication& Application();
