#include "runtime/AtomicFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheContentAndKeepsTheFile) {
  const fs::path dir = fs::temp_directory_path() / ("atomic-" + IntToStr(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string target = (dir / "t.txt").string();
  WriteFileAtomically(target, "first");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target, dir / "link.txt");
  WriteFileAtomically((dir / "link.txt").string(), "second, longer");
  EXPECT_EQ(ReadFileBytes(target), "second, longer");
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteFileAtomically(target, "");
  EXPECT_EQ(ReadFileBytes(target), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);  // no temporary left behind

  const std::string blocked = (dir / "no" / "x.txt").string();
  try {
    WriteFileAtomically(blocked, "x");
    ADD_FAILURE();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + blocked + "\". No such file or directory");
  }
  fs::remove_all(dir);
}
