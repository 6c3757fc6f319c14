// main for the test binaries that need a QApplication: headless unless the
// caller chose a platform, with a private runtime folder so that Qt does not
// complain about a missing or shared one.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <string>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::string runtime = "/tmp/carolune-test-runtime-" + std::to_string(getuid());
  mkdir(runtime.c_str(), 0700);
  chmod(runtime.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
