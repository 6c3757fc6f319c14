// The main window's start-up, its commands and their states, the recent
// files, help and closing.
#include <QClipboard>
#include <QFile>
#include <QTimer>
#include <filesystem>

#include "filters/DravikFrm.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinStatusBar.h"
#include "tests/app/MainWindowFixture.h"
#include "windowing/Action.h"
#include "windowing/ImageList.h"
#include "windowing/MenuItem.h"

namespace {

// The source panel at the top of the source group's stack.
TControl* FrontPanel(TControl& group) {
  TControl* front = nullptr;
  for (int i = 0; i < group.ControlCount(); ++i)
    if (dynamic_cast<TSkinImagePanel*>(group.Controls(i))) front = group.Controls(i);
  return front;
}

void Focus(TfrmMain& window, TWinControl& control) {
  window.Show();
  QApplication::setActiveWindow(&window);
  control.SetFocus();
  QApplication::processEvents();
}

}  // namespace

TEST_F(MainWindowTest, StartsWithThePagesTheOptionsShowScreenShowActiveAndAFiltersFolder) {
  CaroluneOption->IsShowRTTTL = false;
  CaroluneOption->IsShowComposer = false;
  std::filesystem::remove_all(FiltersFolder());  // a first start
  TfrmMain& w = Window();
  EXPECT_EQ(w.Caption(), "Carolune v1.01");
  EXPECT_EQ(w.skinForm1->Caption(), "Carolune v1.01");
  const char* const order[] = {"tsScreenShow", "tsKeypress", "tsRTTTL", "tsComposer", "tsiMelody", "tseMelody"};
  ASSERT_EQ(w.pgcTarget->PageCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w.pgcTarget->Pages(i)->Name(), order[i]);
  for (TSkinTabSheet* hidden : {w.TargetSheet(ttRTTTL), w.TargetSheet(ttComposer)}) {
    EXPECT_FALSE(hidden->TabVisible()) << hidden->Name();
    EXPECT_FALSE(hidden->Visible()) << hidden->Name();
  }
  for (TSkinTabSheet* shown :
       {w.TargetSheet(ttScreenShow), w.TargetSheet(ttKeyPress), w.TargetSheet(ttiMelody), w.TargetSheet(tteMelody)})
    EXPECT_TRUE(shown->TabVisible()) << shown->Name();
  // The tabs are shown in the order RTTTL ... ScreenShow, and showing a tab selects its page.
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttScreenShow));
  EXPECT_EQ(FrontPanel(*w.gbSource), &Find<TControl>("pnlMIDISource"));
  EXPECT_EQ(w.stbMain->Panels().Items(1)->Text().rfind("Carolune v1.0 - ", 0), 0u);
  EXPECT_EQ(Find<TAction>("actPaste").ShortCut(), scCtrl | 'P');
  EXPECT_EQ(Find<TSkinButton>("btnMIDIStop").Hint(), "Stop");
  EXPECT_TRUE(DirectoryExists(FiltersFolder()));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(boxes.requests.empty());
}

// Each target memo fills its own page through every resize, also while
// other pages are hidden and when its page is shown after the resize.
TEST_F(MainWindowTest, EachCommandWithAnIconShowsItsOwnOnTransparency) {
  const TCustomImageList& icons = Find<TImageList>("imglsSmall");
  ASSERT_EQ(icons.Count(), 9);
  std::vector<QImage> shown;
  for (const char* name : {"actOpen", "actSave", "actCut", "actCopy", "actPaste", "actOption", "actFilterEditor",
                           "actContents", "actHomePage"}) {
    const QImage icon = icons.Image(Find<TAction>(name).ImageIndex()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(16, 16)) << name;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += qAlpha(icon.pixel(x, y)) == 255;
    EXPECT_GT(drawn, 16) << name;
    for (const QImage& other : shown) EXPECT_NE(icon, other) << name;
    shown.push_back(icon);
  }
}

