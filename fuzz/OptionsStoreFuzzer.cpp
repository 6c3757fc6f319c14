// The options store read from any INI text: every value that is missing or
// of the wrong type reads as its default, at most five recent files are
// kept, and what is written back reads back the same.
#include <QCoreApplication>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CaroluneOptions.h"
#include "fuzz/FuzzSupport.h"

namespace {


struct TOptionValues {
  std::vector<std::string> RecentFiles;
  std::array<bool, 7> Flags{};
  std::string DefaultBrand, DefaultModel;
  friend bool operator==(const TOptionValues&, const TOptionValues&) = default;
};

TOptionValues ValuesOf(const TCaroluneOption& o) {
  return {o.RecentFiles.Lines(),
          {o.IsShowiMelody, o.IsShoweMelody, o.IsShowComposer, o.IsShowKeyPress, o.IsShowScreenShow, o.IsShowRTTTL,
           o.IsSetDefaultMobile},
          o.DefaultBrand,
          o.DefaultModel};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A store file of its own per input: the settings layer caches files by
  // name and would not see a rewrite within the same instant.
  static unsigned run = 0;
  const std::string name = "store" + std::to_string(++run) + ".ini";
  const std::string path = Folder().Write(name, InputBytes(data, size));
  TOptionValues read;
  {
    auto options = TVeskaroOption::Create<TCaroluneOption>(path);
    FUZZ_CHECK(options->RecentFiles.Count() <= TCaroluneOption::MaxRecentFiles);
    read = ValuesOf(*options);
    options->SaveRecentFiles();
  }  // saves the rest
  {
    auto again = TVeskaroOption::Create<TCaroluneOption>(path);
    FUZZ_CHECK(ValuesOf(*again) == read);
  }
  std::remove(path.c_str());
  return 0;
}
