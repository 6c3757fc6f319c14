#include "windowing/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "windowing/ActionList.h"
#include "windowing/Form.h"
#include "windowing/Guarded.h"

namespace {

// The platform's look for the application's own boxes.
class TQtMessageBoxes : public TMessageBoxProvider {
 public:
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    QMessageBox box;
    box.setText(QString::fromLocal8Bit(text.c_str()));
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(QString::fromLocal8Bit(caption.c_str()));
    switch (flags & 0xF0) {
      case MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
      case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
      case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
      case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
      default:
        break;
    }
    switch (flags & 0x0F) {
      case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
      case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
      case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
      default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
      case QMessageBox::Cancel:
        return IDCANCEL;
      case QMessageBox::Yes:
        return IDYES;
      case QMessageBox::No:
        return IDNO;
      default:
        return IDOK;
    }
  }
};

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

TQtMessageBoxes& QtMessageBoxes() {
  static TQtMessageBoxes boxes;
  return boxes;
}

}  // namespace

int TMessageBoxProvider::MessageDialog(const TMessageDialogRequest& request) {
  std::vector<int> results;
  for (const TMessageDialogButton& button : request.Buttons) results.push_back(button.Result);
  unsigned buttons = MB_OK;
  if (results == std::vector<int>{IDOK, IDCANCEL})
    buttons = MB_OKCANCEL;
  else if (results == std::vector<int>{IDYES, IDNO})
    buttons = MB_YESNO;
  else if (results == std::vector<int>{IDYES, IDNO, IDCANCEL})
    buttons = MB_YESNOCANCEL;
  return MessageBox(request.Text, request.Caption, buttons | request.Icon);
}

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

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return (FMessageBoxes ? *FMessageBoxes : QtMessageBoxes()).MessageBox(text, caption, flags);
}

TMessageBoxProvider* TApplication::SetMessageBoxProvider(TMessageBoxProvider* provider) {
  TMessageBoxProvider* previous = FMessageBoxes;
  FMessageBoxes = provider;
  return previous;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) FMainForm.Release(component);
}

TApplication& Application() {
  static TApplication application;
  return application;
}