TEST_F(MainWindowTest, TheTargetMemosFillTheirOwnPagesThroughResizes) {
  CaroluneOption->IsShowRTTTL = false;
  CaroluneOption->IsShowComposer = false;
  TfrmMain& w = Window();
  w.Show();
  w.SetBounds(w.Left(), w.Top(), w.Width() + 100, w.Height() + 60);
  QApplication::processEvents();
  auto fills = [](const TSkinMemo& memo, int top) {
    const TControl& page = *memo.Parent();
    return memo.BoundsRect() == Bounds(8, top, page.Width() - 16, page.Height() - top - 8);
  };
  EXPECT_TRUE(fills(*w.TargetMemo(ttKeyPress), 80));
  EXPECT_TRUE(fills(*w.TargetMemo(ttScreenShow), 80));
  EXPECT_TRUE(fills(*w.TargetMemo(ttiMelody), 8));
  Find<TAction>("actRTTTL").Execute();  // a page hidden during the resize
  ASSERT_TRUE(w.TargetSheet(ttRTTTL)->Visible());
  EXPECT_EQ(w.TargetSheet(ttRTTTL)->BoundsRect(), w.TargetSheet(ttiMelody)->BoundsRect());
  EXPECT_TRUE(fills(*w.TargetMemo(ttRTTTL), 8));
}

TEST_F(MainWindowTest, AStartUpStepThatFailsIsReportedAndTheLaterOnesStillRun) {
  // A file where the Filters folder should be: it can be neither made nor watched.
  std::filesystem::remove_all(FiltersFolder());
  WriteFile("Filters", "not a folder");
  CaroluneOption->AddRecentFile("/tunes/a.rtx");
  TfrmMain& w = Window();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].Text, "Could not allocate notification object.");
  EXPECT_TRUE(w.miRecent[4]->Visible());
  w.actSave->SetEnabled(true);
  Idle();  // the idle hook is in place: nothing open, nothing to save
  EXPECT_FALSE(w.actSave->Enabled());
}

TEST_F(MainWindowTest, TheRecentFilesShowTheNewestHighestAndTheirPathsLiterally) {
  for (const char* path : {"/tunes/one.rtx", "/tunes/Tom & Jerry.mid", "/tunes/three.imy"})
    CaroluneOption->AddRecentFile(path);
  TfrmMain& w = Window();
  EXPECT_FALSE(w.miRecent[0]->Visible());
  EXPECT_FALSE(w.miRecent[1]->Visible());
  const char* const captions[] = {"/tunes/three.imy", "/tunes/Tom && Jerry.mid", "/tunes/one.rtx"};
  for (int i = 0; i < 3; ++i) {
    const TMenuItem& item = *w.miRecent[static_cast<size_t>(i) + 2];
    EXPECT_TRUE(item.Visible()) << i;
    EXPECT_EQ(item.Caption(), captions[i]);
    EXPECT_EQ(item.Tag(), 2 - i);
    EXPECT_TRUE(item.OnAdvancedDrawItem);  // drawn by the skinned menu like the others
  }
  // A sixth file pushes the oldest out; the menu follows at once.
  for (const char* path : {"/tunes/4.rtx", "/tunes/5.rtx", "/tunes/6.rtx"}) w.AddRecentFile(path);
  EXPECT_EQ(w.miRecent[0]->Caption(), "/tunes/6.rtx");
  EXPECT_EQ(w.miRecent[4]->Caption(), "/tunes/Tom && Jerry.mid");
}

TEST_F(MainWindowTest, ClosingWithAFileOpenPutsItIntoTheRecentFiles) {
  const std::string tune = WriteFile("tune.rtx", "Tune:d=4,o=5,b=120:c,d,e\r\n");
  TfrmMain& w = Window();
  EXPECT_TRUE(w.CloseQuery());
  EXPECT_EQ(CaroluneOption->RecentFiles.Count(), 0);  // nothing open
  w.OpenFile(ttRTTTL, tune);
  EXPECT_TRUE(w.CloseQuery());
  EXPECT_EQ(TVeskaroOption::Create<TCaroluneOption>(Store())->RecentFiles.Lines(), std::vector<std::string>{tune});
  EXPECT_EQ(w.miRecent[4]->Caption(), tune);
}

