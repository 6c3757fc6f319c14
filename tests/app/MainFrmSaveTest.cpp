// Opening through the open dialog, and saving the target pages through
// the save dialog, as texts and as KeyPress and ScreenShow target files
// that open again as sources.
#include <QPlainTextEdit>

#include "app/uRingLib.h"
#include "conversion/uRingLib.h"
#include "runtime/Streams.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/MidiTunes.h"
#include "windowing/Action.h"
#include "windowing/Dialogs.h"

namespace {

const char* const kRtttl = "Tune:d=4,o=5,b=120:c,d,e,8f,g\r\n";

std::string Content(const std::string& path) { return FileExists(path) ? ReadFileBytes(path) : "<none>"; }

}  // namespace

class MainWindowSaveTest : public MainWindowTest {
 protected:
  TfrmMain& OpenRtttl() {
    TfrmMain& w = Window();
    w.OpenFile(ttRTTTL, WriteFile("tune.rtx", kRtttl));
    return w;
  }
  TDialogAnswers answers;
};

TEST_F(MainWindowSaveTest, TheDialogOffersTheSourcesTargetsAndPreselectsTheActivePage) {
  TfrmMain& w = OpenRtttl();
  w.pgcTarget->SetActivePage(w.TargetSheet(tteMelody));
  EXPECT_FALSE(w.TargetFiles().Save(w.PageType()));  // cancelled
  EXPECT_EQ(answers.filters, QtNameFilters("iMelody files (*.imy)|*.imy|eMelody files (*.emy)|*.emy|Composer format "
                                           "files (*.kpz)|*.kpz|KeyPress format files (*.tkp)|*.tkp|ScreenShow "
                                           "format files (*.tss)|*.tss"));
  EXPECT_TRUE(answers.filters[1].startsWith(answers.selectedFilter)) << answers.selectedFilter.toStdString();
  EXPECT_EQ(w.TargetFiles().sdSaveRingtone->FilterIndex(), 2);
  EXPECT_EQ(answers.directory + "/", Folder());
  w.TargetFiles().SaveAs();
  EXPECT_EQ(w.TargetFiles().sdSaveRingtone->FilterIndex(), 1);
  EXPECT_TRUE(answers.filters[0].startsWith(answers.selectedFilter)) << answers.selectedFilter.toStdString();
  // The window's Save command offers its active page.
  ASSERT_TRUE(w.actSave->Execute());
  EXPECT_EQ(w.TargetFiles().sdSaveRingtone->FilterIndex(), 2);
}

TEST_F(MainWindowSaveTest, TheChosenEntryNamesTheTypeOfANameWithoutATargetExtension) {
  TfrmMain& w = OpenRtttl();
  answers.entry = 1;  // iMelody
  answers.file = Folder() + "x";
  EXPECT_TRUE(w.TargetFiles().SaveAs());
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttiMelody));
  EXPECT_EQ(Content(Folder() + "x.imy"), w.TargetMemo(ttiMelody)->Lines().Text());
  EXPECT_EQ(Content(Folder() + "x.imy").rfind("BEGIN:IMELODY\r\n", 0), 0u);
  // The source's own type is no target: the entry's extension is added.
  answers.file = Folder() + "y.rtx";
  EXPECT_TRUE(w.TargetFiles().SaveAs());
  EXPECT_EQ(Content(Folder() + "y.rtx"), "<none>");
  EXPECT_EQ(Content(Folder() + "y.rtx.imy"), w.TargetMemo(ttiMelody)->Lines().Text());
  // A target extension decides the page, whatever the entry.
  answers.file = Folder() + "z.emy";
  EXPECT_TRUE(w.TargetFiles().SaveAs());
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(tteMelody));
  EXPECT_FALSE(w.TargetMemo(tteMelody)->Text().empty());
  EXPECT_EQ(Content(Folder() + "z.emy"), w.TargetMemo(tteMelody)->Lines().Text());
  // The page in front is written as it stands, converted or edited.
  w.TargetMemo(tteMelody)->SetText("edited");
  EXPECT_TRUE(w.TargetFiles().WriteTargetFile(Folder() + "z.emy"));
  EXPECT_EQ(Content(Folder() + "z.emy"), "edited\r\n");
}

// A name that exists once its extension is added is replaced only when the
// user says Yes; No writes nothing. A new name asks nothing.
TEST_F(MainWindowSaveTest, ReplacingAFileAsksFirstAndNoWritesNothing) {
  TfrmMain& w = OpenRtttl();
  const std::string existing = WriteFile("x.imy", "keep me");
  answers.entry = 1;  // iMelody
  answers.file = Folder() + "x";
  {
    TMessageAnswers no({IDNO});
    EXPECT_FALSE(w.TargetFiles().SaveAs());
    ASSERT_EQ(no.requests.size(), 1u);
    const TMessageDialogRequest& question = no.requests[0];
    EXPECT_EQ(question.Caption, "Save Ringtone");
    EXPECT_EQ(question.Text, "\"x.imy\" already exists. Do you want to replace it?");
    ASSERT_EQ(question.Buttons.size(), 2u);
    EXPECT_EQ(question.Buttons[0].Caption, "Yes");
    EXPECT_EQ(question.Buttons[0].Result, IDYES);
    EXPECT_EQ(question.Buttons[1].Caption, "No");
    EXPECT_EQ(question.Buttons[1].Result, IDNO);
    EXPECT_EQ(Content(existing), "keep me");
  }
  TMessageAnswers yes({IDYES});
  EXPECT_TRUE(w.TargetFiles().SaveAs());
  EXPECT_EQ(yes.requests.size(), 1u);
  EXPECT_EQ(Content(existing), w.TargetMemo(ttiMelody)->Lines().Text());
  answers.file = Folder() + "new";
  EXPECT_TRUE(w.TargetFiles().SaveAs());
  EXPECT_EQ(yes.requests.size(), 1u);
  EXPECT_EQ(Content(Folder() + "new.imy"), w.TargetMemo(ttiMelody)->Lines().Text());
}

