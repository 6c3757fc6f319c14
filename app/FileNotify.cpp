#include "app/FileNotify.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {

constexpr int WaitMilliseconds = 200;
constexpr uint32_t NameChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

// The kinds that take a handle, in the order they are allocated (and so
// reported when several are signalled together).
constexpr TNotificationOption AllocationOrder[] = {fnoFile, fnoFolder, fnoSize, fnoTime, fnoAttr};

uint32_t MaskOf(TNotificationOption kind) {
  switch (kind) {
    case fnoFile:
    case fnoFolder:
      return NameChanges;
    case fnoSize:
      return IN_MODIFY;
    case fnoTime:
      return IN_MODIFY | IN_ATTRIB;
    case fnoAttr:
      return IN_ATTRIB;
    case fnoWatchSubtree:
      break;
  }
  return 0;
}

}  // namespace

// ---------------------------------------------------------------- worker

TNotificationThread::TNotificationThread(TFileNotify* watch)
    // Without the wake-up the worker still notices a reset or the end of
    // the program, only at the end of its current wait.
    : FWatch(watch), FWakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
  ResetHandles();
  Start();
}

TNotificationThread::~TNotificationThread() {
  Terminate();
  WakeWorker();
  {
    // Taking the lock once makes sure the worker is not between looking at
    // Terminated and going to sleep when it is woken.
    std::lock_guard lock(FLock);
  }
  FResume.notify_all();
  WaitFor();
  ReleaseHandles();
  if (FWakeFd >= 0) close(FWakeFd);
}

void TNotificationThread::WakeWorker() {
  const uint64_t one = 1;
  if (FWakeFd >= 0) (void)!write(FWakeFd, &one, sizeof one);
}

void TNotificationThread::ResetHandles() {
  ++FPauseRequests;
  WakeWorker();
  std::exception_ptr failure;
  {
    // Once the lock is ours the worker is off its wait and cannot resume
    // before we are done.
    std::lock_guard lock(FLock);
    --FPauseRequests;
    ReleaseHandles();
    try {
      AllocateHandles();
    } catch (...) {
      failure = std::current_exception();
    }
  }
  FResume.notify_all();
  if (failure) std::rethrow_exception(failure);
}

void TNotificationThread::ReleaseHandles() {
  if (FInotify >= 0) close(FInotify);
  FInotify = -1;
  FKinds.fill(fnoFile);
  FSignalled.fill(false);
  FHandleCount = 0;
  FWatchedFolders.clear();
}

void TNotificationThread::AllocateHandles() {
  const TNotificationOptions options = FWatch->Options();
  const std::string& folder = FWatch->Folder();
  if (options.Empty() || folder.empty()) return;
  int count = 0;
  uint32_t mask = 0;
  for (const TNotificationOption kind : AllocationOrder) {
    if (!options.Contains(kind)) continue;
    FKinds[count++] = kind;
    mask |= MaskOf(kind);
  }
  if (count == 0) return;
  FWatchSubtree = options.Contains(fnoWatchSubtree);
  // Following a subtree needs to hear of new folders, whatever is watched.
  FWatchMask = mask | IN_ONLYDIR | (FWatchSubtree ? IN_CREATE | IN_MOVED_TO : 0);
  try {
    FInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (FInotify < 0 || !AddWatch(folder)) throw EFileNotificationError();
    if (FWatchSubtree) AddSubfolders(folder);
  } catch (...) {
    ReleaseHandles();
    throw;
  }
  FHandleCount = count;
}

bool TNotificationThread::AddWatch(const std::string& folder) {
  const int descriptor = inotify_add_watch(FInotify, folder.c_str(), FWatchMask);
  if (descriptor < 0) return false;
  FWatchedFolders[descriptor] = folder;
  return true;
}

// Subfolders that cannot be watched are left out; links are not followed,
// so a link back up the tree cannot make the walk endless.
void TNotificationThread::AddSubfolders(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error);
  while (!error && walk != fs::recursive_directory_iterator()) {
    std::error_code entryError;
    if (!walk->is_symlink(entryError) && walk->is_directory(entryError)) AddWatch(walk->path().string());
    walk.increment(error);
  }
}

