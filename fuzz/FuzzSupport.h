// What the harnesses share: the input as bytes, a check that stops the run
// as a finding, and a private folder for the files a reader must be given.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

inline std::string InputBytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A property the harness checks: when it fails, the input is a finding.
#define FUZZ_CHECK(condition)                                                                         \
  do {                                                                                                \
    if (!(condition)) {                                                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);             \
      std::abort();                                                                                   \
    }                                                                                                 \
  } while (false)

// A folder of the harness's own, removed when the process ends; its path
// ends in "/". It lies in memory where the machine offers that: the readers
// under test sync what they write, and a disk would set the pace.
class TFuzzFolder {
 public:
  TFuzzFolder() {
    std::error_code error;
    const std::string parent = std::filesystem::is_directory("/dev/shm", error)
                                   ? std::string("/dev/shm")
                                   : std::filesystem::temp_directory_path().string();
    std::string pattern = parent + "/carolune-fuzz-XXXXXX";
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
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(FPath + name, std::ios::binary | std::ios::trunc) << bytes;
    return FPath + name;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(FPath + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

 private:
  std::string FPath;
};
