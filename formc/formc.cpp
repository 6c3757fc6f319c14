// The form compiler, run at build time: formc <description> <header>
// writes the header of the form description (see FormCompiler.h). A
// description it cannot take is reported, leaves no header behind, and
// fails the build.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "formc/FormCompiler.h"
#include "runtime/AtomicFile.h"
#include "runtime/Streams.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <form description> <header>\n", argv[0]);
    return 2;
  }
  const std::string path = argv[1], headerPath = argv[2];
  // Far more than any form needs (the largest, with its pictures, is some
  // hundred kilobytes); more is no description.
  constexpr int64_t kMaxDescriptionSize = 16 << 20;
  try {
    WriteFileAtomically(headerPath,
                        CompileFormDescription(ReadFileBytes(path, kMaxDescriptionSize), path, headerPath));
  } catch (const std::exception& e) {
    std::remove(headerPath.c_str());
    std::fprintf(stderr, "%s: error: %s\n", path.c_str(), e.what());
    return 1;
  }
  return 0;
}
