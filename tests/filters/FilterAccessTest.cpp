#include "filters/FilterAccess.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "filters/FileUtils.h"
#include "filters/PathUtils.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace fs = std::filesystem;

namespace {

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::temp_directory_path() / ("catalogue-" + IntToStr(getpid()));
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  void TearDown() override { fs::remove_all(FDir); }

  std::string Path(const std::string& name) const { return (FDir / name).string(); }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  // A filter file of the given type value ("" leaves the line out).
  void WriteFilter(const std::string& name, const std::string& type, const std::string& oid = "",
                   const std::string& model = "") const {
    std::string text = "FilterFileOID=" + oid + "\r\nFilterInfo_MobileBrand=Acme\r\nFilterInfo_MobileModel=" + model +
                       "\r\nAuthorInfo_AuthorName=Ann\r\nFilterInfo_FilterDesc=About it\r\n";
    if (!type.empty()) text += "FilterInfo_FilterType=" + type + "\r\n";
    Write(name, text);
  }
  static std::vector<std::string> Names(const TFilterCfgList& list) {
    std::vector<std::string> names;
    for (const auto& filter : list) names.push_back(ExtractFileName(filter->FileName));
    return names;
  }

  fs::path FDir;
};

}  // namespace

TEST_F(Catalogue, KindsComeFromTheContentNotTheExtension) {
  WriteFilter("a.KPS", "1");
  WriteFilter("b.kps", "0");
  WriteFilter("c.Mss", "1");
  WriteFilter("d.mss", "0");
  WriteFilter("e.kps", "");        // no type: not recognised
  WriteFilter("f.kps", "letters");  // unreadable type: not recognised, the rest still load
  WriteFilter("g.kps", "7");
  WriteFilter("h.kps.bak", "1");
  WriteFilter("i", "1");
  fs::create_directory(FDir / "y.kps");
  fs::create_symlink(FDir / "gone.kps", FDir / "z.kps");  // cannot be opened: left out

  TFilterCfgList list;
  list.FilterTag = "KPS";
  list.LoadFromFolder(FDir.string());
  EXPECT_EQ(Names(list), (std::vector<std::string>{"a.KPS", "c.Mss"}));
  EXPECT_EQ(list.Items(0)->FileName, Path("a.KPS"));
  list.FilterTag = "mss";
  list.LoadFromFolder(FDir.string() + "/");
  EXPECT_EQ(Names(list), (std::vector<std::string>{"b.kps", "d.mss"}));
  list.FilterTag = "";
  list.LoadFromFolder(FDir.string());
  EXPECT_EQ(Names(list), (std::vector<std::string>{"a.KPS", "b.kps", "c.Mss", "d.mss", "e.kps", "f.kps", "g.kps"}));
  EXPECT_EQ(list.Items(5)->GetFilterType(), 2);
  EXPECT_EQ(list.Items(0)->GetMobileBrand(), "Acme");
  EXPECT_EQ(list.Items(0)->GetAuthorName(), "Ann");
  EXPECT_EQ(list.Items(0)->GetFilterDesc(), "About it");

  list.LoadFromFolder(Path("missing"));
  EXPECT_EQ(list.Count(), 0);
}

// Whoever shows a list hears of each reload, whether or not the folder exists.
TEST_F(Catalogue, EveryLoadTellsWhoShowsTheList) {
  WriteFilter("a.kps", "1");
  TFilterCfgList list;
  std::vector<int> counts;
  list.OnLoad = [&] { counts.push_back(list.Count()); };
  list.LoadFromFolder(FDir.string());
  list.LoadFromFolder(Path("missing"));
  EXPECT_EQ(counts, (std::vector<int>{1, 0}));
}

TEST_F(Catalogue, FindByOIDIsExactAndFirst) {
  WriteFilter("a.kps", "1", "", "none");
  WriteFilter("b.kps", "1", "{AB-1}", "first");
  WriteFilter("c.kps", "1", "{AB-1}", "second");
  TFilterCfgList list;
  list.FilterTag = "KPS";
  list.LoadFromFolder(FDir.string());
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.FindByOID(""), nullptr);
  EXPECT_EQ(list.FindByOID("{ab-1}"), nullptr);
  ASSERT_NE(list.FindByOID("{AB-1}"), nullptr);
  EXPECT_EQ(list.FindByOID("{AB-1}")->GetMobileModel(), "first");
}

TEST_F(Catalogue, ImportCopiesUnderAUniqueName) {
  const std::string filters = Path("Filters");
  WriteFilter("nokia.kps", "1", "{N}");
  Write("readme", "not a filter");
  ASSERT_TRUE(ImportFilterFile(Path("nokia.kps"), filters));  // creates the folder
  ASSERT_TRUE(ImportFilterFile(Path("nokia.kps"), filters));
  ASSERT_TRUE(ImportFilterFile(Path("nokia.kps"), filters));
  ASSERT_TRUE(ImportFilterFile(Path("readme"), filters));
  ASSERT_TRUE(ImportFilterFile(Path("readme"), filters));
  for (const char* name : {"nokia.kps", "nokia1.kps", "nokia2.kps", "readme", "readme1"})
    EXPECT_TRUE(FileExists(filters + "/" + name)) << name;
  EXPECT_EQ(ReadFileBytes(filters + "/nokia2.kps"), ReadFileBytes(Path("nokia.kps")));

  EXPECT_FALSE(ImportFilterFile(Path("absent.kps"), filters));
  EXPECT_FALSE(FileExists(filters + "/absent.kps"));
  Write("blocker", "a file where the folder should be");
  EXPECT_FALSE(ImportFilterFile(Path("nokia.kps"), Path("blocker")));
}

TEST(FilterHelpers, TagsPathsAndFolders) {
  EXPECT_EQ(FilterTypeOfTag("kps"), 1);
  EXPECT_EQ(FilterTypeOfTag("MSS"), 0);
  EXPECT_EQ(FilterTypeOfTag(""), 2);
  EXPECT_EQ(FilterTypeOfTag("KPSX"), 2);
  EXPECT_EQ(AddTrailingBackslash("  /tmp/x \t"), "/tmp/x/");
  EXPECT_EQ(AddTrailingBackslash(" "), "");
  EXPECT_EQ(AddTrailingBackslash("/tmp/"), "/tmp/");
  EXPECT_EQ(RemoveFileExt("/a.b/nokia.kps"), "/a.b/nokia");
  EXPECT_EQ(RemoveFileExt("/a.b/readme"), "/a.b/readme");
  EXPECT_EQ(GetExeFolder(), std::string(CAROLUNE_BIN_DIR) + "/");
  EXPECT_EQ(GetFiltersFolder(), std::string(CAROLUNE_BIN_DIR) + "/Filters");
}
