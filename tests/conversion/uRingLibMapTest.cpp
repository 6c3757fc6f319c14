#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "conversion/uRingLib.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "runtime/TextScramble.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"

namespace {

// One quarter-note C in octave 5, and a filter that writes each note as its
// letter and, after a change of value, "<" or ">" per step.
std::string Source() {
  return Header(0, 1, 96) +
         Chunk("MTrk", Tempo120() + Bytes({0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x40}) + EndOfTrack());
}

const std::string kFilter =
    "FilterInfo_FilterType=1\r\nDefaultOptions_Octave=5\r\nDefaultOptions_Sharp=0\r\n"
    "DefaultOptions_Duration=8\r\nDefaultOptions_DotDuration=0\r\nRemember_Octave=1\r\nRemember_Sharp=0\r\n"
    "Remember_Duration=1\r\nRemember_DotDuration=0\r\nNoteMapper_C=c\r\nDurationMapper_MapperType=1\r\n"
    "DurationMapper_ToLonger=>\r\nOctaveMapper_MapperType=1\r\n"
    "MapperOrder_1=0\r\nMapperOrder_2=1\r\nMapperOrder_3=2\r\nMapperOrder_4=3\r\nMapperOrder_5=4\r\n";

class MapExport : public testing::Test {
 protected:
  PelmoraLibrary lib;

  // RING2MAP with raw descriptors into a buffer guarded by sentinels.
  struct Raw {
    int32_t code;
    int32_t length;
    std::string buffer;
    bool guardsIntact;
  };
  Raw Call(const std::string& source, const char* sourceDescriptor, const std::string& filter,
           const char* filterDescriptor, const char* outputDescriptor, int32_t size, const std::string& preset = "",
           int32_t length = -99) {
    const std::string scrambledSource = ScrambleText(source);
    const std::string scrambledFilter = ScrambleText(filter);
    std::vector<char> memory(static_cast<size_t>(size) + 16, '\x5A');
    std::copy(preset.begin(), preset.end(), memory.begin() + 8);
    Raw r{};
    r.length = length;
    r.code = lib.RING2MAP()(scrambledSource.data(), static_cast<int32_t>(scrambledSource.size()), sourceDescriptor,
                            scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()), filterDescriptor,
                            outputDescriptor, memory.data() + 8, size, &r.length);
    r.buffer.assign(memory.data() + 8, static_cast<size_t>(size));
    r.guardsIntact = std::string(memory.data(), 8) == std::string(8, '\x5A') &&
                     std::string(memory.data() + 8 + size, 8) == std::string(8, '\x5A');
    return r;
  }
};

}  // namespace

TEST_F(MapExport, RendersThroughFilterTextOrFilterFile) {
  ASSERT_TRUE(lib.RING2MAP());
  const auto r = lib.Map(Source(), "R04", kFilter, "R");
  EXPECT_EQ(r.Code, Pelmora::rrSuccess);
  EXPECT_EQ(r.Text, "c>");

  const std::string file = "/tmp/map-filter-" + IntToStr(getpid()) + ".kps";
  TMemoryStream(kFilter).SaveToFile(file);
  const auto byName = lib.Map(Source(), "R04", file, "Fxx");
  EXPECT_EQ(byName.Code, Pelmora::rrSuccess);
  EXPECT_EQ(byName.Text, "c>");

  // The output written to a file instead.
  const std::string out = file + ".tkp";
  const std::string name = ScrambleText(out);
  const auto toFile = Call(Source(), "R04", kFilter, "R", "F", 64, name, static_cast<int32_t>(name.size()));
  EXPECT_EQ(toFile.code, Pelmora::rrSuccess);
  EXPECT_EQ(ReadFileBytes(out), "c>");
  unlink(out.c_str());
  unlink(file.c_str());
}

TEST_F(MapExport, EveryResultCode) {
  ASSERT_TRUE(lib.RING2MAP());
  std::string missingKey = kFilter;
  missingKey.replace(missingKey.find("DefaultOptions_Octave=5"), 23, "DefaultOptions_Octave=");
  const std::string badOrder = "MapperOrder_3=duration\r\n" + kFilter;
  // Without a header chunk the division is 0: the copy fails, the call goes
  // on and renders what was copied (nothing).
  const std::string headless = Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x40}));
  struct Case {
    std::string source;
    const char* sourceDescriptor;
    std::string filter;
    const char* filterDescriptor;
    const char* outputDescriptor;
    int32_t size;
    int32_t code;
  };
  const Case cases[] = {
      {Source(), "R04", kFilter, "R", "R", 64, Pelmora::rrSuccess},
      {Source(), "R05", kFilter, "R", "R", 64, Pelmora::rrUnknownFormat},
      {Source(), "F04", kFilter, "R", "R", 64, Pelmora::rrFileLoadFailed},  // the source names no file
      {Source(), "R04", "/no/such/filter.kps", "F", "R", 64, Pelmora::rrFileLoadFailed},
      {Source(), "R04", missingKey, "R", "R", 64, Pelmora::rrTextLoadFailed},
      {Source(), "R04", std::string(5000, '\0'), "R", "R", 64, Pelmora::rrTextLoadFailed},
      {Source(), "Q04", kFilter, "R", "R", 64, Pelmora::rrUnknownMode},
      {Source(), "R04", kFilter, "", "R", 64, Pelmora::rrUnknownMode},
      {Source(), "R04", kFilter, "R", "Q", 64, Pelmora::rrUnknownMode},
      {headless, "R04", kFilter, "R", "R", 64, Pelmora::rrCopyFailed},
      {Source(), "R04", kFilter, "R", "F", 64, Pelmora::rrFileWriteFailed},  // the buffer holds no file name
      {Source(), "R04", kFilter, "R", "R", 0, Pelmora::rrOutputFailed},
  };
  for (const Case& c : cases) {
    const Raw r = Call(c.source, c.sourceDescriptor, c.filter, c.filterDescriptor, c.outputDescriptor, c.size);
    EXPECT_EQ(r.code, c.code) << c.sourceDescriptor << " " << c.filterDescriptor << " " << c.outputDescriptor;
    EXPECT_TRUE(r.guardsIntact);
  }

  // A mapper order entry that is not a number: -8, the buffer and the
  // length untouched.
  const Raw r = Call(Source(), "R04", badOrder, "R", "R", 16, "previous", 7);
  EXPECT_EQ(r.code, Pelmora::rrRenderFailed);
  EXPECT_EQ(r.length, 7);
  EXPECT_EQ(r.buffer.substr(0, 8), "previous");
  EXPECT_EQ(r.buffer.substr(8), std::string(8, '\x5A'));
  EXPECT_TRUE(r.guardsIntact);
}
