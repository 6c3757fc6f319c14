#include <gtest/gtest.h>

#include <set>

#include "filters/FilterAccess.h"
#include "tests/support/ShippedFilters.h"

// The Filters folder beside the programs lists every shipped filter under its
// kind (the extension says which), each with an identifier of its own.
TEST(ShippedFolder, ListsEveryShippedFilterUnderItsKind) {
  std::set<std::string> oids;
  size_t shipped = 0;
  for (const auto& [tag, extension] : {std::pair{"KPS", ".kps"}, std::pair{"MSS", ".mss"}}) {
    size_t files = 0;
    for (const auto& file : ShippedFilterFiles()) files += file.extension() == extension;
    TFilterCfgList list;
    list.FilterTag = tag;
    list.LoadFromFolder(GetFiltersFolder());
    ASSERT_EQ(static_cast<size_t>(list.Count()), files) << tag;
    for (const auto& filter : list) {
      EXPECT_EQ(filter->GetFilterFileOID().size(), 38u);
      oids.insert(filter->GetFilterFileOID());
      EXPECT_EQ(list.FindByOID(filter->GetFilterFileOID()), filter.get());
      EXPECT_FALSE(filter->GetMobileBrand().empty());
      EXPECT_FALSE(filter->GetMobileModel().empty());
    }
    shipped += files;
  }
  EXPECT_GT(shipped, 0u);
  EXPECT_EQ(oids.size(), shipped);
}
