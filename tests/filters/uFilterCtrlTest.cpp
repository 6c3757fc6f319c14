#include "filters/uFilterCtrl.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "runtime/Streams.h"
#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

using Dravik::TRingtoneFilterConfig;

namespace {

std::string SavedText(const TRingtoneFilterConfig& config) {
  TMemoryStream out;
  config.SaveToStream(out);
  return out.DataString();
}

void Load(TRingtoneFilterConfig& config, const std::string& text) {
  TMemoryStream in(text);
  config.LoadFromStream(in);
}

// A filter with every key set, each to a value of its own.
const char* const kFullFilter =
    "DravikVersion=1.00.012\r\n"
    "FilterFileOID={0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}\r\n"
    "FilterInfo_FilterVersion=2.1\r\n"
    "FilterInfo_FilterDesc=Keys of the composer\r\n"
    "FilterInfo_MobileBrand=Nokia\r\n"
    "FilterInfo_MobileModel=3310\r\n"
    "FilterInfo_FilterType=1\r\n"
    "AuthorInfo_AuthorName=Ann\r\n"
    "AuthorInfo_AuthorEmail=ann@example.org\r\n"
    "AuthorInfo_AuthorHomepage=http://example.org/\r\n"
    "DefaultOptions_Octave=-1\r\n"
    "DefaultOptions_Sharp=1\r\n"
    "DefaultOptions_Duration=8\r\n"
    "DefaultOptions_DotDuration=1\r\n"
    "Remember_Octave=1\r\n"
    "Remember_Sharp=0\r\n"
    "Remember_Duration=1\r\n"
    "Remember_DotDuration=0\r\n"
    "Remember_ToneSeparater= \r\n"
    "NoteMapper_C=1\r\nNoteMapper_D=2\r\nNoteMapper_E=3\r\nNoteMapper_F=4\r\n"
    "NoteMapper_G=5\r\nNoteMapper_A=6\r\nNoteMapper_B=7\r\nNoteMapper_P=0\r\n"
    "SharpMapper_NormalToSharp=#\r\n"
    "SharpMapper_SharpToNormal=##\r\n"
    "DotDurationMapper_NormalToDotDuration=[$NOTE$]\r\n"
    "DotDurationMapper_DotDurationToNormal=a=b \r\n"
    "DurationMapper_MapperType=12\r\n"
    "DurationMapper_1=w\r\nDurationMapper_2=h\r\nDurationMapper_4=q\r\nDurationMapper_8=e\r\n"
    "DurationMapper_16=s\r\nDurationMapper_32=t\r\nDurationMapper_64=x\r\n"
    "DurationMapper_ToLonger=9\r\n"
    "DurationMapper_ToShorter=8\r\n"
    "DurationMapper_NoChange=$DELTAC$\r\n"
    "OctaveMapper_MapperType=2\r\n"
    "OctaveMapper_ToHigher=*\r\n"
    "OctaveMapper_ToLower=**\r\n"
    "OctaveMapper_NoChange=-\r\n"
    "MapperOrder_1=0\r\nMapperOrder_2=3\r\nMapperOrder_3=1\r\nMapperOrder_4=4\r\nMapperOrder_5=2\r\n";

}  // namespace

