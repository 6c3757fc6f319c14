#include "windowing/Application.h"

#include <QApplication>
#include <QTimer>

#include "windowing/ActionList.h"
#include "windowing/Form.h"
#include "windowing/Guarded.h"

namespace {

// Runs the idle processing once the events that arrived are handled: any
// event but the idle timer's own arms it, as each message the platform
// takes from its queue does.
class TIdleHook : public QObject {
 public:
  explicit TIdleHook(TApplication& application) : FApplication(application) {
    FTimer.setSingleShot(true);
    FTimer.setInterval(0);
    connect(&FTimer, &QTimer::timeout, this, [this] {
      if (!FApplication.DoIdle()) FTimer.start();
    });
    if (qApp) qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &FTimer && !FTimer.isActive()) FTimer.start();
    return false;
  }

 private:
  TApplication& FApplication;
  QTimer FTimer;
};

}  // namespace

TApplication::TApplication() : TComponent(nullptr), FHooks(std::make_unique<TIdleHook>(*this)) {
  SetGuardedExceptionHandler([this](const std::exception& e) { HandleException(e); });
  SetFormCloseHandler([this](const TForm& form) {
    if (&form != FMainForm.Get()) return false;
    Terminate();
    return true;
  });
}

TApplication::~TApplication() {
  Destroying();
  DestroyComponents();
  SetFormCloseHandler(nullptr);
  SetGuardedExceptionHandler(nullptr);
}

// The title names the program's own boxes. It is not Qt's display name,
// which Qt would append to every window's title: a window is titled by its
// form's caption alone.
void TApplication::SetTitle(const std::string& title) { FTitle = title; }

bool TApplication::Active() const { return QApplication::activeWindow() != nullptr; }

std::string TApplication::ExeFolder() const {
  return IncludeTrailingPathDelimiter(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString());
}

void TApplication::Run() {
  if (TForm* form = FMainForm.Get()) form->Show();
  while (!FTerminated && FMainForm && FMainForm->Visible()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::SetMainForm(TForm* form) { FMainForm.Set(this, form); }

void TApplication::Terminate() { FTerminated = true; }

void TApplication::ChainIdleHandler(TIdleEvent handler) {
  TIdleEvent previous = OnIdle;
  OnIdle = [previous, handler](TComponent* sender, bool& done) {
    if (previous) previous(sender, done);
    if (handler) handler(sender, done);
  };
}

bool TApplication::DoIdle() {
  if (FInIdle) return true;
  FInIdle = true;
  bool done = true;
  Guarded([&] {
    if (OnIdle) OnIdle(this, done);
    for (int i = 0; i < ScreenFormCount(); ++i) {
      TForm* form = ScreenForms(i);
      if (!form->Visible()) continue;
      for (int c = 0; c < form->ComponentCount(); ++c)
        if (auto* list = dynamic_cast<TActionList*>(form->Components(c))) list->UpdateActions();
    }
  });
  FInIdle = false;
  return done;
}

void TApplication::HandleException(const std::exception& e) {
  if (OnException) {
    try {
      OnException(this, e);
      return;
    } catch (const std::exception& inner) {
      ShowException(inner);
      return;
    }
  }
  ShowException(e);
}

std::string TApplication::ExceptionText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
    return message + ".";
  return message;
}

void TApplication::ShowException(const std::exception& e) {
  MessageBox(ExceptionText(e.what()), FTitle, MB_OK | MB_ICONERROR);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) FMainForm.Release(component);
}

TApplication& Application() {
  static TApplication application;
  return application;
}
