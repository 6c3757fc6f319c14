// Screenshots of the private X server that the real-window tests run on
// (see tests/skin/frame-xvfb.sh), left under build/shots/ for people to
// look at.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>

inline QString ShotsFolder() { return QString(CAROLUNE_BIN_DIR) + "/../shots"; }

// What the whole screen shows now, saved under name; a null image when
// ImageMagick's import failed.
inline QImage ScreenShot(const QString& name) {
  QDir().mkpath(ShotsFolder());
  const QString path = ShotsFolder() + "/" + name + ".png";
  if (QProcess::execute("import", {"-window", "root", path}) != 0) return {};
  return QImage(path).convertToFormat(QImage::Format_RGB32);
}