TEST(FilterConfig, EveryKeyIsWrittenInOrderAndReadBack) {
  TRingtoneFilterConfig config;
  Load(config, kFullFilter);
  EXPECT_EQ(config.FilterFileOID, "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
  EXPECT_EQ(config.FilterInfo->MobileModel, "3310");
  EXPECT_EQ(config.FilterInfo->FilterType, 1);
  EXPECT_EQ(config.AuthorInfo->AuthorHomepage, "http://example.org/");
  EXPECT_EQ(config.DefaultOptions_Octave, -1);
  EXPECT_TRUE(config.DefaultOptions_DotDuration);
  EXPECT_FALSE(config.Remember_Sharp);
  EXPECT_EQ(config.Remember_ToneSeparater, " ");
  EXPECT_EQ(config.DotDurationMapper_DotDurationToNormal, "a=b ");
  EXPECT_EQ(config.DurationMapper_MapperType, 12);
  EXPECT_EQ(config.DurationMapper_64, "x");
  EXPECT_EQ(config.MapperOrder_5, "2");
  EXPECT_EQ(SavedText(config), kFullFilter);
  TStringList lines;
  lines.SetText(kFullFilter);
  EXPECT_EQ(lines.Count(), 51);
}

TEST(FilterConfig, AClearedFilterSavesOnlyTheAlwaysWrittenKeys) {
  TRingtoneFilterConfig config;
  Load(config, kFullFilter);
  config.Clear();
  EXPECT_EQ(config.FilterInfo->MobileBrand, "Nokia");
  EXPECT_EQ(config.FilterInfo->MobileModel, "3310");
  EXPECT_EQ(config.FilterInfo->FilterType, 0);
  EXPECT_EQ(SavedText(config),
            "FilterInfo_MobileBrand=Nokia\r\nFilterInfo_MobileModel=3310\r\nFilterInfo_FilterType=0\r\n"
            "DefaultOptions_Octave=0\r\nDefaultOptions_Sharp=0\r\n"
            "DefaultOptions_Duration=0\r\nDefaultOptions_DotDuration=0\r\nRemember_Octave=0\r\n"
            "Remember_Sharp=0\r\nRemember_Duration=0\r\nRemember_DotDuration=0\r\n"
            "DurationMapper_MapperType=-1\r\nOctaveMapper_MapperType=-1\r\n");
  EXPECT_THROW(config.GetMapperOrder(0), EConvertError);
}

TEST(FilterConfig, ReadingFollowsTheLineRules) {
  TRingtoneFilterConfig config;
  // LF-only and CR-only line ends, a lower-case key, a repeated key (the
  // first counts), unknown keys, and a flag of 2 (false, saved as 0).
  Load(config,
       "dravikversion=first\nDravikVersion=second\rUnknown_Key=7\nFilterInfo_FilterType=7\n"
       "DefaultOptions_Octave=1\rDefaultOptions_Sharp=2\nDefaultOptions_Duration=4\n"
       "DefaultOptions_DotDuration=0\nRemember_Octave=0\nRemember_Sharp=2\nRemember_Duration=1\n"
       "Remember_DotDuration=0\nDurationMapper_MapperType=0\nOctaveMapper_MapperType=1\nNoEquals\n");
  EXPECT_EQ(config.DravikVersion, "first");
  EXPECT_EQ(config.FilterInfo->FilterType, 2);
  EXPECT_FALSE(config.Remember_Sharp);
  EXPECT_TRUE(config.Remember_Duration);
  EXPECT_NE(SavedText(config).find("\r\nRemember_Sharp=0\r\n"), std::string::npos);
  EXPECT_EQ(SavedText(config).find("Unknown"), std::string::npos);
}

TEST(FilterConfig, IntegerAndFlagKeysThatCannotBeReadFailTheLoad) {
  const char* const keys[] = {"DefaultOptions_Octave",    "DefaultOptions_Sharp",      "DefaultOptions_Duration",
                              "DefaultOptions_DotDuration", "Remember_Octave",         "Remember_Sharp",
                              "Remember_Duration",          "Remember_DotDuration",    "DurationMapper_MapperType",
                              "OctaveMapper_MapperType"};
  struct Case {
    const char* replacement;  // the line that takes the key's place
    const char* message;
  };
  const Case cases[] = {{"", "'' is not a valid integer value"},
                        {"=\r\n", "'' is not a valid integer value"},
                        {"=x1\r\n", "'x1' is not a valid integer value"},
                        {"=99999999999\r\n", "'99999999999' is not a valid integer value"},
                        {" =1\r\n", "'' is not a valid integer value"}};
  for (const char* key : keys) {
    for (const Case& c : cases) {
      std::string text = kFullFilter;
      const size_t at = text.find(std::string("\n") + key + "=") + 1;
      const size_t end = text.find('\n', at) + 1;
      text.replace(at, end - at, c.replacement[0] == '\0' ? "" : key + std::string(c.replacement));
      TRingtoneFilterConfig config;
      config.DurationMapper_2 = "kept until read";
      try {
        Load(config, text);
        ADD_FAILURE() << key << " with " << c.replacement << " loaded";
      } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), c.message) << key;
      }
      // Keys before the failing one hold their new values, later ones not.
      EXPECT_EQ(config.FilterFileOID, "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
      EXPECT_EQ(config.DurationMapper_2, std::string(key) == "OctaveMapper_MapperType" ? "h" : "kept until read")
          << key;
    }
  }
}

TEST(FilterConfig, ALineBreakInATextCannotPlantAKey) {
  TRingtoneFilterConfig config;
  Load(config, kFullFilter);
  config.FilterInfo->FilterDesc = "two\r\nDefaultOptions_Octave=5\nlines";
  config.NoteMapper_C = std::string("a\0b", 3);
  const std::string saved = SavedText(config);
  TRingtoneFilterConfig back;
  Load(back, saved);
  EXPECT_EQ(back.FilterInfo->FilterDesc, "two  DefaultOptions_Octave=5 lines");
  EXPECT_EQ(back.DefaultOptions_Octave, -1);
  EXPECT_EQ(back.NoteMapper_C, "a b");
  EXPECT_EQ(back.MapperOrder_5, "2");
}

TEST(FilterConfig, HostileTextNeverCrashes) {
  struct Case {
    std::string text;
    bool loads;
  };
  const Case cases[] = {
      {std::string(100000, 'A'), false},                                            // no line end at all
      {std::string(kFullFilter).replace(10, 1, std::string(1, '\0')), false},      // a zero byte ends the text
      {std::string(kFullFilter) + std::string(200000, '='), true},                  // a huge nameless line
      {std::string(50000, '\r') + kFullFilter, true},                              // many empty lines
      {std::string(kFullFilter).replace(0, 0, "DefaultOptions_Octave=-2147483649\r\n"), false},
  };
  for (const Case& c : cases) {
    TRingtoneFilterConfig config;
    bool loaded = true;
    try {
      Load(config, c.text);
    } catch (const EConvertError&) {
      loaded = false;
    }
    EXPECT_EQ(loaded, c.loads) << c.text.substr(0, 40);
  }
  // Bytes before the first key (a byte-order mark) hide only that key.
  TRingtoneFilterConfig config;
  Load(config, "\xEF\xBB\xBF" + std::string(kFullFilter));
  EXPECT_EQ(config.DravikVersion, "");
  EXPECT_EQ(config.FilterInfo->MobileBrand, "Nokia");
}

TEST(FilterConfig, SaveToFileReplacesTheFileWhole) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("filtercfg-" + IntToStr(getpid()));
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "f.kps").string();
  TRingtoneFilterConfig config;
  Load(config, kFullFilter);
  config.SaveToFile(file);
  config.FilterInfo->MobileModel = "3330";
  config.SaveToFile(file);
  TRingtoneFilterConfig back;
  back.LoadFromFile(file);
  EXPECT_EQ(back.FilterInfo->MobileModel, "3330");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left
  EXPECT_THROW(config.SaveToFile((dir / "missing" / "f.kps").string()), EFCreateError);
  try {
    back.LoadFromFile((dir / "nothere.kps").string());
    ADD_FAILURE();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + (dir / "nothere.kps").string() + "\". No such file or directory");
  }
  std::filesystem::remove_all(dir);
}
