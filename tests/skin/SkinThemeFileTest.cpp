#include "skin/SkinThemeFile.h"

#include <gtest/gtest.h>

#include <random>

#include "runtime/Streams.h"
#include "tests/skin/SkinTestSupport.h"

namespace {

std::string StreamText(TStream* stream) {
  std::string bytes(static_cast<size_t>(stream->Size()), '\0');
  stream->ReadBuffer(bytes.data(), stream->Size());
  return bytes;
}

std::string ErrorOf(const std::string& fileName) {
  try {
    TSkinThemeFileReader reader(fileName);
  } catch (const ESkinThemeFileError& e) {
    return e.Message();
  }
  return "";
}

}  // namespace

TEST(ThemeFileReader, AnswersByNameWithoutRegardToCaseFirstItemWins) {
  const std::string longName(64, 'N');
  TThemeFileBuilder file;
  file.AddInteger("formbordercolor", 0x123456)
      .AddInteger("FormBorderColor", 7)
      .AddInteger("FormMinWidthInt", -1)
      .AddFlag("ButtonTransparentBool", 2)
      .AddFlag("TitleBarButtonTransparentBool", 0)
      .Add("buttonimage", TThemeFileBuilder::Bitmap, "first")
      .Add("ButtonImage", TThemeFileBuilder::Bitmap, "second")
      .Add("Note", TThemeFileBuilder::String, "a text")
      .Add("Odd", 9, "skipped")
      .AddInteger(longName, 64);
  TTempFolder folder;
  const TSkinThemeFileReader reader(folder.Write("good.thm", file.Bytes()));

  EXPECT_EQ(reader.GetInteger("FORMBORDERCOLOR"), 0x123456);
  EXPECT_EQ(reader.GetInteger("FormMinWidthInt"), -1);
  EXPECT_EQ(reader.FindInteger("FormMinWidthInt"), -1);
  EXPECT_EQ(reader.GetInteger(longName), 64);
  EXPECT_TRUE(reader.GetBool("buttontransparentbool"));
  EXPECT_EQ(reader.FindBool("TitleBarButtonTransparentBool"), false);
  EXPECT_EQ(reader.StringList().Values("note"), "a text");
  EXPECT_EQ(reader.IntegerList().Count(), 4);

  TStream* image = reader.GetBitmapStream("ButtonImage");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(StreamText(image), "first");
  EXPECT_EQ(reader.GetBitmapStream("BUTTONIMAGE"), image);
  EXPECT_EQ(image->Position(), 0);

  EXPECT_EQ(reader.GetInteger("Odd"), -1);
  EXPECT_EQ(reader.FindInteger("Missing"), std::nullopt);
  EXPECT_EQ(reader.FindBool("Missing"), std::nullopt);
  EXPECT_FALSE(reader.GetBool("Missing"));
  EXPECT_EQ(reader.GetBitmapStream("Missing"), nullptr);
}

TEST(ThemeFileReader, TheClosingEntryIsNotAnItem) {
  TTempFolder folder;
  const TSkinThemeFileReader empty(folder.Write("empty.thm", TThemeFileBuilder().Bytes()));
  EXPECT_EQ(empty.IntegerList().Count() + empty.FlagList().Count() + empty.StringList().Count() + empty.ImageCount(), 0);
  EXPECT_EQ(empty.GetInteger("FormBorderColor"), -1);

  const TSkinThemeFileReader two(
      folder.Write("two.thm", TThemeFileBuilder().AddInteger("A", 1).AddFlag("B", 1).Bytes()));
  EXPECT_EQ(two.IntegerList().Count(), 1);
  EXPECT_EQ(two.FlagList().Count(), 1);
}

TEST(ThemeFileReader, MissingFileRaisesTheOpenError) {
  TTempFolder folder;
  EXPECT_THROW(TSkinThemeFileReader(folder.Path() + "none.thm"), EFOpenError);
}

