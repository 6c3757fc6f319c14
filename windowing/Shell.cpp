#include "windowing/Shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "windowing/NativeControl.h"

namespace {

TShellOpener& Opener() {
  static TShellOpener opener;
  return opener;
}

}  // namespace

void ShellOpen(const std::string& target) {
  if (Opener()) {
    Opener()(target);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(FromLocal8Bit(target)));
}

TShellOpener SetShellOpener(TShellOpener opener) {
  TShellOpener previous = std::move(Opener());
  Opener() = std::move(opener);
  return previous;
}
