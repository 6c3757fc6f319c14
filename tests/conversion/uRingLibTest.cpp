#include "conversion/uRingLib.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "runtime/Streams.h"
#include "runtime/TextScramble.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/TempFolder.h"

namespace {

// A format-0 file whose one note lasts a quarter: its melody is the tune
// whose MIDI form is OneQuarterNoteFile().
std::string QuarterNoteSource() {
  return Header(0, 1, 96) +
         Chunk("MTrk", Tempo120() + Bytes({0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x40}) + EndOfTrack());
}

class Exports : public testing::Test {
 protected:
  PelmoraLibrary lib;

  // Calls RING2RING with raw arguments into a buffer of the given size
  // (guarded by sentinels on both sides).
  struct Raw {
    int32_t code;
    int32_t length;
    std::string buffer;  // the bytes inside the size given
    bool guardsIntact;
  };
  Raw Call(const std::string& source, const char* from, const char* to, int32_t size, int32_t length = -99) {
    const std::string scrambled = ScrambleText(source);
    std::vector<char> memory(static_cast<size_t>(std::max(size, 0)) + 16, '\x5A');
    Raw r{};
    r.length = length;
    r.code = lib.RING2RING()(scrambled.data(), static_cast<int32_t>(scrambled.size()), from, to, memory.data() + 8,
                             size, &r.length);
    r.buffer.assign(memory.data() + 8, static_cast<size_t>(std::max(size, 0)));
    r.guardsIntact = std::string(memory.data(), 8) == std::string(8, '\x5A') &&
                     std::string(memory.data() + 8 + std::max(size, 0), 8) == std::string(8, '\x5A');
    return r;
  }
};

}  // namespace

TEST_F(Exports, MidiToMidiKeepsTheMelody) {
  ASSERT_TRUE(lib.RING2RING());
  const auto r = lib.Convert(QuarterNoteSource(), "R04", "R04");
  EXPECT_EQ(r.Code, Pelmora::rrSuccess);
  EXPECT_EQ(r.Text, OneQuarterNoteFile());
}

TEST_F(Exports, BufferEdges) {
  const std::string full = OneQuarterNoteFile();
  const int32_t n = static_cast<int32_t>(full.size());

  // Exactly as long as the buffer: filled, no terminator.
  Raw exact = Call(QuarterNoteSource(), "R04", "R04", n);
  EXPECT_EQ(exact.code, Pelmora::rrSuccess);
  EXPECT_EQ(exact.length, n);
  EXPECT_EQ(UnscrambleText(exact.buffer), full);
  EXPECT_TRUE(exact.guardsIntact);

  // One byte longer than the buffer: cut to size - 1, then a zero; the cut
  // text is scrambled with its own length.
  Raw cut = Call(QuarterNoteSource(), "R04", "R04", n - 1);
  EXPECT_EQ(cut.code, Pelmora::rrSuccess);
  EXPECT_EQ(cut.length, n - 2);
  EXPECT_EQ(UnscrambleText(cut.buffer.substr(0, n - 2)), full.substr(0, n - 2));
  EXPECT_EQ(cut.buffer[n - 2], '\0');
  EXPECT_TRUE(cut.guardsIntact);

  // The rest of a larger buffer is zeroed.
  Raw roomy = Call(QuarterNoteSource(), "R04", "R04", n + 5);
  EXPECT_EQ(roomy.buffer.substr(n), std::string(5, '\0'));
}

TEST_F(Exports, UnusableBuffersGiveMinusSevenAndWriteNothing) {
  Raw zero = Call(QuarterNoteSource(), "R04", "R04", 0);
  EXPECT_EQ(zero.code, Pelmora::rrOutputFailed);
  EXPECT_EQ(zero.length, -99);
  EXPECT_TRUE(zero.guardsIntact);
  Raw negative = Call(QuarterNoteSource(), "R04", "R04", -5);
  EXPECT_EQ(negative.code, Pelmora::rrOutputFailed);
  EXPECT_TRUE(negative.guardsIntact);

  const std::string s = ScrambleText(QuarterNoteSource());
  char buffer[64];
  int32_t length = 0;
  EXPECT_EQ(lib.RING2RING()(s.data(), static_cast<int32_t>(s.size()), "R04", "R04", nullptr, 64, &length),
            Pelmora::rrOutputFailed);
  EXPECT_EQ(lib.RING2RING()(s.data(), static_cast<int32_t>(s.size()), "R04", "R04", buffer, 64, nullptr),
            Pelmora::rrOutputFailed);
}

