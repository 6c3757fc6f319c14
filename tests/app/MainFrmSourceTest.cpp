// Opening sources, the pages a source allows, and the lazy conversion of
// the target pages through the real conversion library.
#include <filesystem>

#include "app/uRingLib.h"
#include "conversion/uRingLib.h"
#include "skin/SkinEdit.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinStatusBar.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/MidiTunes.h"
#include "windowing/Action.h"
#include "windowing/Label.h"

namespace {

const char* const kRtttl = "Tune:d=4,o=5,b=120:c,d,e,8f,g\r\n";

// The tune in another notation, made by the library.
std::string Converted(const std::string& format) {
  std::string output;
  EXPECT_EQ(Carolune::RingToRing(kRtttl, "R00", format, output), Pelmora::rrSuccess);
  return output;
}

struct TPageNames {
  const char* Sheet;
  const char* Action;
  TTuneType Type;
};
const TPageNames kPages[] = {
    {"tsRTTTL", "actRTTTL", ttRTTTL},          {"tsiMelody", "actiMelody", ttiMelody},
    {"tseMelody", "acteMelody", tteMelody},    {"tsComposer", "actComposer", ttComposer},
    {"tsKeypress", "actKeyPress", ttKeyPress}, {"tsScreenShow", "actScreenShow", ttScreenShow}};

TControl* FrontPanel(TControl& group) {
  TControl* front = nullptr;
  for (int i = 0; i < group.ControlCount(); ++i)
    if (dynamic_cast<TSkinImagePanel*>(group.Controls(i))) front = group.Controls(i);
  return front;
}

}  // namespace

TEST_F(MainWindowTest, EachSourceShowsItsPanelCaptionAndPathAndTheTargetsItAllows) {
  struct TCase {
    TTuneType type;
    const char* file;
    std::string bytes;
    const char* panel;
    const char* caption;
    uint8_t mask;
  };
  const TCase cases[] = {
      {ttRTTTL, "a.rtx", kRtttl, "pnlRTTTLSource", "Source Format - RTTTL", 0x76},
      {ttiMelody, "a.imy", Converted("R03"), "pnliMelodySource", "Source Format - iMelody", 0x75},
      {tteMelody, "a.emy", Converted("R02"), "pnleMelodySource", "Source Format - eMelody", 0x73},
      {ttMIDI, "a.mid", SixtyFiveSecondFile(), "pnlMIDISource", "Source Format - MIDI", 0x77},
      {ttComposer, "a.kpz", Converted("R01"), "pnlComposerSource", "Source Format - Composer", 0x67},
      {ttKeyPress, "a.tkp", "Brand=B\r\nModel=M\r\n[Content]\r\n1 2\r\n", "pnlKeyPressSource",
       "Source Format - KeyPress", 0},
      {ttScreenShow, "a.tss", "Brand=B\r\nModel=M\r\n[Content]\r\nC D\r\n", "pnlScreenShowSource",
       "Source Format - ScreenShow", 0},
  };
  CaroluneOption->IsShowComposer = false;  // the options hide a tab that a source allows
  TfrmMain& w = Window();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = WriteFile(c.file, c.bytes);
    w.OpenFile(c.type, path);
    EXPECT_EQ(w.SourceType(), c.type);
    EXPECT_EQ(w.SourceFile(), path);
    EXPECT_EQ(w.TargetMask(), c.mask);
    EXPECT_EQ(FrontPanel(*w.gbSource), &Find<TControl>(c.panel));
    EXPECT_EQ(w.gbSource->Caption(), c.caption);
    EXPECT_EQ(w.stbMain->Panels().Items(0)->Text(), " " + path);
    for (const auto& [sheet, action, page] : kPages) {
      const bool allowed = (c.mask & TargetBit(page)) != 0;
      EXPECT_EQ(Find<TSkinTabSheet>(sheet).TabVisible(), allowed && page != ttComposer) << sheet;
      EXPECT_EQ(Find<TSkinTabSheet>(sheet).Visible(), allowed && page != ttComposer) << sheet;
      EXPECT_EQ(Find<TAction>(action).Enabled(), allowed) << action;  // the options do not count here
    }
  }
}

