// Worker threads in the class library's manner. Execute runs on its own
// thread; Terminate only asks it to stop. Work that must run on the GUI
// thread (the thread of the application object) is handed over with
// Synchronize, which waits until it has run, or Queue, which does not.
// Handed-over work runs from the GUI thread's event loop, and also while the
// GUI thread waits for a thread to end, so that a worker blocked in
// Synchronize cannot deadlock a shut-down.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

class TThread {
 public:
  using TThreadMethod = std::function<void()>;

  // The thread starts only with Start, once the derived object is whole.
  TThread() = default;
  // Asks the thread to stop and waits for it. Classes derived from TThread
  // do the same in their own destructor: Execute must not outlive the
  // object it runs for.
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  void Start();
  // From now on the thread hands nothing more over: work it handed over
  // that has not begun to run is dropped, and a Synchronize waiting for such
  // work returns without it having run.
  void Terminate();
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  // Waits until Execute has returned. On the GUI thread, work that other
  // threads hand over with Synchronize keeps running meanwhile.
  void WaitFor();
  // What ended Execute, when it ended by an exception; read after WaitFor.
  std::exception_ptr FatalException() const { return FFatalException; }

 protected:
  virtual void Execute() = 0;
  // Runs method on the GUI thread and waits until it has run; an exception
  // that it raises is raised here again. On the GUI thread itself method
  // runs at once.
  void Synchronize(TThreadMethod method);
  // Hands method to the GUI thread's event loop without waiting. An
  // exception that it raises goes to the GUI thread's handling of event
  // handler errors.
  void Queue(TThreadMethod method);

 private:
  void HandOver(TThreadMethod method, bool wait);

  std::thread FThread;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  std::exception_ptr FFatalException;
};

// Runs the oldest piece of work handed to the GUI thread, if any, and says
// whether one ran. The event loop calls it by itself; it does nothing when
// called on another thread.
bool CheckSynchronize();
