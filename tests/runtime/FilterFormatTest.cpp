#include "runtime/FilterFormat.h"

#include <gtest/gtest.h>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

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
    EXPECT_EQ(TFilterValues(text).FilterType(), type) << text;
  }
}

TEST(FilterFormat, IntegersAndFlags) {
  const TFilterValues values("A=-12\r\nB=1\r\nC=2\r\nD=\r\nE=1x");
  EXPECT_EQ(values.Integer("a"), -12);
  EXPECT_TRUE(values.Flag("B"));
  EXPECT_FALSE(values.Flag("C"));
  EXPECT_THROW(values.Flag("D"), EConvertError);
  EXPECT_THROW(values.Integer("E"), EConvertError);
  EXPECT_THROW(values.Integer("Missing"), EConvertError);
}

TEST(FilterFormat, ValuesAreReadWithTheLineRulesOfAStringList) {
  // First line of a name wins, whatever its case; "=" belongs to the value
  // after the first; blanks are kept; CR, LF and CR LF end lines; a zero byte
  // ends the text; a line without "=" and a blank before "=" match no key.
  using namespace std::string_literals;
  const std::string text = "a=1\r\nA=2\rKey=x=y \nNoEquals\r\nSpaced =3\r\n=empty\r\nCut=1\0After=2"s;
  const TFilterValues values(text);
  TStringList lines;
  lines.SetText(text);
  for (const char* key : {"a", "A", "KEY", "NoEquals", "Spaced", "Spaced ", "", "Cut", "After", "Missing"})
    EXPECT_EQ(values.Text(key), lines.Values(key)) << key;
  EXPECT_EQ(values.Text("a"), "1");
  EXPECT_EQ(values.Text("key"), "x=y ");
  EXPECT_EQ(values.Text("After"), "");
}

TEST(FilterFormat, TheWriterKeepsEveryValueOnItsLine) {
  TFilterWriter writer;
  writer.Text("Empty", "");
  writer.Text("Desc", std::string("a\r\nB=1\rc\0d", 10));
  writer.Integer("N", -1);
  writer.Flag("F", true);
  EXPECT_EQ(writer.Joined(), "Desc=a  B=1 c d\r\nN=-1\r\nF=1\r\n");
}

TEST(FilterFormat, AnyNumberOfLinesIsIndexedAsAStringListReadsThem) {
  // Far more lines than a filter has: names repeated in other cases (the
  // first line wins), lines without "=", every kind of line break, and
  // names that differ from each other only where letters differ in case.
  const char* breaks[] = {"\r\n", "\n", "\r"};
  std::string text;
  for (int i = 0; i < 3000; ++i) {
    const std::string name = (i % 3 == 0 ? "key" : "Key") + std::to_string(i % 1100);
    text += i % 7 == 0 ? name : name + "=" + std::to_string(i);
    text += breaks[i % 3];
  }
  text += "@a=at\r\n`A=grave\r\n[b=bracket\r\n{B=brace\r\n";
  const TFilterValues values(text);
  TStringList lines;
  lines.SetText(text);
  for (int i = 0; i < 1200; ++i) {
    const std::string key = "KEY" + std::to_string(i);
    EXPECT_EQ(values.Text(key), lines.Values(key)) << key;
  }
  for (const char* key : {"@A", "`a", "[B", "{b"}) EXPECT_EQ(values.Text(key), lines.Values(key)) << key;
  EXPECT_EQ(values.Text("`A"), "grave");
}
