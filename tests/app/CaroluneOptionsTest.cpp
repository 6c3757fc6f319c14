#include "app/CaroluneOptions.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

namespace {

const std::string ProductKey = "\\Software\\Veskaro\\Carolune";

class CaroluneOptionsTest : public testing::Test {
 protected:
  std::string Store() const { return FFolder.filePath("config/Carolune/registry.ini").toStdString(); }
  TOptionPtr<TCaroluneOption> Open() const { return TVeskaroOption::Create<TCaroluneOption>(Store()); }
  // Writes raw values the way another program (or a damaged store) might.
  template <class Write>
  void WriteKey(const std::string& key, Write write) const {
    TRegistry registry(Store());
    ASSERT_TRUE(registry.OpenKey(ProductKey + key, true));
    write(registry);
    registry.CloseKey();
  }
  static std::vector<std::string> Recent(const TCaroluneOption& options) { return options.RecentFiles.Lines(); }

  QTemporaryDir FFolder;
};

TEST_F(CaroluneOptionsTest, AnEmptyStoreShowsEveryPageWithoutADefaultPhone) {
  const auto options = Open();
  for (const bool shown : {options->IsShowRTTTL, options->IsShowiMelody, options->IsShoweMelody,
                           options->IsShowComposer, options->IsShowScreenShow, options->IsShowKeyPress})
    EXPECT_TRUE(shown);
  EXPECT_FALSE(options->IsSetDefaultMobile);
  EXPECT_EQ(options->DefaultBrand, "");
  EXPECT_EQ(options->DefaultModel, "");
  EXPECT_EQ(options->RecentFiles.Count(), 0);
}

// Values written on confirming the dialog, and again when the object goes,
// are what the next run reads.
TEST_F(CaroluneOptionsTest, ValuesWrittenAreReadBackByANewObject) {
  {
    auto options = Open();
    options->IsShowRTTTL = false;
    options->IsShowComposer = false;
    options->IsShowKeyPress = false;
    options->IsSetDefaultMobile = true;
    options->DefaultBrand = "Sony Ericsson";
    options->DefaultModel = std::string("T610 \xE9", 6);
    options->WriteOptions();
    EXPECT_TRUE(Open()->IsSetDefaultMobile);
    options->DefaultModel = "K700";  // saved when the object goes
  }
  const auto options = Open();
  EXPECT_FALSE(options->IsShowRTTTL);
  EXPECT_TRUE(options->IsShowiMelody);
  EXPECT_TRUE(options->IsShoweMelody);
  EXPECT_FALSE(options->IsShowComposer);
  EXPECT_TRUE(options->IsShowScreenShow);
  EXPECT_FALSE(options->IsShowKeyPress);
  EXPECT_TRUE(options->IsSetDefaultMobile);
  EXPECT_EQ(options->DefaultBrand, "Sony Ericsson");
  EXPECT_EQ(options->DefaultModel, "K700");
}

TEST_F(CaroluneOptionsTest, WrongTypedValuesReadAsTheirDefaults) {
  WriteKey("", [](TRegistry& r) {
    r.WriteString("IsSetDefaultMobile", "1");
    r.WriteInteger("DefaultBrand", 5);
    r.WriteString("DefaultModel", "K700");
  });
  WriteKey("\\Target", [](TRegistry& r) {
    r.WriteString("IsShowRTTTL", "0");
    r.WriteInteger("IsShowiMelody", 0);
  });
  WriteKey("\\RecentFiles", [](TRegistry& r) {
    r.WriteString("Number", "2");
    r.WriteString("0", "/a.mid");
  });
  const auto options = Open();
  EXPECT_FALSE(options->IsSetDefaultMobile);
  EXPECT_EQ(options->DefaultBrand, "");
  EXPECT_EQ(options->DefaultModel, "K700");
  EXPECT_TRUE(options->IsShowRTTTL);
  EXPECT_FALSE(options->IsShowiMelody);
  EXPECT_EQ(options->RecentFiles.Count(), 0);
}

TEST_F(CaroluneOptionsTest, StoredRecentEntriesKeepTheirPlacesAndOnlyTheNewestFiveAreRead) {
  struct Case {
    int Number;
    std::vector<std::string> Expected;
  };
  // Entries: "0" and "2" are paths, "1" is missing, "3" is an integer.
  const Case cases[] = {
      {3, {"/0.mid", "", "/2.mid"}},
      {4, {"/0.mid", "", "/2.mid"}},  // the integer is skipped
      {0, {}},
      {-5, {}},
      {2000000000, {"", "", "", "", ""}},  // bounded: the five newest, all missing
  };
  for (const Case& c : cases) {
    WriteKey("\\RecentFiles", [&](TRegistry& r) {
      r.WriteInteger("Number", c.Number);
      r.WriteString("0", "/0.mid");
      r.WriteString("2", "/2.mid");
      r.WriteInteger("3", 3);
    });
    EXPECT_EQ(Recent(*Open()), c.Expected) << c.Number;
  }
}

TEST_F(CaroluneOptionsTest, AddedFilesKeepTheFiveNewestInOrderAndPersist) {
  {
    auto options = Open();
    for (const char* path : {"/t/1.mid", "/t/2.mid", "/t/3.rtx", "/t/4.imy", "/t/5.emy", "/t/6.kpz"})
      options->AddRecentFile(path);
    EXPECT_EQ(Recent(*options), (std::vector<std::string>{"/t/2.mid", "/t/3.rtx", "/t/4.imy", "/t/5.emy", "/t/6.kpz"}));
    // A listed file in other letter case moves to the end as it was spelt now.
    options->AddRecentFile("/T/3.RTX");
    EXPECT_EQ(Recent(*options), (std::vector<std::string>{"/t/2.mid", "/t/4.imy", "/t/5.emy", "/t/6.kpz", "/T/3.RTX"}));
    options->RecentFiles.Clear();  // not written at destruction: only adding writes the list
  }
  EXPECT_EQ(Recent(*Open()), (std::vector<std::string>{"/t/2.mid", "/t/4.imy", "/t/5.emy", "/t/6.kpz", "/T/3.RTX"}));
}

}  // namespace
