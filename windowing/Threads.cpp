#include "windowing/Threads.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace {

struct THandOver {
  const TThread* Thread = nullptr;
  TThread::TThreadMethod Method;
  bool Wait = false;
  bool Settled = false;  // run or dropped: a waiting Synchronize may go on
  std::exception_ptr Error;
};

// One list of handed-over work for the whole program; a single condition
// tells waiters that work arrived, was settled, or that a thread finished.
std::mutex HandOverLock;
std::condition_variable HandOverChanged;
std::deque<std::shared_ptr<THandOver>> PendingWork;

bool IsGuiThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && app->thread() == QThread::currentThread();
}

void WakeGuiThread() {
  if (QCoreApplication* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, [] { CheckSynchronize(); }, Qt::QueuedConnection);
}

std::shared_ptr<THandOver> TakeNext(bool waitingOnly) {
  std::lock_guard lock(HandOverLock);
  const auto found = std::find_if(PendingWork.begin(), PendingWork.end(),
                                  [&](const auto& work) { return work->Wait || !waitingOnly; });
  if (found == PendingWork.end()) return nullptr;
  std::shared_ptr<THandOver> work = *found;
  PendingWork.erase(found);
  return work;
}

void Run(THandOver& work) {
  if (!work.Wait) {
    work.Method();
    return;
  }
  try {
    work.Method();
  } catch (...) {
    work.Error = std::current_exception();
  }
  {
    std::lock_guard lock(HandOverLock);
    work.Settled = true;
  }
  HandOverChanged.notify_all();
}

}  // namespace

bool CheckSynchronize() {
  if (!IsGuiThread()) return false;
  const std::shared_ptr<THandOver> work = TakeNext(false);
  if (!work) return false;
  Run(*work);
  return true;
}

TThread::~TThread() {
  Terminate();
  WaitFor();
}

void TThread::Start() {
  if (FThread.joinable()) return;
  FThread = std::thread([this] {
    try {
      Execute();
    } catch (...) {
      FFatalException = std::current_exception();
    }
    {
      std::lock_guard lock(HandOverLock);
      FFinished = true;
    }
    HandOverChanged.notify_all();
  });
}

void TThread::Terminate() {
  {
    std::lock_guard lock(HandOverLock);
    FTerminated = true;
    const auto mine = std::remove_if(PendingWork.begin(), PendingWork.end(), [this](const auto& work) {
      if (work->Thread != this) return false;
      work->Settled = true;
      return true;
    });
    PendingWork.erase(mine, PendingWork.end());
  }
  HandOverChanged.notify_all();
}

void TThread::WaitFor() {
  if (!FThread.joinable()) return;
  if (IsGuiThread()) {
    std::unique_lock lock(HandOverLock);
    while (!FFinished) {
      const bool waitingWork = std::any_of(PendingWork.begin(), PendingWork.end(),
                                           [](const auto& work) { return work->Wait; });
      if (!waitingWork) {
        HandOverChanged.wait(lock);
        continue;
      }
      lock.unlock();
      if (const std::shared_ptr<THandOver> work = TakeNext(true)) Run(*work);
      lock.lock();
    }
  }
  FThread.join();
}

void TThread::HandOver(TThreadMethod method, bool wait) {
  if (IsGuiThread()) {
    method();
    return;
  }
  auto work = std::make_shared<THandOver>();
  work->Thread = this;
  work->Method = std::move(method);
  work->Wait = wait;
  {
    std::lock_guard lock(HandOverLock);
    if (FTerminated) return;
    PendingWork.push_back(work);
  }
  HandOverChanged.notify_all();
  WakeGuiThread();
  if (!wait) return;
  std::unique_lock lock(HandOverLock);
  HandOverChanged.wait(lock, [&] { return work->Settled; });
  if (work->Error) std::rethrow_exception(work->Error);
}

void TThread::Synchronize(TThreadMethod method) { HandOver(std::move(method), true); }

void TThread::Queue(TThreadMethod method) { HandOver(std::move(method), false); }
