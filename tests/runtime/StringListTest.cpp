#include "runtime/StringList.h"

#include <gtest/gtest.h>

#include "runtime/SysUtils.h"

TEST(StringList, SplitsAtEveryLineEndAndStopsAtZero) {
  TStringList l;
  l.SetText(std::string("a\r\nb\nc\rd\r\n\r\ne\0f\r\n", 18));
  const std::vector<std::string> expected = {"a", "b", "c", "d", "", "e"};
  EXPECT_EQ(l.Lines(), expected);
  EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  l.SetText("");
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, NameValueLookupIsFirstMatchWithoutCase) {
  TStringList l;
  l.SetText("Brand=Nokia\r\nbrand=Other\r\nModel=\r\nNoEquals\r\n=x\r\nKey=a=b");
  EXPECT_EQ(l.Values("BRAND"), "Nokia");
  EXPECT_EQ(l.IndexOfName("model"), 2);
  EXPECT_EQ(l.Values("Model"), "");
  EXPECT_EQ(l.Values("NoEquals"), "");
  EXPECT_EQ(l.Values(""), "x");
  EXPECT_EQ(l.Values("Key"), "a=b");
  EXPECT_EQ(l.Names(5), "Key");
  l.SetValues("brand", "Siemens");
  EXPECT_EQ(l[0], "brand=Siemens");
  l.SetValues("New", "1");
  EXPECT_EQ(l[l.Count() - 1], "New=1");
  l.SetValues("New", "");
  EXPECT_EQ(l.IndexOfName("New"), -1);
  EXPECT_THROW(l.Strings(99), EListError);
}
