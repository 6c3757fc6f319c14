#include <gtest/gtest.h>

#include <set>

#include "FilterAccess.h"

// The Filters folder beside the programs lists its KeyPress and ScreenShow
// filters, each with an identifier of its own.
TEST(ShippedFolder, ListsTwoFiltersOfEachKind) {
  std::set<std::string> oids;
  for (const char* tag : {"KPS", "MSS"}) {
    TFilterCfgList list;
    list.FilterTag = tag;
    list.LoadFromFolder(GetFiltersFolder());
    ASSERT_EQ(list.Count(), 2) << tag;
    for (const auto& filter : list) {
      EXPECT_EQ(filter->GetFilterFileOID().size(), 38u);
      oids.insert(filter->GetFilterFileOID());
      EXPECT_EQ(list.FindByOID(filter->GetFilterFileOID()), filter.get());
      EXPECT_FALSE(filter->GetMobileBrand().empty());
      EXPECT_FALSE(filter->GetMobileModel().empty());
    }
  }
  EXPECT_EQ(oids.size(), 4u);
}
