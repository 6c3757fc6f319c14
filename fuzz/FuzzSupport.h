// What the harnesses share: the input as bytes, a check that stops the run
// as a finding, and a private folder for the files a reader must be given.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/AtomicFile.h"
#include "runtime/Streams.h"

inline std::string InputBytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A property the harness checks: when it fails, the input is a finding.
#define FUZZ_CHECK(condition)                                                                         \
  do {                                                                                                \
    if (!(condition)) {                                                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);             \
      std::abort();                                                                                   \
    }                                                                                                 \
  } while (false)

// A folder of the harness's own, removed when the process ends (and by
// run-fuzzers.sh, by the process id in its name, when a finding stops it);
// its path ends in "/". It lies in memory where the machine offers that: the
// readers under test sync what they write, and a disk would set the pace.
class TFuzzFolder {
 public:
  TFuzzFolder() {
    std::error_code error;
    const std::string parent = std::filesystem::is_directory("/dev/shm", error)
                                   ? std::string("/dev/shm")
                                   : std::filesystem::temp_directory_path().string();
    std::string pattern = parent + "/carolune-fuzz-" + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    FPath = pattern + "/";
  }
  ~TFuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TFuzzFolder(const TFuzzFolder&) = delete;
  TFuzzFolder& operator=(const TFuzzFolder&) = delete;

  const std::string& Path() const { return FPath; }
  // Writes the bytes into a file of the folder; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    WriteFileAtomically(FPath + name, bytes);
    return FPath + name;
  }
  std::string Read(const std::string& name) const { return ReadFileBytes(FPath + name); }

 private:
  std::string FPath;
};

// The harness's folder, made on first use.
inline const TFuzzFolder& Folder() {
  static const TFuzzFolder folder;
  return folder;
}