TEST_F(MainWindowTest, AMidiSourceIsTheFilesBytesAndATextSourceItsLines) {
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", "Tune:d=4,o=5,b=120:c\nsecond line\r\n"));
  EXPECT_EQ(w.SourceLines().Lines(), (std::vector<std::string>{"Tune:d=4,o=5,b=120:c", "second line"}));
  EXPECT_EQ(Find<TSkinMemo>("mmRTTTLSource").Text(), "Tune:d=4,o=5,b=120:c\r\nsecond line\r\n");
  const std::string midi = SixtyFiveSecondFile() + std::string("\0\r\n\x80", 4);
  const std::string path = WriteFile("a.mid", midi);
  w.OpenFile(ttMIDI, path);
  EXPECT_EQ(w.SourceLines().Lines(), std::vector<std::string>{midi});
  EXPECT_EQ(Find<TLabel>("lblMIDIFileName").Caption(), path);
}

TEST_F(MainWindowTest, ATargetFileSourceShowsItsPhoneAndTheTextAfterItsHeader) {
  TfrmMain& w = Window();
  w.OpenFile(ttScreenShow, WriteFile("a.tss", "Brand=Nokia\r\nModel=3310\r\n[Content]\r\nC4 D4\r\nE4\r\n"));
  EXPECT_EQ(Find<TSkinEdit>("lblBrandSSource").Text(), "Nokia");
  EXPECT_EQ(Find<TSkinEdit>("lblModelSSource").Text(), "3310");
  EXPECT_EQ(Find<TSkinMemo>("mmScreenShowSource").Text(), "C4 D4\r\nE4\r\n");
  EXPECT_EQ(w.TargetMemo(ttScreenShow)->Text(), "");  // nothing is converted from it
  // Without the header the names stay empty, and the first three lines go whatever they are.
  w.OpenFile(ttKeyPress, WriteFile("b.tkp", "one\r\ntwo\r\nmodel=x\r\nfour\r\n"));
  EXPECT_EQ(Find<TSkinEdit>("lblBrandKSource").Text(), "");
  EXPECT_EQ(Find<TSkinEdit>("lblModelKSource").Text(), "x");
  EXPECT_EQ(Find<TSkinMemo>("mmKeyPressSource").Text(), "four\r\n");
  w.OpenFile(ttKeyPress, WriteFile("c.tkp", "Brand=only\r\n"));
  EXPECT_EQ(Find<TSkinEdit>("lblBrandKSource").Text(), "only");
  EXPECT_EQ(Find<TSkinMemo>("mmKeyPressSource").Text(), "");
}

TEST_F(MainWindowTest, APageIsConvertedWhenFirstShownAndKeepsItsTextUntilTheNextOpen) {
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", kRtttl));
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttScreenShow));  // no phone chosen: nothing to show
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text(), "");
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text().rfind("BEGIN:IMELODY", 0), 0u);
  EXPECT_EQ(w.TargetMemo(tteMelody)->Text(), "");  // only the page shown
  w.TargetMemo(ttiMelody)->SetText("marker");
  w.pgcTarget->SetActivePage(w.TargetSheet(tteMelody));
  EXPECT_FALSE(w.TargetMemo(tteMelody)->Text().empty());
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text(), "marker");  // not converted again
  // An emptied page converts on its next showing, not on a command for the page in front.
  w.TargetMemo(ttiMelody)->Clear();
  Find<TAction>("actiMelody").Execute();
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text(), "");
  w.pgcTarget->SetActivePage(w.TargetSheet(tteMelody));
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text().rfind("BEGIN:IMELODY", 0), 0u);
  // The next open empties every page; showing the tabs again brings the
  // last of them, ScreenShow, to the front.
  w.OpenFile(ttMIDI, WriteFile("b.mid", SixtyFiveSecondFile()));
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttScreenShow));
  EXPECT_EQ(w.TargetMemo(tteMelody)->Text(), "");
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text(), "");
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text().rfind("BEGIN:IMELODY", 0), 0u);
  // The page is the new file's, not the one before.
  std::string fromMidi;
  ASSERT_EQ(Carolune::RingToRing(w.SourceLines().Text(), "R04", "R03", fromMidi), Pelmora::rrSuccess);
  TStringList expected;
  expected.SetText(fromMidi);
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Lines().Lines(), expected.Lines());
}

TEST_F(MainWindowTest, AConvertCommandShowsAHiddenTabAndConvertsItsPage) {
  CaroluneOption->IsShowRTTTL = false;
  TfrmMain& w = Window();
  const std::string melody = Converted("R03");
  w.OpenFile(ttiMelody, WriteFile("a.imy", melody));
  EXPECT_FALSE(w.TargetSheet(ttRTTTL)->TabVisible());
  Find<TAction>("actRTTTL").Execute();
  EXPECT_TRUE(w.TargetSheet(ttRTTTL)->TabVisible());
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttRTTTL));
  std::string rtttl;
  TStringList lines;
  lines.SetText(melody);
  ASSERT_EQ(Carolune::RingToRing(lines.Text(), "R03", "R00", rtttl), Pelmora::rrSuccess);
  EXPECT_FALSE(rtttl.empty());
  TStringList shown;
  shown.SetText(rtttl);
  EXPECT_EQ(w.TargetMemo(ttRTTTL)->Lines().Lines(), shown.Lines());
}