TEST_F(MainWindowTest, ARecentFileOpensAndTheFileItReplacesBecomesTheNewest) {
  const std::string first = WriteFile("first.rtx", "First:d=4,o=5,b=120:c,d,e\r\n");
  const std::string second = WriteFile("second.rtx", "Second:d=4,o=5,b=120:g,a,b\r\n");
  CaroluneOption->AddRecentFile(second);
  CaroluneOption->AddRecentFile(WriteFile("notes.txt", "hello"));
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, first);
  w.miRecent[4]->Click();  // the oldest: second.rtx
  EXPECT_EQ(w.SourceFile(), second);
  EXPECT_EQ(CaroluneOption->RecentFiles.Lines(), (std::vector<std::string>{second, Folder() + "notes.txt", first}));
  EXPECT_EQ(w.miRecent[2]->Caption(), first);
  EXPECT_EQ(w.miRecent[3]->Caption(), Folder() + "notes.txt");
  // A recent file of no known type: the skinned message, and the source stays.
  w.miRecent[3]->Click();
  ASSERT_EQ(boxes.requests.size(), 1u);
  EXPECT_EQ(boxes.requests[0].Caption, "error");
  EXPECT_EQ(boxes.requests[0].Text, "Unknown ringtone format.");
  EXPECT_EQ(boxes.requests[0].Icon, MB_ICONWARNING);
  EXPECT_EQ(w.SourceFile(), second);
}

TEST_F(MainWindowTest, CommandsFollowTheOpenFileTheTabsTheActiveMemoAndTheClipboard) {
  TfrmMain& w = Window();
  QGuiApplication::clipboard()->clear();
  Idle();
  EXPECT_FALSE(w.Preview().btnMIDIPlay->Enabled());
  EXPECT_FALSE(w.Preview().btnMIDIStop->Enabled());
  EXPECT_FALSE(w.actSave->Enabled());  // nothing open: no file type to offer
  EXPECT_FALSE(w.actSaveAs->Enabled());
  EXPECT_TRUE(Find<TMenuItem>("actScreenShow1").Checked());
  EXPECT_FALSE(Find<TMenuItem>("RTTTL1").Checked());

  // An editable target memo with a selection.
  w.pgcTarget->SetActivePage(w.TargetSheet(ttRTTTL));
  w.TargetMemo(ttRTTTL)->SetText("first line");
  Focus(w, *w.TargetMemo(ttRTTTL));
  Idle();
  EXPECT_TRUE(Find<TMenuItem>("RTTTL1").Checked());
  EXPECT_FALSE(Find<TMenuItem>("actScreenShow1").Checked());
  EXPECT_FALSE(w.actCopy->Enabled());
  EXPECT_FALSE(w.actPaste->Enabled());  // an empty clipboard
  EXPECT_TRUE(w.actSelectAll->Enabled());
  w.actSelectAll->Execute();
  Idle();
  EXPECT_TRUE(w.actCopy->Enabled());
  EXPECT_TRUE(w.actCut->Enabled());
  w.actCopy->Execute();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "first line");
  Idle();
  EXPECT_TRUE(w.actPaste->Enabled());

  // A read-only memo: copying yes, cutting no.
  auto& source = Find<TSkinMemo>("mmRTTTLSource");
  source.SetText("source");
  source.SetReadOnly(true);
  Focus(w, source);
  source.SelectAll();
  Idle();
  EXPECT_TRUE(w.actCopy->Enabled());
  EXPECT_FALSE(w.actCut->Enabled());

  // Anything but a memo: no Edit command.
  w.pgcTarget->SetActivePage(w.TargetSheet(ttScreenShow));
  Focus(w, *w.PhonePages().cmbMMSMobile);
  ASSERT_EQ(w.ActiveControl(), w.PhonePages().cmbMMSMobile);
  Idle();
  for (TAction* action : {w.actCut, w.actCopy, w.actPaste, w.actSelectAll}) EXPECT_FALSE(action->Enabled());

  w.Hide();
}

TEST_F(MainWindowTest, SaveIsOfferedForASourceWithTargetsWhileATabShows) {
  TfrmMain& w = Window();
  const struct {
    TTuneType type;
    const char* name;
    const char* bytes;
    bool canSave;
  } sources[] = {
      {ttRTTTL, "tune.rtx", "Tune:d=4,o=5,b=120:c,d,e\r\n", true},
      // A target file is only shown: it converts to nothing.
      {ttKeyPress, "keys.tkp", "Brand=Nokia\r\nModel=3310\r\n[Content]\r\n1 2 3\r\n", false},
  };
  for (const auto& source : sources) {
    w.OpenFile(source.type, WriteFile(source.name, source.bytes));
    Idle();
    EXPECT_EQ(w.actSave->Enabled(), source.canSave) << source.name;
    EXPECT_EQ(w.actSaveAs->Enabled(), source.canSave) << source.name;
  }
  // With every tab hidden there is nothing to save either.
  w.OpenFile(ttRTTTL, WriteFile("tune.rtx", "Tune:d=4,o=5,b=120:c,d,e\r\n"));
  for (int i = 0; i < w.pgcTarget->PageCount(); ++i) w.pgcTarget->Pages(i)->SetTabVisible(false);
  Idle();
  EXPECT_FALSE(w.actSave->Enabled());
  EXPECT_FALSE(w.actSaveAs->Enabled());
}

