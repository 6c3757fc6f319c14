#include "runtime/FilterFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/FilterDefinition.h"
#include "runtime/Streams.h"
#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

namespace {

// A definition read from the text; an integer or flag key it lacks stops the
// load, which these tests catch to look at the fields read before.
void Load(TRingtoneFilterConfigBase& filter, const std::string& text) {
  TMemoryStream stream(text);
  try {
    filter.LoadFromStream(stream);
  } catch (const EConvertError&) {
  }
}

}  // namespace

TEST(FilterFormat, TheTypeNeverFailsToRead) {
  const std::pair<const char*, int> cases[] = {
      {"FilterInfo_FilterType=0", 0},  {"filterinfo_filtertype=1", 1}, {"FilterInfo_FilterType=7", 2},
      {"FilterInfo_FilterType=", 2},   {"FilterInfo_FilterType=KPS", 2}, {"Other=1", 2},
      {"FilterInfo_FilterType=-1", 2}, {"FilterInfo_FilterType=4294967297", 2},
  };
  for (const auto& [text, type] : cases) {
    TStringList lines;
    lines.SetText(text);
    EXPECT_EQ(ReadFilterType(lines), type) << text;
    TRingtoneFilterConfigBase filter;
    Load(filter, text);
    EXPECT_EQ(filter.FilterInfo->FilterType, type) << text;
  }
}

TEST(FilterFormat, IntegersAndFlags) {
  struct Case {
    const char* value;
    bool reads;
    int32_t octave;
    bool sharp;
  };
  const Case cases[] = {{"-12", true, -12, false}, {"1", true, 1, true}, {"2", true, 2, false},
                        {" $1F", true, 31, false}, {"", false, 0, false}, {"1x", false, 0, false}};
  for (const Case& c : cases) {
    const std::string value = c.value;
    TRingtoneFilterConfigBase filter;
    TMemoryStream stream("DefaultOptions_Octave=" + value + "\r\nDefaultOptions_Sharp=" + value +
                         "\r\nDefaultOptions_Duration=0\r\n");
    if (!c.reads) {
      EXPECT_THROW(filter.LoadFromStream(stream), EConvertError) << value;
      continue;
    }
    // The next integer key is missing: the load stops there.
    EXPECT_THROW(filter.LoadFromStream(stream), EConvertError) << value;
    EXPECT_EQ(filter.DefaultOptions_Octave, c.octave) << value;
    EXPECT_EQ(filter.DefaultOptions_Sharp, c.sharp) << value;
    EXPECT_EQ(filter.DefaultOptions_Duration, 0) << value;
  }
}

TEST(FilterFormat, ValuesAreReadWithTheLineRulesOfAStringList) {
  // First line of a name wins, whatever its case; "=" belongs to the value
  // after the first; blanks are kept; CR, LF and CR LF end lines; a zero byte
  // ends the text; a line without "=" and a blank before "=" match no key.
  using namespace std::string_literals;
  const std::string text =
      "dravikversion=1\r\nDRAVIKVERSION=2\rFilterInfo_FilterDesc=x=y \nFilterInfo_MobileBrand\r\n"
      "FilterInfo_MobileModel =3\r\n=empty\r\nAuthorInfo_AuthorName=Cut\0AuthorInfo_AuthorEmail=After"s;
  TRingtoneFilterConfigBase filter;
  filter.FilterInfo->MobileBrand = filter.FilterInfo->MobileModel = "kept?";
  Load(filter, text);
  TStringList lines;
  lines.SetText(text);
  const std::pair<const char*, const std::string*> fields[] = {
      {"DravikVersion", &filter.DravikVersion},
      {"FilterInfo_FilterDesc", &filter.FilterInfo->FilterDesc},
      {"FilterInfo_MobileBrand", &filter.FilterInfo->MobileBrand},
      {"FilterInfo_MobileModel", &filter.FilterInfo->MobileModel},
      {"AuthorInfo_AuthorName", &filter.AuthorInfo->AuthorName},
      {"AuthorInfo_AuthorEmail", &filter.AuthorInfo->AuthorEmail},
  };
  for (const auto& [key, field] : fields) EXPECT_EQ(*field, lines.Values(key)) << key;
  EXPECT_EQ(filter.DravikVersion, "1");
  EXPECT_EQ(filter.FilterInfo->FilterDesc, "x=y ");
  EXPECT_EQ(filter.FilterInfo->MobileModel, "");
  EXPECT_EQ(filter.AuthorInfo->AuthorName, "Cut");
  EXPECT_EQ(filter.AuthorInfo->AuthorEmail, "");
}