TEST_F(MainWindowSaveTest, AKeyPressFileConvertsItsPageFirstAndOpensAgainWithItsPhone) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  TfrmMain& w = OpenRtttl();
  w.PhonePages().cmbKpsMobile->SetItemIndex(0);
  w.cmbKpsMobileChange(w.PhonePages().cmbKpsMobile);
  w.TargetMemo(ttKeyPress)->Clear();
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  answers.file = Folder() + "out";
  answers.entry = 4;  // KeyPress
  ASSERT_TRUE(w.TargetFiles().SaveAs());
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttKeyPress));
  const std::string text = w.TargetMemo(ttKeyPress)->Lines().Text();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(Content(Folder() + "out.tkp"), "Brand=Nokia\r\nModel=3310\r\n[Content]\r\n" + text);
  w.OpenFile(ttKeyPress, Folder() + "out.tkp");
  EXPECT_EQ(Find<TSkinEdit>("lblBrandKSource").Text(), "Nokia");
  EXPECT_EQ(Find<TSkinEdit>("lblModelKSource").Text(), "3310");
  EXPECT_EQ(Find<TSkinMemo>("mmKeyPressSource").Text(), text);
}

TEST_F(MainWindowSaveTest, APageTheOptionsHideShowsItsTabWhenSavedTo) {
  CaroluneOption->IsShowComposer = false;
  TfrmMain& w = OpenRtttl();
  ASSERT_FALSE(w.TargetSheet(ttComposer)->TabVisible());
  EXPECT_TRUE(w.TargetFiles().WriteTargetFile(Folder() + "c.kpz"));
  EXPECT_TRUE(w.TargetSheet(ttComposer)->TabVisible());
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttComposer));
  EXPECT_FALSE(w.TargetMemo(ttComposer)->Text().empty());
  EXPECT_EQ(Content(Folder() + "c.kpz"), w.TargetMemo(ttComposer)->Lines().Text());
}

TEST_F(MainWindowSaveTest, NothingIsWrittenWithoutATargetAndAFileThatCannotBeMadeRaises) {
  TfrmMain& w = Window();
  answers.file = Folder() + "none.imy";
  EXPECT_FALSE(w.TargetFiles().Save(w.PageType()));  // nothing open: no entry at all
  EXPECT_FALSE(FileExists(Folder() + "none.imy"));
  OpenRtttl();
  EXPECT_FALSE(w.TargetFiles().WriteTargetFile(Folder() + "a.rtx"));
  EXPECT_FALSE(w.TargetFiles().WriteTargetFile(Folder() + "a.mid"));
  EXPECT_FALSE(FileExists(Folder() + "a.rtx"));
  EXPECT_THROW(w.TargetFiles().WriteTargetFile(Folder() + "missing/a.imy"), EFCreateError);
}

TEST_F(MainWindowSaveTest, TheOpenDialogStartsBesideTheSourceAndOpensTheChosenFile) {
  TfrmMain& w = OpenRtttl();
  QDir().mkpath(QString::fromStdString(Folder() + "more"));
  const std::string midi = WriteFile("more/b.mid", SixtyFiveSecondFile());
  answers.file = midi;
  Find<TAction>("actOpen").Execute();
  QApplication::processEvents();
  EXPECT_EQ(answers.directory + "/", Folder());
  EXPECT_EQ(answers.filters.size(), 9);
  EXPECT_EQ(w.SourceFile(), midi);
  EXPECT_EQ(CaroluneOption->RecentFiles.Lines(), std::vector<std::string>{Folder() + "tune.rtx"});
  // An unknown type: the message, and the source stays.
  answers.file = WriteFile("more/notes.txt", "text");
  w.btnMIDIOpenClick(nullptr);
  ASSERT_EQ(boxes.requests.size(), 1u);
  EXPECT_EQ(boxes.requests[0].Text, "Unknown ringtone format.");
  EXPECT_EQ(w.SourceFile(), midi);
  EXPECT_EQ(answers.directory + "/", Folder() + "more/");
}

// A long tune's page is one line of many thousand characters: shown in
// pieces, yet the page holds, and saves, exactly what the library gave.
TEST_F(MainWindowSaveTest, ALongTunesPageHoldsAndSavesItsWholeText) {
  TfrmMain& w = Window();
  w.OpenFile(ttMIDI, WriteFile("long.mid", GeneratedMidi(20000)));
  std::string rtttl;
  ASSERT_EQ(Carolune::RingToRing(w.SourceLines().Text(), "R04", "R00", rtttl), Pelmora::rrSuccess);
  ASSERT_GT(rtttl.size(), 50000u);
  w.pgcTarget->SetActivePage(w.TargetSheet(ttRTTTL));
  EXPECT_GT(w.TargetMemo(ttRTTTL)->Editor().blockCount(), 100);
  EXPECT_EQ(w.TargetMemo(ttRTTTL)->Text(), rtttl);
  EXPECT_TRUE(w.TargetFiles().WriteTargetFile(Folder() + "long.rtx"));
  EXPECT_EQ(Content(Folder() + "long.rtx"), rtttl + "\r\n");
}