// Each case damages a good three-item file (integer, bitmap, flag) and says
// what must come of it: an error naming the fault, or the items that are
// still sound.
TEST(ThemeFileReader, HostileFilesFailClearlyOrKeepWhatIsSound) {
  TThemeFileBuilder builder;
  builder.AddInteger("FormBorderWidthInt", 3).Add("ButtonImage", TThemeFileBuilder::Bitmap, "BMP").AddFlag("ButtonTransparentBool", 1);
  const std::string good = builder.Bytes();
  const size_t first = builder.EntryOffset(0), second = builder.EntryOffset(1), third = builder.EntryOffset(2);
  const uint32_t past = static_cast<uint32_t>(good.size());

  struct Case {
    const char* what;
    std::function<void(std::string&)> damage;
    const char* error;  // part of the message, or null when the file loads
    int integers = 0, images = 0, flags = 0;
  };
  const std::vector<Case> cases = {
      {"header length 30", [](std::string& b) { PutLe32(b, 12, 30); }, "header length is 30, not 24"},
      {"header length 16", [](std::string& b) { PutLe32(b, 12, 16); }, "header length is 16"},
      {"shorter than a header", [](std::string& b) { b.resize(20); }, "too short for the header"},
      {"first entry past the end", [&](std::string& b) { PutLe32(b, 20, past); }, "entry at offset"},
      {"first entry overlaps the end", [&](std::string& b) { PutLe32(b, 20, past - 76); }, "entry at offset"},
      {"next entry at 0xFFFFFFFF", [&](std::string& b) { PutLe32(b, first + 73, 0xFFFFFFFF); }, "entry at offset 4294967295"},
      {"bitmap data past the end", [&](std::string& b) { PutLe32(b, second + 65, past); }, "data of item \"ButtonImage\""},
      {"huge bitmap size", [&](std::string& b) { PutLe32(b, second + 69, 0xFFFFFFF0); }, "data of item \"ButtonImage\""},
      {"integer data past the end", [&](std::string& b) { PutLe32(b, first + 65, past - 2); }, "data of item \"FormBorderWidthInt\""},
      {"string of huge size", [&](std::string& b) { b[second + 64] = 3; PutLe32(b, second + 69, 0x7FFFFFFF); }, "lies past the end"},
      {"chain back to the first entry", [&](std::string& b) { PutLe32(b, third + 73, static_cast<uint32_t>(first)); }, nullptr, 1, 1, 1},
      {"entry pointing at itself", [&](std::string& b) { PutLe32(b, first + 73, static_cast<uint32_t>(first)); }, nullptr, 1, 0, 0},
      {"integer of 2 bytes", [&](std::string& b) { PutLe32(b, first + 69, 2); }, nullptr, 0, 1, 1},
      {"integer of 8 bytes", [&](std::string& b) { PutLe32(b, first + 69, 8); }, nullptr, 1, 1, 1},
      {"flag of 0 bytes", [&](std::string& b) { PutLe32(b, third + 69, 0); }, nullptr, 1, 1, 0},
      {"flag of 4000 bytes", [&](std::string& b) { PutLe32(b, third + 69, 4000); }, nullptr, 1, 1, 1},
      {"bitmap of 0 bytes", [&](std::string& b) { PutLe32(b, second + 69, 0); }, nullptr, 1, 0, 1},
      {"unknown type 200", [&](std::string& b) { b[second + 64] = static_cast<char>(200); }, nullptr, 1, 0, 1},
  };
  TTempFolder folder;
  for (const Case& c : cases) {
    std::string bytes = good;
    c.damage(bytes);
    const std::string name = folder.Write("hostile.thm", bytes);
    if (c.error) {
      const std::string message = ErrorOf(name);
      EXPECT_NE(message.find(c.error), std::string::npos) << c.what << ": " << message;
      EXPECT_NE(message.find(name), std::string::npos) << c.what;
      continue;
    }
    const TSkinThemeFileReader reader(name);
    EXPECT_EQ(reader.IntegerList().Count(), c.integers) << c.what;
    EXPECT_EQ(reader.ImageCount(), c.images) << c.what;
    EXPECT_EQ(reader.FlagList().Count(), c.flags) << c.what;
  }
}

