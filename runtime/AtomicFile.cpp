#include "runtime/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "runtime/SysUtils.h"

namespace {

[[noreturn]] void RaiseCreateError(const std::string& fileName, int error) {
  throw EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(error));
}

// A name beside the target that no other writer picks: process id and a
// counter, retried while the name is taken.
int CreateTemporaryBeside(const std::string& target, std::string& tempName) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = target + ".~" + IntToStr(getpid()) + "-" + IntToStr(counter++);
    const int handle = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (handle >= 0 || errno != EEXIST) return handle;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int handle, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(handle, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// A link is followed, so that saving through it replaces the file it names.
std::string ResolveTarget(const std::string& fileName) {
  struct stat info {};
  if (lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return fileName;
  char resolved[PATH_MAX];
  return realpath(fileName.c_str(), resolved) ? std::string(resolved) : fileName;
}

}  // namespace

void WriteFileAtomically(const std::string& fileName, const std::string& bytes) {
  const std::string target = ResolveTarget(fileName);
  std::string tempName;
  const int handle = CreateTemporaryBeside(target, tempName);
  if (handle < 0) RaiseCreateError(fileName, errno);

  struct stat existing {};
  bool ok = true;
  if (stat(target.c_str(), &existing) == 0) ok = fchmod(handle, existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(handle, bytes) && fsync(handle) == 0;
  int error = ok ? 0 : errno;
  if (::close(handle) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(tempName.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(tempName.c_str());
    RaiseCreateError(fileName, error);
  }
}
