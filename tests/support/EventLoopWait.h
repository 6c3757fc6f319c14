// Helpers for tests that wait on other threads: run the GUI thread's event
// loop until something holds, and turn a hang into a clear failure. The
// bounds are generous; they only keep a broken test from hanging the run.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Runs the event loop until done() holds; false when the bound passed first.
template <class Condition>
bool ProcessEventsUntil(Condition done, std::chrono::milliseconds bound = std::chrono::seconds(20)) {
  const QDeadlineTimer deadline(bound);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Aborts the test program with a message when the scope it guards has not
// ended within the bound.
class THangGuard {
 public:
  explicit THangGuard(const char* what, std::chrono::seconds bound = std::chrono::seconds(60))
      : FWatcher([this, what, bound] {
          std::unique_lock lock(FLock);
          if (FEnded.wait_for(lock, bound, [this] { return FDone; })) return;
          std::fprintf(stderr, "hang: %s did not finish\n", what);
          std::abort();
        }) {}
  ~THangGuard() {
    {
      std::lock_guard lock(FLock);
      FDone = true;
    }
    FEnded.notify_all();
    FWatcher.join();
  }
  THangGuard(const THangGuard&) = delete;
  THangGuard& operator=(const THangGuard&) = delete;

 private:
  std::mutex FLock;
  std::condition_variable FEnded;
  bool FDone = false;
  std::thread FWatcher;
};