TEST(ThemeFileReader, ReadsOnlyTheValueWidthOfLongIntegersAndFlags) {
  TThemeFileBuilder builder;
  builder.Add("Wide", TThemeFileBuilder::Integer, std::string("\xFE\xFF\xFF\xFF\x01\x02\x03\x04", 8))
      .Add("Flag", TThemeFileBuilder::Flag, std::string("\0\1", 2));
  TTempFolder folder;
  const TSkinThemeFileReader reader(folder.Write("wide.thm", builder.Bytes()));
  EXPECT_EQ(reader.GetInteger("Wide"), -2);
  EXPECT_EQ(reader.FindBool("Flag"), false);
}

TEST(ThemeFileReader, BoundsTheDataAndTheEntriesItTakes) {
  TTempFolder folder;
  // Many entries sharing one megabyte of image data: copying it for each
  // would take far more memory than the file holds.
  TThemeFileBuilder shared;
  for (int i = 0; i < 70; ++i) shared.Add("Image" + std::to_string(i), TThemeFileBuilder::Bitmap, i == 69 ? std::string(1 << 20, 'x') : "");
  std::string bytes = shared.Bytes();
  const uint32_t dataAt = static_cast<uint32_t>(bytes.size() - (1 << 20));
  for (size_t i = 0; i < 70; ++i) {
    PutLe32(bytes, shared.EntryOffset(i) + 65, dataAt);
    PutLe32(bytes, shared.EntryOffset(i) + 69, 1 << 20);
  }
  EXPECT_NE(ErrorOf(folder.Write("shared.thm", bytes)).find("more than 67108864 bytes"), std::string::npos);

  // A chain longer than any theme, of entries of an unknown type.
  const size_t entries = TSkinThemeFileReader::MaxEntries + 2;
  std::string chain(24 + 77 * entries, '\x09');
  PutLe32(chain, 12, 24);
  PutLe32(chain, 20, 24);
  for (size_t i = 0; i < entries; ++i) PutLe32(chain, 24 + 77 * i + 73, i + 1 < entries ? static_cast<uint32_t>(24 + 77 * (i + 1)) : 0);
  EXPECT_NE(ErrorOf(folder.Write("chain.thm", chain)).find("more than 65536 entries"), std::string::npos);
}

// Every prefix of a good file and a few thousand seeded byte damages: each
// loads or fails with the reader's own error, never anything worse.
TEST(ThemeFileReader, SurvivesTruncationAndRandomDamage) {
  TThemeFileBuilder builder;
  builder.AddInteger("FormBorderColor", 0xC82C00)
      .Add("ButtonImage", TThemeFileBuilder::Bitmap, std::string(300, 'b'))
      .AddFlag("ButtonTransparentBool", 1)
      .Add("Caption", TThemeFileBuilder::String, "text");
  const std::string good = builder.Bytes();
  TTempFolder folder;
  const auto load = [&](const std::string& bytes) {
    const std::string name = folder.Write("damaged.thm", bytes);
    try {
      TSkinThemeFileReader reader(name);
      return true;
    } catch (const ESkinThemeFileError&) {
      return false;
    }
  };
  for (size_t size = 0; size < good.size(); ++size)
    EXPECT_FALSE(load(good.substr(0, size))) << "a file cut to " << size << " bytes lacks part of its chain";
  EXPECT_TRUE(load(good));

  std::mt19937 random(20240607);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes = good;
    for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n)
      bytes[random() % 400] = static_cast<char>(random() % 3 == 0 ? 0 : random());
    load(bytes);
  }
}
