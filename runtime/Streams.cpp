#include "runtime/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "runtime/SysUtils.h"

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  char chunk[65536];
  int64_t left = count;
  while (left > 0) {
    const int64_t n = std::min<int64_t>(left, sizeof chunk);
    source.ReadBuffer(chunk, n);
    WriteBuffer(chunk, n);
    left -= n;
  }
  return count;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || FPosition >= Size()) return 0;
  const int64_t n = std::min(count, Size() - FPosition);
  std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = FPosition + count;
  if (end > Size()) FData.resize(static_cast<size_t>(end));
  std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
  FPosition = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning: FPosition = offset; break;
    case TSeekOrigin::soCurrent: FPosition += offset; break;
    case TSeekOrigin::soEnd: FPosition = Size() + offset; break;
  }
  if (FPosition < 0) FPosition = 0;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t size) {
  FData.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
  FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::SetDataString(std::string bytes) {
  FData = std::move(bytes);
  FPosition = 0;
}

std::string TMemoryStream::TakeDataString() {
  FPosition = 0;
  return std::exchange(FData, std::string());
}

std::string_view BytesFromPosition(TStream& stream, std::string& copy) {
  const int64_t position = stream.Position();
  const auto left = static_cast<size_t>(std::max<int64_t>(stream.Size() - position, 0));
  if (const TMemoryStream* memory = stream.AsMemoryStream()) {
    stream.Seek(0, TSeekOrigin::soEnd);
    if (left == 0) return {};
    return std::string_view(memory->DataString()).substr(static_cast<size_t>(position), left);
  }
  copy = ReadToEnd(stream);
  stream.Seek(0, TSeekOrigin::soEnd);
  return copy;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const int64_t size = source.Size();
  std::string bytes(static_cast<size_t>(size), '\0');
  source.ReadBuffer(bytes.data(), size);
  FData = std::move(bytes);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target) const {
  target.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}

namespace {

int OpenFlags(TFileMode mode) {
  switch (mode) {
    case TFileMode::fmOpenRead: return O_RDONLY;
    case TFileMode::fmOpenWrite: return O_WRONLY;
    case TFileMode::fmOpenReadWrite: return O_RDWR;
    case TFileMode::fmCreate: return O_RDWR | O_CREAT | O_TRUNC;
  }
  return O_RDONLY;
}

[[noreturn]] void RaiseOpenError(const std::string& fileName, TFileMode mode, const std::string& reason) {
  if (mode == TFileMode::fmCreate) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : FFileName(fileName) {
  // Not blocking: opening a named pipe would otherwise wait for a writer
  // for ever. Only regular files are read and written.
  FHandle = ::open(fileName.c_str(), OpenFlags(mode) | O_CLOEXEC | O_NONBLOCK, 0644);
  if (FHandle < 0) RaiseOpenError(fileName, mode, std::strerror(errno));
  struct stat info {};
  if (fstat(FHandle, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(FHandle);
    FHandle = -1;
    RaiseOpenError(fileName, mode, S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file");
  }
  fcntl(FHandle, F_SETFL, fcntl(FHandle, F_GETFL) & ~O_NONBLOCK);
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(FHandle, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(FHandle, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  const off_t result = ::lseek(FHandle, offset, whence);
  return result < 0 ? ::lseek(FHandle, 0, SEEK_CUR) : result;
}

int64_t TFileStream::Size() {
  struct stat info {};
  return fstat(FHandle, &info) == 0 ? info.st_size : 0;
}

std::string ReadToEnd(TStream& stream) {
  std::string bytes(static_cast<size_t>(std::max<int64_t>(stream.Size() - stream.Position(), 0)), '\0');
  bytes.resize(static_cast<size_t>(stream.Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
  return bytes;
}

std::string ReadFileBytes(const std::string& fileName, int64_t maxSize) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  if (file.Size() > maxSize) RaiseOpenError(fileName, TFileMode::fmOpenRead, std::strerror(EFBIG));
  return ReadToEnd(file);
}
