// Screenshots in the real-window tests: what the X server shows, read back
// with ImageMagick's import and left under build/shots/ for people to look at.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <chrono>

#include "tests/support/EventLoopWait.h"

inline QString ShotsFolder() { return QString(CAROLUNE_BIN_DIR) + "/../shots"; }

// What the screen shows, saved as name.png; a null image when import fails.
inline QImage ScreenShot(const QString& name) {
  QDir().mkpath(ShotsFolder());
  const QString path = ShotsFolder() + "/" + name + ".png";
  if (QProcess::execute("import", {"-window", "root", path}) != 0) return {};
  return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The same once the windows have had a moment to settle.
inline QImage SettledScreenShot(const QString& name) {
  ProcessEventsUntil([] { return false; }, std::chrono::milliseconds(300));
  return ScreenShot(name);
}
