// Real input for the real-window tests: xdotool moves the X server's own
// pointer and presses its keys (XTEST), as a person does, so that a window
// manager sees them as well. The event loop runs while each command does,
// so a window can answer (a window manager's move waits for that).
#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QWidget>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <initializer_list>

#include "tests/support/EventLoopWait.h"

// Runs xdotool with the arguments, then lets the windows react; false when
// it failed.
inline bool Xdo(const QStringList& arguments) {
  QProcess xdotool;
  xdotool.start("xdotool", arguments);
  if (!xdotool.waitForStarted()) return false;
  const bool ended = ProcessEventsUntil(
      [&] { return xdotool.state() == QProcess::NotRunning || xdotool.waitForFinished(5); }, std::chrono::seconds(20));
  ProcessEventsUntil([] { return false; }, std::chrono::milliseconds(150));
  if (ended && xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0) return true;
  std::fprintf(stderr, "xdotool %s failed: %s\n", qPrintable(arguments.join(' ')),
               xdotool.readAllStandardError().constData());
  return false;
}

inline QStringList XdoPoint(QPoint p) { return {QString::number(p.x()), QString::number(p.y())}; }

// Moves the pointer to the screen point and clicks the left button there,
// twice for a double click.
inline bool ClickAt(QPoint screen, int clicks = 1) {
  return Xdo(QStringList{"mousemove"} + XdoPoint(screen)) &&
         Xdo({"click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
}

// Presses the left button at the screen point, moves the held pointer to
// each point in turn and releases it at the last.
inline bool DragOnScreen(QPoint from, std::initializer_list<QPoint> to) {
  bool done = Xdo(QStringList{"mousemove"} + XdoPoint(from)) && Xdo({"mousedown", "1"});
  for (const QPoint p : to) done = Xdo(QStringList{"mousemove"} + XdoPoint(p)) && done;
  return Xdo({"mouseup", "1"}) && done;
}

// Presses keys as xdotool names them ("ctrl+o", "Escape").
inline bool PressKeys(const QString& keys) { return Xdo({"key", "--clearmodifiers", keys}); }

// Where the X server shows a window: its top-left corner on the screen and
// its size; an empty rectangle when it is not shown.
inline QRect ShownAt(WId window) {
  QProcess info;
  info.start("xwininfo", {"-id", QString::number(window)});
  info.waitForFinished();
  const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
  auto field = [&](const char* name) {
    const QRegularExpressionMatch m = QRegularExpression(QString(name) + R"(:\s+(-?\d+))").match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
  };
  if (!text.contains("IsViewable")) return {};
  return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
}