TEST_F(MainWindowTest, PasteAndCutWorkOnTheActiveMemo) {
  TfrmMain& w = Window();
  QGuiApplication::clipboard()->setText("pasted");
  w.TargetMemo(ttiMelody)->SetText("abc");
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  Focus(w, *w.TargetMemo(ttiMelody));
  Find<TAction>("actPaste").Execute();
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text().find("pasted") != std::string::npos, true);
  w.actSelectAll->Execute();
  Idle();
  EXPECT_TRUE(w.actCut->Execute());
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text(), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString().find("pasted") != std::string::npos, true);
  w.Hide();
}

TEST_F(MainWindowTest, HelpAndTheWebPagesGoToTheShellAndExitCloses) {
  TfrmMain& w = Window();
  Find<TAction>("actContents").Execute();
  Find<TAction>("actQNews").Execute();
  Find<TAction>("actHomePage").Execute();
  ASSERT_EQ(shell.targets.size(), 3u);
  EXPECT_EQ(shell.targets[0], Folder() + "carolune.chm");
  EXPECT_EQ(shell.targets[1], Find<TAction>("actQNews").Hint());
  EXPECT_EQ(shell.targets[2], "https://veskaro.example.com/");
  w.Show();
  Find<TAction>("actExit").Execute();
  EXPECT_FALSE(w.Visible());
}

TEST_F(MainWindowTest, TheIdleHookCallsThePreviousHandlerFirstAndIsPutBackWhenTheWindowGoes) {
  std::vector<std::string> calls;
  Application().OnIdle = [&calls](TComponent*, bool&) { calls.push_back("previous"); };
  TfrmMain& w = Window();
  w.actSave->SetEnabled(true);
  Idle();
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_FALSE(w.actSave->Enabled());
  CloseWindow();
  Idle();
  EXPECT_EQ(calls.size(), 2u);  // the previous handler alone again
  Application().OnIdle = nullptr;
}

TEST_F(MainWindowTest, TheFilterEditorRunsModallyOnANewFilterAndTheListsFollowWhatItSaved) {
  TfrmMain& w = Window();
  std::string caption;
  QTimer::singleShot(0, [&] {
    for (int i = 0; i < ScreenFormCount(); ++i)
      if (auto* editor = dynamic_cast<TfrmDravik*>(ScreenForms(i))) {
        caption = editor->Caption();
        AddFilter("saved.kps", 1, "Sendo", "S200");  // as if the editor had saved it
        editor->Close();
      }
  });
  Find<TAction>("actFilterEditor").Execute();
  EXPECT_EQ(caption, "Carolune Dravik - untitled");
  for (int i = 0; i < ScreenFormCount(); ++i) EXPECT_EQ(dynamic_cast<TfrmDravik*>(ScreenForms(i)), nullptr);
  EXPECT_EQ(w.PhonePages().cmbKpsMobile->Items().Lines(), std::vector<std::string>{"Sendo"});
}

TEST_F(MainWindowTest, ARecentFileThatIsGoneEndsInTheErrorBoxAndTheSourceStays) {
  const std::string tune = WriteFile("tune.rtx", "Tune:d=4,o=5,b=120:c\r\n");
  CaroluneOption->AddRecentFile(Folder() + "gone.rtx");
  Application().SetTitle("Carolune");
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, tune);
  w.miRecent[4]->QtAction()->trigger();
  QApplication::processEvents();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].Caption, "Carolune");
  EXPECT_EQ(boxes.boxes[0].Text.rfind("Cannot open file \"" + Folder() + "gone.rtx\".", 0), 0u);
  EXPECT_EQ(boxes.boxes[0].Text.back(), '.');
  EXPECT_EQ(w.SourceFile(), tune);
}
