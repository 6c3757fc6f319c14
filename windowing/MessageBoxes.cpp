#include "windowing/MessageBoxes.h"

#include <QMessageBox>
#include <utility>

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

TQtMessageBoxes& QtMessageBoxes() {
  static TQtMessageBoxes boxes;
  return boxes;
}

TMessageBoxProvider*& Installed() {
  static TMessageBoxProvider* provider = nullptr;
  return provider;
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

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  TMessageBoxProvider* provider = Installed();
  return (provider ? *provider : QtMessageBoxes()).MessageBox(text, caption, flags);
}

TMessageBoxProvider* InstallMessageBoxProvider(TMessageBoxProvider* provider) {
  return std::exchange(Installed(), provider);
}

TMessageBoxProvider* InstalledMessageBoxProvider() { return Installed(); }
