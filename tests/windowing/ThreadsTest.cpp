#include "windowing/Threads.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <stdexcept>

#include "tests/support/EventLoopWait.h"

namespace {

bool OnGuiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

// Runs body on the worker; the test waits for it to end.
class TTestThread : public TThread {
 public:
  explicit TTestThread(std::function<void(TTestThread&)> body) : FBody(std::move(body)) { Start(); }
  ~TTestThread() override {
    Terminate();
    WaitFor();
  }
  using TThread::Queue;
  using TThread::Synchronize;

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TTestThread&)> FBody;
};

TEST(Threads, SynchronizeRunsOnTheGuiThreadAndBringsItsErrorBack) {
  std::atomic<bool> ranOnGui{false};
  std::atomic<bool> errorCameBack{false};
  TTestThread thread([&](TTestThread& self) {
    self.Synchronize([&] { ranOnGui = OnGuiThread(); });
    try {
      self.Synchronize([] { throw std::runtime_error("from the handler"); });
    } catch (const std::runtime_error& error) {
      errorCameBack = std::string(error.what()) == "from the handler";
    }
  });
  ASSERT_TRUE(ProcessEventsUntil([&] { return thread.Finished(); }));
  EXPECT_TRUE(ranOnGui);
  EXPECT_TRUE(errorCameBack);
}

TEST(Threads, QueueDoesNotWaitAndRunsOnTheGuiThread) {
  std::atomic<int> ranOnGui{0};
  TTestThread thread([&](TTestThread& self) {
    for (int i = 0; i < 3; ++i) self.Queue([&] { ranOnGui += OnGuiThread() ? 1 : 0; });
  });
  // The worker ends without the event loop having run once.
  thread.WaitFor();
  EXPECT_EQ(ranOnGui, 0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return ranOnGui == 3; }));
}

// The GUI thread waits for a worker that is itself waiting for the GUI
// thread: the wait has to run the handed-over work.
TEST(Threads, WaitForOnTheGuiThreadServesAPendingSynchronize) {
  THangGuard guard("WaitFor with a pending Synchronize");
  std::atomic<bool> ran{false};
  TTestThread thread([&](TTestThread& self) { self.Synchronize([&] { ran = true; }); });
  thread.WaitFor();
  EXPECT_TRUE(ran);
}

// A worker handing over work in a loop is destroyed at every possible
// moment: before, while and after its hand-over is pending. Destruction
// always ends, and nothing it handed over runs afterwards.
TEST(Threads, DestroyingAThreadDropsItsPendingHandOvers) {
  THangGuard guard("destroying threads with pending hand-overs");
  for (const bool wait : {true, false}) {
    for (int round = 0; round < 20; ++round) {
      auto ran = std::make_shared<std::atomic<int>>(0);
      auto thread = std::make_unique<TTestThread>([ran, wait](TTestThread& self) {
        while (!self.Terminated()) {
          if (wait)
            self.Synchronize([ran] { ++*ran; });
          else {
            self.Queue([ran] { ++*ran; });
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
          }
        }
      });
      ASSERT_TRUE(ProcessEventsUntil([&] { return *ran > round % 3; }));
      thread.reset();
      const int atEnd = *ran;
      QCoreApplication::processEvents();
      EXPECT_EQ(*ran, atEnd);
    }
  }
}

}  // namespace