TEST_F(MainWindowTest, AFileThatCannotBeReadLeavesTheCurrentSourceAsItWas) {
  TfrmMain& w = Window();
  const std::string tune = WriteFile("a.rtx", kRtttl);
  w.OpenFile(ttRTTTL, tune);
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  const std::string converted = w.TargetMemo(ttiMelody)->Text();
  EXPECT_THROW(w.OpenFile(tteMelody, Folder() + "missing.emy"), EFOpenError);
  // A file far beyond any tune is refused before it is read: 200 MB of
  // RTTTL took minutes and gigabytes to convert.
  const std::string huge = WriteFile("huge.rtx", kRtttl);
  std::filesystem::resize_file(huge, 200u << 20);
  try {
    w.OpenFile(ttRTTTL, huge);
    ADD_FAILURE();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + huge + "\". File too large");
  }
  // A MIDI file the player cannot read.
  EXPECT_THROW(w.OpenFile(ttMIDI, WriteFile("bad.mid", "MThd garbage")), EMCIDeviceError);
  EXPECT_EQ(w.SourceType(), ttRTTTL);
  EXPECT_EQ(w.SourceFile(), tune);
  EXPECT_EQ(w.SourceLines().Text(), std::string(kRtttl));
  EXPECT_EQ(w.TargetMask(), 0x76);
  EXPECT_EQ(w.TargetMemo(ttiMelody)->Text(), converted);
  EXPECT_EQ(w.gbSource->Caption(), "Source Format - RTTTL");
  EXPECT_EQ(w.stbMain->Panels().Items(0)->Text(), " " + tune);
  EXPECT_FALSE(w.TargetSheet(ttRTTTL)->TabVisible());
  // A page shown after the failures converts the source that stayed.
  w.TargetMemo(tteMelody)->Clear();
  w.pgcTarget->SetActivePage(w.TargetSheet(tteMelody));
  TStringList expected;
  expected.SetText(Converted("R02"));
  EXPECT_EQ(w.TargetMemo(tteMelody)->Lines().Lines(), expected.Lines());
}

TEST_F(MainWindowTest, HostileSourcesOpenAsFarAsTheyGoOrAreRefusedWithoutHarm) {
  TfrmMain& w = Window();
  static const char kBinary[] = "\xFF\xFE\x00\x01:d=,o=99999999999,b=-1:\x80\x81\r\r\n\x00zz";
  const std::string binary(kBinary, sizeof kBinary - 1);
  const std::string lines(200000, '\n');
  const std::pair<TTuneType, std::string> files[] = {
      {ttRTTTL, binary},
      {ttiMelody, "BEGIN:IMELODY\r\nMELODY:" + std::string(100000, '(') + "\r\n"},
      {tteMelody, lines},
      {ttComposer, std::string(600000, '8')},
      {ttKeyPress, "Brand=" + std::string(70000, 'x') + "\r\n"},
      {ttScreenShow, binary}};
  int n = 0;
  for (const auto& [type, bytes] : files) {
    SCOPED_TRACE(n);
    w.OpenFile(type, WriteFile("hostile" + IntToStr(n++) + (type == ttKeyPress ? ".tkp" : ".txt"), bytes));
    for (int i = 0; i < w.pgcTarget->PageCount(); ++i) w.pgcTarget->SetActivePage(w.pgcTarget->Pages(i));
    EXPECT_EQ(w.SourceType(), type);
  }
  std::string current = WriteFile("good.mid", SixtyFiveSecondFile());
  w.OpenFile(ttMIDI, current);
  for (const std::string& midi :
       {SixtyFiveSecondFile().substr(0, 30), std::string("MThd\0\0\0\x06\0\x01\xFF\xFF\0\x60", 14),
        Header(1, 1, 96) + Chunk("MTrk", std::string("\x00\xFF\x51\xFF", 4))}) {
    const std::string path = WriteFile("hostile" + IntToStr(n++) + ".mid", midi);
    try {
      w.OpenFile(ttMIDI, path);
      current = path;
    } catch (const Exception&) {
      EXPECT_EQ(w.SourceFile(), current);  // refused: the source stays
    }
    for (int i = 0; i < w.pgcTarget->PageCount(); ++i) w.pgcTarget->SetActivePage(w.pgcTarget->Pages(i));
  }
}
