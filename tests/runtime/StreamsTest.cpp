#include "runtime/Streams.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/SysUtils.h"
#include "tests/support/TempFolder.h"

TEST(MemoryStream, ReadsShortAtTheEndAndGrowsOnWrite) {
  TMemoryStream s(std::string("ab\0c", 4));
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 4);
  EXPECT_EQ(s.Read(buf, 8), 0);
  s.SetPosition(6);  // past the end: a write fills the gap with zeros
  s.WriteString("Z");
  EXPECT_EQ(s.DataString(), std::string("ab\0c\0\0Z", 7));
  s.SetPosition(0);
  EXPECT_THROW(s.ReadBuffer(buf, 8), EReadError);
  EXPECT_EQ(s.Seek(-2, TSeekOrigin::soEnd), 5);
}

TEST(FileStream, RaisesTheClassLibraryErrorsAndRoundTrips) {
  const TTempFolder folder;
  const std::string dir = folder.Path();
  try {
    TFileStream f(dir + "/no/such/file", TFileMode::fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + dir + "/no/such/file\". ", 0), 0u) << e.Message();
  }
  EXPECT_THROW(TFileStream(dir + "/no/such/file", TFileMode::fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(dir, TFileMode::fmOpenRead), EFOpenError);

  const std::string name = dir + "/streams-test.bin";
  {
    TFileStream f(name, TFileMode::fmCreate);
    f.WriteString(std::string("x\0y", 3));
  }
  EXPECT_EQ(ReadFileBytes(name), std::string("x\0y", 3));
  unlink(name.c_str());
}

TEST(FileStream, ANamedPipeIsRefusedAtOnceInsteadOfWaitingForAWriter) {
  const TTempFolder folder;
  const std::string pipe = folder.Path() + "/y.rtx";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  try {
    ReadFileBytes(pipe);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + pipe + "\". Not a regular file");
  }
  EXPECT_THROW(TFileStream(pipe, TFileMode::fmOpenWrite), EFOpenError);
  EXPECT_THROW(TFileStream(pipe, TFileMode::fmCreate), EFCreateError);
}

// A memory stream lends its own bytes; another stream's are read into the
// copy. Either way the bytes run from the position on and the stream ends
// up at its end.
TEST(Streams, BytesFromPositionLendsAMemoryStreamsOwnBytes) {
  TMemoryStream memory(std::string("head\0tail", 9));
  memory.SetPosition(4);
  std::string copy;
  const std::string_view lent = BytesFromPosition(memory, copy);
  EXPECT_EQ(lent, std::string_view("\0tail", 5));
  EXPECT_EQ(lent.data(), memory.DataString().data() + 4);
  EXPECT_TRUE(copy.empty());
  EXPECT_EQ(memory.Position(), 9);
  memory.SetPosition(20);
  EXPECT_TRUE(BytesFromPosition(memory, copy).empty());

  const TTempFolder folder;
  TFileStream file(folder.Write("bytes.bin", "head\ntail"), TFileMode::fmOpenRead);
  file.SetPosition(5);
  EXPECT_EQ(BytesFromPosition(file, copy), "tail");
  EXPECT_EQ(copy, "tail");
  EXPECT_EQ(file.Position(), 9);
}