TEST_F(Exports, ResultCodes) {
  const std::string midi = QuarterNoteSource();
  const struct {
    const char* from;
    const char* to;
    int32_t code;
  } cases[] = {
      {"R05", "R04", Pelmora::rrUnknownFormat},  // unknown source code, before any mode letter is looked at
      {"Q05", "R04", Pelmora::rrUnknownFormat},
      {"R004", "R04", Pelmora::rrUnknownFormat},  // three digits match no code
      {"R04 ", "R04", Pelmora::rrUnknownFormat},  // nor does a trailing blank
      {"", "R04", Pelmora::rrUnknownFormat},
      {"Q04", "R04", Pelmora::rrUnknownMode},    // unknown source mode letter
      {"Q04", "R99", Pelmora::rrUnknownMode},    // the source is loaded before the target code is read
      {"R04", "R99", Pelmora::rrUnknownFormat},  // unknown target code after the source was loaded
      {"R04", "Q04", Pelmora::rrUnknownMode},    // unknown output mode letter
      {"R04", "R00", 0},
      {"R04", "R01", 0},
      {"R04", "R11", 0},
      {"R04", "R02", 0},
      {"R04", "R03", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(lib.Convert(midi, c.from, c.to).Code, c.code) << c.from << " -> " << c.to;

  // A MIDI source with notes but no header has division 0: the copy fails,
  // and output is still produced.
  const std::string headless = Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x40}));
  const auto copyFailed = lib.Convert(headless, "R04", "R04");
  EXPECT_EQ(copyFailed.Code, Pelmora::rrCopyFailed);
  EXPECT_EQ(copyFailed.Text.substr(0, 4), "MThd");
}

TEST_F(Exports, FileNameModes) {
  const TTempFolder folder;
  const std::string in = folder.Path() + "exports-in.mid";
  const std::string out = folder.Path() + "exports-out.mid";
  {
    TFileStream f(in, TFileMode::fmCreate);
    f.WriteString(QuarterNoteSource());
  }
  // The output buffer carries the scrambled target file name on entry.
  auto toFile = [&](const std::string& source, const char* from, const std::string& target) {
    const std::string name = ScrambleText(target);
    std::vector<char> buffer(name.begin(), name.end());
    buffer.resize(name.size() + 8, 'x');
    int32_t length = static_cast<int32_t>(name.size());
    const std::string s = ScrambleText(source);
    const int32_t code = lib.RING2RING()(s.data(), static_cast<int32_t>(s.size()), from, "F04", buffer.data(),
                                         static_cast<int32_t>(buffer.size()), &length);
    EXPECT_EQ(length, static_cast<int32_t>(name.size())) << "the length is left as it was";
    return code;
  };
  EXPECT_EQ(toFile(in, "F04", out), Pelmora::rrSuccess);
  EXPECT_EQ(ReadFileBytes(out), OneQuarterNoteFile());
  EXPECT_EQ(toFile(in + ".missing", "F04", out), Pelmora::rrFileLoadFailed);
  EXPECT_EQ(toFile(in, "F04", folder.Path() + "no/such/folder/x.mid"), Pelmora::rrFileWriteFailed);
}

TEST_F(Exports, MapAnswersAsAFilterThatFailedToLoad) {
  ASSERT_TRUE(lib.RING2MAP());
  EXPECT_EQ(lib.Map(QuarterNoteSource(), "R04", "Type=1", "R").Code, Pelmora::rrTextLoadFailed);
  EXPECT_EQ(lib.Map(QuarterNoteSource(), "R04", "/no/such.kps", "F").Code, Pelmora::rrFileLoadFailed);
  EXPECT_EQ(lib.Map(QuarterNoteSource(), "R04", "Type=1", "Q").Code, Pelmora::rrUnknownMode);
  EXPECT_EQ(lib.Map(QuarterNoteSource(), "R09", "Type=1", "R").Code, Pelmora::rrUnknownFormat);
  EXPECT_EQ(lib.Map(QuarterNoteSource(), "Q04", "Type=1", "R").Code, Pelmora::rrUnknownMode);
}
