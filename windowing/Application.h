// The application object: title, main form, the message loop with its
// idle event, and the error box that shows an exception which escaped an
// event handler. Its message boxes are those of MessageBoxes.h.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "runtime/Component.h"
#include "windowing/ComponentRef.h"
#include "windowing/Events.h"
#include "windowing/MessageBoxes.h"

class TForm;
class QObject;

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

  // The message boxes of MessageBoxes.h, as the application's.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return ShowMessageBox(text, caption, flags);
  }
  TMessageBoxProvider* SetMessageBoxProvider(TMessageBoxProvider* provider) {
    return InstallMessageBoxProvider(provider);
  }
  TMessageBoxProvider* MessageBoxProvider() const { return InstalledMessageBoxProvider(); }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::string FTitle;
  std::string FHelpFile;
  TComponentRef<TForm> FMainForm;
  bool FTerminated = false;
  bool FInIdle = false;
  std::unique_ptr<QObject> FHooks;
};

// The one application object.
TApplication& Application();
