// The MIDI preview of the main window on a silent player: length and
// elapsed time, play, pause, stop, seeking by the bar, closing on a page
// change, and the volume bar.
#include "app/Volumes.h"
#include "skin/SkinButton.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinTrackBar.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/MidiTunes.h"
#include "windowing/Timer.h"

class MainWindowPreviewTest : public MainWindowTest {
 protected:
  TfrmMain& OpenTune() {
    TfrmMain& w = Window();
    w.OpenFile(ttMIDI, WriteFile("tune.mid", SixtyFiveSecondFile()));
    return w;
  }
  // Lets time pass in the player and a tick of the position timer run.
  static void Advance(TMidiPreview& p, int32_t milliseconds) {
    p.Player().RenderSilently(milliseconds);
    p.tmMIDIPlayer->OnTimer(p.tmMIDIPlayer);
  }
  static bool PlayShown(const TMidiPreview& p) { return p.btnMIDIPlay->Visible() && !p.btnMidiPause->Visible(); }
};

TEST_F(MainWindowPreviewTest, OpeningShowsTheLengthAndPlayingTheElapsedTime) {
  TfrmMain& w = OpenTune();
  TMidiPreview& p = w.Preview();
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:00");
  EXPECT_EQ(p.tbPlayMIDI->Max(), 65000);
  EXPECT_EQ(p.tbPlayMIDI->Position(), 0);
  EXPECT_TRUE(PlayShown(p));
  EXPECT_FALSE(p.tmMIDIPlayer->Enabled());
  p.btnMIDIPlay->Click();
  EXPECT_EQ(p.Player().Mode(), mpPlaying);
  EXPECT_FALSE(PlayShown(p));
  EXPECT_TRUE(p.tmMIDIPlayer->Enabled());
  Advance(p, 12000);
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:12");
  EXPECT_EQ(p.tbPlayMIDI->Position(), 12000);
  Idle();
  EXPECT_TRUE(p.btnMIDIStop->Enabled());
  // Pause holds the time; Play goes on from there.
  p.btnMidiPause->Click();
  EXPECT_EQ(p.Player().Mode(), mpPaused);
  EXPECT_TRUE(PlayShown(p));
  Advance(p, 5000);
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:12");
  p.btnMIDIPlay->Click();
  Advance(p, 1000);
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:13");
  // Stop rewinds the bar and leaves the caption.
  p.btnMIDIStop->Click();
  EXPECT_EQ(p.tbPlayMIDI->Position(), 0);
  EXPECT_EQ(p.Player().Position(), 0);
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:13");
  EXPECT_TRUE(PlayShown(p));
  EXPECT_TRUE(p.tmMIDIPlayer->Enabled());  // from the first Play on
}

TEST_F(MainWindowPreviewTest, ReleasingTheBarSeeksWhilePlayingOrPaused) {
  TfrmMain& w = OpenTune();
  TMidiPreview& p = w.Preview();
  p.btnMIDIPlay->Click();
  p.tbPlayMIDI->SetPosition(30000);
  p.tbPlayMIDI->OnMouseUp(p.tbPlayMIDI, TMouseButton::mbLeft, 0, 0, 0);
  EXPECT_EQ(p.Player().Mode(), mpPlaying);
  Advance(p, 2000);
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:32");
  p.btnMidiPause->Click();
  p.tbPlayMIDI->SetPosition(50000);
  p.tbPlayMIDI->OnMouseUp(p.tbPlayMIDI, TMouseButton::mbLeft, 0, 0, 0);
  EXPECT_EQ(p.Player().Position(), 50000);
  EXPECT_NE(p.Player().Mode(), mpPlaying);
}

TEST_F(MainWindowPreviewTest, AnotherPageClosesThePlayerAndTheNextPlayStartsFromTheBeginning) {
  TfrmMain& w = OpenTune();
  TMidiPreview& p = w.Preview();
  p.btnMIDIPlay->Click();
  Advance(p, 20000);
  w.pgcTarget->SetActivePage(w.TargetSheet(ttRTTTL));
  EXPECT_EQ(p.Player().Mode(), mpNotReady);
  EXPECT_TRUE(PlayShown(p));  // Pause would find no player
  p.btnMIDIPlay->Click();
  EXPECT_EQ(p.Player().Mode(), mpPlaying);
  Advance(p, 1000);
  EXPECT_EQ(p.gbPlayMIDI->Caption(), "01:05 - 00:01");
}

TEST_F(MainWindowPreviewTest, TheVolumeBarSetsTheSynthesizersLevelWithItsLoudestEndAtTheTop) {
  TfrmMain& w = OpenTune();
  TMidiPreview& p = w.Preview();
  const TVolumeControl& volume = p.VolumeControl();
  EXPECT_EQ(volume.MidiTrackBar(), p.tbVoiceLevel);
  EXPECT_EQ(p.tbVoiceLevel->Min(), 0);
  EXPECT_EQ(p.tbVoiceLevel->Max(), 255);
  p.tbVoiceLevel->SetPosition(55);
  uint32_t level = 0;
  ASSERT_TRUE(devices.GetVolume(TVolumeDeviceKind::MidiOut, 0, level));
  EXPECT_EQ(LevelOfVolume(level), 200);
  p.tbVoiceLevel->SetPosition(0);
  ASSERT_TRUE(devices.GetVolume(TVolumeDeviceKind::MidiOut, 0, level));
  EXPECT_EQ(LevelOfVolume(level), 255);
}

// Play that cannot sound says so in the error box, naming the file and why
// in plain words; the window stays ready to play.
TEST_F(MainWindowPreviewTest, PlayWithoutItsSoundFontNamesTheFileAndWhy) {
  Application().SetTitle("Carolune");
  TfrmMainSetup setup;
  setup.ProgramFolder = Folder();
  setup.Player = {TMediaPlayerOutput::SilentRender, Folder() + "none.sf2"};
  setup.AudioDevices = &devices;
  TfrmMain w(nullptr, setup);
  TMidiPreview& p = w.Preview();
  const std::string tune = WriteFile("tune.mid", SixtyFiveSecondFile());
  w.OpenFile(ttMIDI, tune);
  w.Show();
  ClickButton(*p.btnMIDIPlay);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].Caption, "Carolune");
  EXPECT_EQ(boxes.boxes[0].Text,
            "Cannot play \"" + tune + "\": the sound font cannot be loaded from " + Folder() + "none.sf2.");
  EXPECT_TRUE(PlayShown(p));
  w.Hide();
}
