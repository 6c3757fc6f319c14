#include "formc/FormClasses.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "runtime/Streams.h"
#include "skin/SkinClasses.h"
#include "skin/SkinMgr.h"
#include "windowing/Form.h"
#include "windowing/Persistent.h"

// Every class of the table is one the form reader creates by that name,
// and its header declares it: what the compiler writes of a description
// names the classes the description names.
TEST(FormClasses, EachIsARegisteredClassDeclaredInItsHeader) {
  RegisterWindowingClasses();
  RegisterSkinClasses();
  std::set<std::string> names;
  for (const TFormClass& row : FormClasses()) {
    EXPECT_TRUE(names.insert(row.Name).second) << row.Name << " twice";
    const TClassInfo* info = FindClass(row.Name);
    ASSERT_NE(info, nullptr) << row.Name;
    EXPECT_EQ(info->Name(), row.Name);
    EXPECT_TRUE(info->Create) << row.Name;
    const std::string header = ReadFileBytes(std::string(CAROLUNE_SOURCE_DIR "/") + row.Header);
    EXPECT_NE(header.find("\nclass " + std::string(row.Name) + " : public "), std::string::npos)
        << row.Name << " in " << row.Header;
  }
}

TEST(FormClasses, AreFoundWithoutRegardToCase) {
  ASSERT_NE(FindFormClass("tskinbutton"), nullptr);
  EXPECT_STREQ(FindFormClass("tskinbutton")->Name, "TSkinButton");
  EXPECT_STREQ(FindFormClass("TLABEL")->Header, "windowing/Label.h");
  EXPECT_EQ(FindFormClass("TSkinButtons"), nullptr);
  EXPECT_EQ(FindFormClass(""), nullptr);
}
