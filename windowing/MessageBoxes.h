// Message boxes: the platform's box, which shows the class library's
// messages and the error box, and the application's own messages, which the
// programs show in their skinned box. Both go through a provider that tests
// replace.
#pragma once

#include <string>
#include <vector>

#include "windowing/Font.h"

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

// Shows the platform's box through the installed provider (Qt's message
// box while none is) and returns the answer.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
// Installs a provider (null: Qt's message box); returns the previous one.
TMessageBoxProvider* InstallMessageBoxProvider(TMessageBoxProvider* provider);
// The installed provider, or null while the boxes are shown for real. The
// skinned message box asks it first.
TMessageBoxProvider* InstalledMessageBoxProvider();
