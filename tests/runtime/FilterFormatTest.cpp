#include "FilterFormat.h"

#include <gtest/gtest.h>

#include "StringList.h"
#include "SysUtils.h"

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
  }
}

TEST(FilterFormat, IntegersAndFlags) {
  TStringList lines;
  lines.SetText("A=-12\r\nB=1\r\nC=2\r\nD=\r\nE=1x");
  EXPECT_EQ(ReadFilterInteger(lines, "a"), -12);
  EXPECT_TRUE(ReadFilterFlag(lines, "B"));
  EXPECT_FALSE(ReadFilterFlag(lines, "C"));
  EXPECT_THROW(ReadFilterFlag(lines, "D"), EConvertError);
  EXPECT_THROW(ReadFilterInteger(lines, "E"), EConvertError);
  EXPECT_THROW(ReadFilterInteger(lines, "Missing"), EConvertError);
}

TEST(FilterFormat, TheWriterKeepsEveryValueOnItsLine) {
  TFilterWriter writer;
  writer.Text("Empty", "");
  writer.Text("Desc", std::string("a\r\nB=1\rc\0d", 10));
  writer.Integer("N", -1);
  writer.Flag("F", true);
  EXPECT_EQ(writer.Joined(), "Desc=a  B=1 c d\r\nN=-1\r\nF=1\r\n");
}
