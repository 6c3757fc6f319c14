// The KeyPress and ScreenShow target file, as saving writes it.
#include <gtest/gtest.h>

#include "app/TargetFiles.h"
#include "runtime/StringList.h"

TEST(TargetFiles, ATargetFileNamesThePhoneAndHoldsTheText) {
  TStringList lines;
  lines.SetText("1 2 3\r\n*4 5");
  EXPECT_EQ(TargetFileText("Nokia", "3310", lines), "Brand=Nokia\r\nModel=3310\r\n[Content]\r\n1 2 3\r\n*4 5\r\n");
}
