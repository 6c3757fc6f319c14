#include "app/FileNotify.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/support/EventLoopWait.h"

namespace {

namespace fs = std::filesystem;

// A watch on a temporary folder that records every notice it gets.
class FileNotifyTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    NewWatch();
  }
  // A fresh watch: no notice of an earlier one can reach it.
  void NewWatch() {
    FWatch = std::make_unique<TFileNotify>(nullptr);
    FWatch->SetOnNotify([this](TComponent* sender, TNotificationOption action) {
      FWrongSender |= sender != FWatch.get();
      FOffGuiThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
      FNotices.push_back(action);
    });
  }
  void TearDown() override {
    FWatch.reset();
    EXPECT_FALSE(FWrongSender);
    EXPECT_FALSE(FOffGuiThread);
  }

  std::string Path(const std::string& name = "") const { return FFolder.filePath(QString::fromStdString(name)).toStdString(); }
  static void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  // Waits for the next notice and returns it (fnoWatchSubtree: none came).
  TNotificationOption NextNotice() {
    const size_t seen = FNotices.size();
    if (!ProcessEventsUntil([&] { return FNotices.size() > seen; })) return fnoWatchSubtree;
    return FNotices[seen];
  }

  QTemporaryDir FFolder;
  std::unique_ptr<TFileNotify> FWatch;
  std::vector<TNotificationOption> FNotices;
  bool FWrongSender = false;
  bool FOffGuiThread = false;
};

TEST_F(FileNotifyTest, FileChangesReachTheGuiThreadWithAndWithoutWaiting) {
  FWatch->SetOptions({fnoFile});
  FWatch->SetFolder(Path());
  for (const bool async : {false, true}) {
    FWatch->SetAsyncNotify(async);
    WriteFile(Path("new.kps"), "");
    EXPECT_EQ(NextNotice(), fnoFile) << "create, async " << async;
    fs::rename(Path("new.kps"), Path("renamed.kps"));
    EXPECT_EQ(NextNotice(), fnoFile) << "rename, async " << async;
    fs::remove(Path("renamed.kps"));
    EXPECT_EQ(NextNotice(), fnoFile) << "delete, async " << async;
  }
}

TEST_F(FileNotifyTest, EachChosenKindIsReported) {
  WriteFile(Path("filter.kps"), "Name=1");
  fs::create_directory(Path("sub"));
  struct Case {
    TNotificationOptions Options;
    std::function<void()> Change;
    TNotificationOption Expected;
  };
  const Case cases[] = {
      {{fnoSize}, [&] { WriteFile(Path("filter.kps"), "Name=12"); }, fnoSize},
      {{fnoTime}, [&] { fs::last_write_time(Path("filter.kps"), fs::file_time_type::clock::now()); }, fnoTime},
      {{fnoAttr}, [&] { fs::permissions(Path("filter.kps"), fs::perms::owner_exec, fs::perm_options::add); }, fnoAttr},
      {{fnoFolder}, [&] { fs::create_directory(Path("folder")); }, fnoFolder},
      {{fnoFile, fnoWatchSubtree}, [&] { WriteFile(Path("sub/deep.kps"), ""); }, fnoFile},
  };
  for (const Case& c : cases) {
    NewWatch();
    FWatch->SetOptions(c.Options);
    FWatch->SetFolder(Path());
    c.Change();
    EXPECT_EQ(NextNotice(), c.Expected) << int(c.Expected);
  }
}

TEST_F(FileNotifyTest, AWatchedSubtreeFollowsNewFolders) {
  FWatch->SetOptions({fnoFile, fnoFolder, fnoWatchSubtree});
  FWatch->SetFolder(Path());
  fs::create_directories(Path("new"));
  ASSERT_EQ(NextNotice(), fnoFolder);
  WriteFile(Path("new/deep.kps"), "");
  EXPECT_EQ(NextNotice(), fnoFile);
}

// Signalled kinds are reported in the order File, Folder: a change left
// behind in the old folder would come first.
TEST_F(FileNotifyTest, ChangingTheFolderFollowsTheNewFolderAtOnce) {
  fs::create_directory(Path("old"));
  fs::create_directory(Path("new"));
  FWatch->SetOptions({fnoFile, fnoFolder});
  FWatch->SetFolder(Path("old"));
  FWatch->SetFolder(Path("new"));
  WriteFile(Path("old/stale.kps"), "");
  fs::create_directory(Path("new/folder"));
  EXPECT_EQ(NextNotice(), fnoFolder);
}

TEST_F(FileNotifyTest, AFolderThatCannotBeWatchedRaisesAndTheWatchRecovers) {
  EXPECT_NO_THROW(FWatch->SetOptions({fnoFile}));  // no folder yet: nothing allocated
  try {
    FWatch->SetFolder(Path("missing"));
    ADD_FAILURE() << "no error";
  } catch (const EFileNotificationError& error) {
    EXPECT_EQ(error.Message(), "Could not allocate notification object");
  }
  EXPECT_EQ(FWatch->Folder(), Path("missing"));
  WriteFile(Path("file.kps"), "");
  EXPECT_THROW(FWatch->SetFolder(Path("file.kps")), EFileNotificationError);  // not a folder
  FWatch->SetFolder(Path());
  WriteFile(Path("other.kps"), "");
  EXPECT_EQ(NextNotice(), fnoFile);
}

// The worker is destroyed at every moment of its work: waiting, reading,
// or blocked in a hand-over that the GUI thread has not run yet.
TEST_F(FileNotifyTest, DestroyingTheWatchWithChangesPendingEndsPromptly) {
  THangGuard guard("destroying a watch with changes pending");
  FWatch->SetOptions({fnoFile, fnoSize});
  for (const bool async : {false, true}) {
    for (int round = 0; round < 10; ++round) {
      FWatch->SetAsyncNotify(async);
      FWatch->SetFolder(Path());
      WriteFile(Path("a.kps"), "x");
      ASSERT_NE(NextNotice(), fnoWatchSubtree);
      for (int i = 0; i < 20; ++i) WriteFile(Path("b" + std::to_string(i) + ".kps"), "y");
      FWatch.reset();
      const size_t atEnd = FNotices.size();
      QCoreApplication::processEvents();
      EXPECT_EQ(FNotices.size(), atEnd);
      for (int i = 0; i < 20; ++i) fs::remove(Path("b" + std::to_string(i) + ".kps"));
      NewWatch();
      FWatch->SetOptions({fnoFile, fnoSize});
    }
  }
}

}  // namespace