TEST(FilterFormat, TheWriterKeepsEveryValueOnItsLine) {
  TFilterWriter writer;
  writer.Text("Empty", "");
  writer.Text("Desc", std::string("a\r\nB=1\rc\0d", 10));
  writer.Integer("N", -1);
  writer.Flag("F", true);
  EXPECT_EQ(writer.Joined(), "Desc=a  B=1 c d\r\nN=-1\r\nF=1\r\n");
}

TEST(FilterFormat, AnyOrderAndNumberOfLinesIsReadAsAStringListReadsThem) {
  // Far more lines than a filter has, its keys out of order and repeated in
  // other cases (the first line wins), lines without "=", names that only
  // start with a key, and every kind of line break.
  const std::vector<std::string> flags = {"DefaultOptions_Sharp", "DefaultOptions_DotDuration", "Remember_Octave",
                                          "Remember_Sharp", "Remember_Duration", "Remember_DotDuration"};
  const std::vector<std::string> compared = {
      "DefaultOptions_Octave",   "DefaultOptions_Duration", "DurationMapper_MapperType", "OctaveMapper_MapperType",
      "DravikVersion",           "FilterInfo_FilterDesc",   "NoteMapper_C",              "NoteMapper_P",
      "DurationMapper_NoChange", "OctaveMapper_ToLower",    "MapperOrder_1",             "MapperOrder_5"};
  std::vector<std::string> names = compared;
  names.insert(names.end(), flags.begin(), flags.end());
  const char* breaks[] = {"\r\n", "\n", "\r"};
  std::string text;
  for (int i = 0; i < 3000; ++i) {
    std::string name = names[(i * 7) % names.size()];
    if (i % 3 == 0) name = UpperCase(name);
    if (i % 5 == 0) name += "X";
    text += i % 11 == 0 ? name : name + "=" + std::to_string(i);
    text += breaks[i % 3];
  }
  TRingtoneFilterConfigBase filter;
  TMemoryStream stream(text);
  filter.LoadFromStream(stream);
  TStringList lines;
  lines.SetText(text);
  TStringList read;
  read.SetText(filter.FileText());
  for (const std::string& name : compared) EXPECT_EQ(read.Values(name), lines.Values(name)) << name;
}

TEST(FilterFormat, ALineBreakIsFoundAtEveryPlaceInTheText) {
  // The breaks are looked for 64 bytes at a time: a value of each length
  // puts its break at each place of a block, before and after its edge, and
  // the last value runs to the text's end with no break at all.
  const char* breaks[] = {"\r\n", "\n", "\r"};
  for (size_t length = 0; length < 140; ++length) {
    const std::string text = "DravikVersion=" + std::string(length, 'v') + breaks[length % 3] +
                             "FilterInfo_FilterDesc=" + std::string(length / 2, 'd') + "\r\nFilterInfo_MobileBrand=" +
                             std::string(length, 'b');
    TRingtoneFilterConfigBase filter;
    Load(filter, text);
    TStringList lines;
    lines.SetText(text);
    EXPECT_EQ(filter.DravikVersion, lines.Values("DravikVersion")) << length;
    EXPECT_EQ(filter.FilterInfo->FilterDesc, lines.Values("FilterInfo_FilterDesc")) << length;
    EXPECT_EQ(filter.FilterInfo->MobileBrand, std::string(length, 'b')) << length;
  }
}