void TNotificationThread::Execute() {
  std::unique_lock lock(FLock);
  for (;;) {
    FResume.wait(lock, [this] { return Terminated() || (FPauseRequests == 0 && FHandleCount > 0); });
    if (Terminated()) return;
    const int index = WaitForChange();
    if (index < 0) continue;
    const TNotificationOption kind = FKinds[index];
    lock.unlock();
    try {
      if (FWatch->AsyncNotify()) {
        Queue([watch = FWatch, kind] { watch->DoNotify(kind); });
      } else {
        FReportKind = kind;
        Synchronize([this] { Notify(); });
      }
    } catch (const std::exception&) {
      // OnNotify failed on the GUI thread: that notice is spent, and the
      // watch goes on with the next change.
    }
    lock.lock();
  }
}

int TNotificationThread::WaitForChange() {
  // A handle still signalled from the last wait answers at once, the way a
  // signalled handle satisfies the next wait.
  if (const int index = TakeSignalled(); index >= 0) return index;
  pollfd waits[] = {{FInotify, POLLIN, 0}, {FWakeFd, POLLIN, 0}};
  if (poll(waits, 2, WaitMilliseconds) <= 0) return -1;
  if (waits[1].revents & POLLIN) {
    uint64_t count = 0;
    (void)!read(FWakeFd, &count, sizeof count);
  }
  if (waits[0].revents & POLLIN) ReadChanges();
  return TakeSignalled();
}

void TNotificationThread::ReadChanges() {
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t length = read(FInotify, buffer, sizeof buffer);
    if (length <= 0) return;
    const size_t size = static_cast<size_t>(length);
    for (size_t at = 0; at + sizeof(inotify_event) <= size;) {
      inotify_event event;
      std::memcpy(&event, buffer + at, sizeof event);
      const char* name = buffer + at + sizeof event;
      const size_t nameRoom = std::min<size_t>(event.len, size - at - sizeof event);
      at += sizeof event + event.len;
      if (event.mask & IN_Q_OVERFLOW) {
        // Changes were lost: every kind may have happened.
        for (const TNotificationOption kind : AllocationOrder) Signal(kind);
        continue;
      }
      if (event.mask & IN_IGNORED) {
        FWatchedFolders.erase(event.wd);
        continue;
      }
      const bool isFolder = (event.mask & IN_ISDIR) != 0;
      if (event.mask & NameChanges) Signal(isFolder ? fnoFolder : fnoFile);
      if (event.mask & IN_MODIFY) {
        Signal(fnoSize);
        Signal(fnoTime);
      }
      if (event.mask & IN_ATTRIB) {
        Signal(fnoAttr);
        Signal(fnoTime);
      }
      const auto parent = FWatchedFolders.find(event.wd);
      if (FWatchSubtree && isFolder && (event.mask & (IN_CREATE | IN_MOVED_TO)) && parent != FWatchedFolders.end()) {
        const std::string folder = parent->second + "/" + std::string(name, strnlen(name, nameRoom));
        if (AddWatch(folder)) AddSubfolders(folder);
      }
    }
  }
}

void TNotificationThread::Signal(TNotificationOption kind) {
  for (int i = 0; i < FHandleCount; ++i)
    if (FKinds[i] == kind) FSignalled[i] = true;
}

int TNotificationThread::TakeSignalled() {
  for (int i = 0; i < FHandleCount; ++i) {
    if (!FSignalled[i]) continue;
    FSignalled[i] = false;
    return i;
  }
  return -1;
}

void TNotificationThread::Notify() { FWatch->DoNotify(FReportKind); }

// ---------------------------------------------------------------- watch

TFileNotify::TFileNotify(TComponent* owner) : TComponent(owner) {
  FThread = std::make_unique<TNotificationThread>(this);
}

TFileNotify::~TFileNotify() { FThread.reset(); }

void TFileNotify::SetFolder(const std::string& value) {
  if (value == FFolder) return;
  FFolder = value;
  ResetWorker();
}

void TFileNotify::SetOptions(TNotificationOptions value) {
  if (value == FOptions) return;
  FOptions = value;
  ResetWorker();
}

void TFileNotify::ResetWorker() {
  if (FThread) FThread->ResetHandles();
}

void TFileNotify::DoNotify(TNotificationOption action) {
  if (FOnNotify) FOnNotify(this, action);
}
