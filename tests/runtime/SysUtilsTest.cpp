#include "runtime/SysUtils.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsWhatTheClassLibraryAccepts) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"0", 0}, {"42", 42}, {"  7", 7}, {"+5", 5}, {"-12", -12},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
      {"$FF", 255}, {"0x10", 16}, {"$FFFFFFFF", -1}, {"007", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsOtherTextWithTheClassLibraryMessage) {
  for (const char* text : {"", " ", "12 ", "1a", "2147483648", "-2147483649", "99999999999999999999",
                           "$", "0x", "+", "--1", "$100000000"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(StrToIntDef("x", -3), -3);
}

TEST(IntToStr, AppendIntWritesTheSameDigits) {
  for (const int64_t value :
       {int64_t{0}, int64_t{9}, int64_t{10}, int64_t{-1}, int64_t{42}, int64_t{INT32_MIN}, INT64_MIN, INT64_MAX}) {
    std::string text = "x";
    AppendInt(text, value);
    EXPECT_EQ(text, "x" + IntToStr(value)) << value;
  }
}

TEST(IntDiv, RaisesOnZeroAndTruncatesTowardZero) {
  EXPECT_THROW(IntDiv(1, 0), EDivByZero);
  EXPECT_THROW(IntMod(1, 0), EDivByZero);
  EXPECT_EQ(IntDiv(-7, 2), -3);
  EXPECT_EQ(IntMod(-7, 2), -1);
}

TEST(TextHelpers, TrimCaseAndFileNames) {
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_EQ(UpperCase("abc\xe9"), "ABC\xe9");  // only ASCII letters change
  EXPECT_TRUE(SameText("Brand", "bRAND"));
  EXPECT_LT(CompareText("a", "B"), 0);
  EXPECT_EQ(ExtractFilePath("/x/y/z.mid"), "/x/y/");
  EXPECT_EQ(ExtractFileName("C:\\tunes\\a.rtx"), "a.rtx");
  EXPECT_EQ(ExtractFileExt("/x.y/z"), "");
  EXPECT_EQ(ExtractFileExt("/x/z.tar.mid"), ".mid");
  EXPECT_EQ(ChangeFileExt("/x/z.mid", ".imy"), "/x/z.imy");
  EXPECT_EQ(ChangeFileExt("/x.d/z", ".imy"), "/x.d/z.imy");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/x"), "/x/");
}
