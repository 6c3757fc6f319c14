// A watch on one folder. A worker thread waits for changes of the kinds
// chosen in Options and hands each one to the GUI thread, where OnNotify
// runs: by default the worker waits until it has run there (AsyncNotify
// false); with AsyncNotify it goes on at once.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "runtime/Component.h"
#include "runtime/SysUtils.h"
#include "windowing/Threads.h"

enum TNotificationOption : uint8_t { fnoFile, fnoFolder, fnoAttr, fnoSize, fnoTime, fnoWatchSubtree };

// A set of options: bit n stands for the option of value n.
class TNotificationOptions {
 public:
  constexpr TNotificationOptions() = default;
  constexpr TNotificationOptions(std::initializer_list<TNotificationOption> options) {
    for (const TNotificationOption option : options) FBits |= Bit(option);
  }
  constexpr bool Contains(TNotificationOption option) const { return (FBits & Bit(option)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr uint8_t Bits() const { return FBits; }
  constexpr bool operator==(const TNotificationOptions&) const = default;

 private:
  static constexpr uint8_t Bit(TNotificationOption option) { return static_cast<uint8_t>(1u << option); }
  uint8_t FBits = 0;
};

class TFileNotify;
using TFileNotifyEvent = std::function<void(TComponent* Sender, TNotificationOption Action)>;

class EFileNotificationError : public Exception {
 public:
  EFileNotificationError() : Exception("Could not allocate notification object") {}
};

// Waits on the watch's folder. It holds notifications only while the watch
// has a folder and at least one kind of change to look for; without them it
// sleeps until the watch gives it some or it is told to stop.
class TNotificationThread : public TThread {
 public:
  explicit TNotificationThread(TFileNotify* watch);
  ~TNotificationThread() override;

  // Closes every notification and allocates them again for the watch's
  // current folder and options, at once, on the calling thread. A folder
  // that cannot be watched raises EFileNotificationError and leaves none.
  void ResetHandles();

 protected:
  void Execute() override;

 private:
  static constexpr int MaxHandles = 8;
  void AllocateHandles();
  void ReleaseHandles();
  bool AddWatch(const std::string& folder);
  void AddSubfolders(const std::string& folder);
  // Waits up to 200 ms; the index of the lowest signalled handle, or -1.
  int WaitForChange();
  void ReadChanges();
  void Signal(TNotificationOption kind);
  int TakeSignalled();
  void WakeWorker();
  void Notify();

  TFileNotify* const FWatch;
  // Every handle is one kind of change; a signalled handle stays so until
  // it has been reported. All of them share one inotify instance.
  std::array<TNotificationOption, MaxHandles> FKinds{};
  std::array<bool, MaxHandles> FSignalled{};
  int FHandleCount = 0;
  TNotificationOption FReportKind = fnoFile;
  int FInotify = -1;
  uint32_t FWatchMask = 0;
  bool FWatchSubtree = false;
  std::unordered_map<int, std::string> FWatchedFolders;  // by watch descriptor
  // The worker holds FLock while it waits and reads; a reset asks it to
  // pause (FPauseRequests), interrupts the wait through FWakeFd and then
  // works on the handles under the lock.
  std::mutex FLock;
  std::condition_variable FResume;
  std::atomic<int> FPauseRequests{0};
  int FWakeFd = -1;
};

class TFileNotify : public TComponent {
 public:
  explicit TFileNotify(TComponent* owner);
  ~TFileNotify() override;

  const std::string& Folder() const { return FFolder; }
  // A folder that cannot be watched raises EFileNotificationError; the
  // value is kept, and the watch waits on nothing until Folder or Options
  // change again.
  void SetFolder(const std::string& value);
  TNotificationOptions Options() const { return FOptions; }
  void SetOptions(TNotificationOptions value);
  bool AsyncNotify() const { return FAsyncNotify; }
  void SetAsyncNotify(bool value) { FAsyncNotify = value; }
  const TFileNotifyEvent& OnNotify() const { return FOnNotify; }
  void SetOnNotify(TFileNotifyEvent value) { FOnNotify = std::move(value); }

 protected:
  virtual void DoNotify(TNotificationOption action);

 private:
  friend class TNotificationThread;
  void ResetWorker();

  std::unique_ptr<TNotificationThread> FThread;
  std::atomic<bool> FAsyncNotify{false};
  std::string FFolder;
  TNotificationOptions FOptions{fnoFile, fnoFolder};
  TFileNotifyEvent FOnNotify;
};
