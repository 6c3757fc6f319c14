// For the harnesses that drive windows: a headless application for the life
// of the process, whose message boxes, file dialogs and shell answer at once.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <string>

#include "windowing/Application.h"
#include "windowing/Dialogs.h"
#include "windowing/Shell.h"

// Every message box answers OK (or the first button) without showing.
class TSilentBoxes : public TMessageBoxProvider {
 public:
  int MessageBox(const std::string&, const std::string&, unsigned) override { return IDOK; }
};

// Made in LLVMFuzzerInitialize, before the first input.
inline void StartHeadlessApplication(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string runtime = "/tmp/carolune-fuzz-runtime-" + std::to_string(getuid());
  mkdir(runtime.c_str(), 0700);
  chmod(runtime.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  static QApplication app(*argc, *argv);
  static TSilentBoxes boxes;
  Application().SetMessageBoxProvider(&boxes);
  SetFileDialogRunner([](QFileDialog&) { return false; });
  SetShellOpener([](const std::string&) {});
}
