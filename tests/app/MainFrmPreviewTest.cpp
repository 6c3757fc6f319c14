// The MIDI preview of the main window on a silent player: length and
// elapsed time, play, pause, stop, seeking by the bar, closing on a page
// change, and the volume bar.
#include "MainWindowFixture.h"
#include "MidiTunes.h"
#include "SkinButton.h"
#include "SkinGroupBox.h"
#include "SkinPageControl.h"
#include "SkinTrackBar.h"
#include "Timer.h"
#include "Volumes.h"

class MainWindowPreviewTest : public MainWindowTest {
 protected:
  TfrmMain& OpenTune() {
    TfrmMain& w = Window();
    w.OpenFile(ttMIDI, WriteFile("tune.mid", SixtyFiveSecondFile()));
    return w;
  }
  // Lets time pass in the player and a tick of the position timer run.
  static void Advance(TfrmMain& w, int32_t milliseconds) {
    w.Player().RenderSilently(milliseconds);
    w.tmMIDIPlayer->OnTimer(w.tmMIDIPlayer);
  }
  static bool PlayShown(const TfrmMain& w) { return w.btnMIDIPlay->Visible() && !w.btnMidiPause->Visible(); }
};

TEST_F(MainWindowPreviewTest, OpeningShowsTheLengthAndPlayingTheElapsedTime) {
  TfrmMain& w = OpenTune();
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:00");
  EXPECT_EQ(w.tbPlayMIDI->Max(), 65000);
  EXPECT_EQ(w.tbPlayMIDI->Position(), 0);
  EXPECT_TRUE(PlayShown(w));
  EXPECT_FALSE(w.tmMIDIPlayer->Enabled());
  w.btnMIDIPlay->Click();
  EXPECT_EQ(w.Player().Mode(), mpPlaying);
  EXPECT_FALSE(PlayShown(w));
  EXPECT_TRUE(w.tmMIDIPlayer->Enabled());
  Advance(w, 12000);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:12");
  EXPECT_EQ(w.tbPlayMIDI->Position(), 12000);
  Idle();
  EXPECT_TRUE(w.btnMIDIStop->Enabled());
  // Pause holds the time; Play goes on from there.
  w.btnMidiPause->Click();
  EXPECT_EQ(w.Player().Mode(), mpPaused);
  EXPECT_TRUE(PlayShown(w));
  Advance(w, 5000);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:12");
  w.btnMIDIPlay->Click();
  Advance(w, 1000);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:13");
  // Stop rewinds the bar and leaves the caption.
  w.btnMIDIStop->Click();
  EXPECT_EQ(w.tbPlayMIDI->Position(), 0);
  EXPECT_EQ(w.Player().Position(), 0);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:13");
  EXPECT_TRUE(PlayShown(w));
  EXPECT_TRUE(w.tmMIDIPlayer->Enabled());  // from the first Play on
}

TEST_F(MainWindowPreviewTest, ReleasingTheBarSeeksWhilePlayingOrPaused) {
  TfrmMain& w = OpenTune();
  w.btnMIDIPlay->Click();
  w.tbPlayMIDI->SetPosition(30000);
  w.tbPlayMIDI->OnMouseUp(w.tbPlayMIDI, TMouseButton::mbLeft, 0, 0, 0);
  EXPECT_EQ(w.Player().Mode(), mpPlaying);
  Advance(w, 2000);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:32");
  w.btnMidiPause->Click();
  w.tbPlayMIDI->SetPosition(50000);
  w.tbPlayMIDI->OnMouseUp(w.tbPlayMIDI, TMouseButton::mbLeft, 0, 0, 0);
  EXPECT_EQ(w.Player().Position(), 50000);
  EXPECT_NE(w.Player().Mode(), mpPlaying);
}

TEST_F(MainWindowPreviewTest, AnotherPageClosesThePlayerAndTheNextPlayStartsFromTheBeginning) {
  TfrmMain& w = OpenTune();
  w.btnMIDIPlay->Click();
  Advance(w, 20000);
  w.pgcTarget->SetActivePage(w.TargetSheet(ttRTTTL));
  EXPECT_EQ(w.Player().Mode(), mpNotReady);
  EXPECT_TRUE(PlayShown(w));  // Pause would find no player
  w.btnMIDIPlay->Click();
  EXPECT_EQ(w.Player().Mode(), mpPlaying);
  Advance(w, 1000);
  EXPECT_EQ(w.gbPlayMIDI->Caption(), "01:05 - 00:01");
}

TEST_F(MainWindowPreviewTest, TheVolumeBarSetsTheSynthesizersLevelWithItsLoudestEndAtTheTop) {
  TfrmMain& w = OpenTune();
  const TVolumeControl& volume = w.VolumeControl();
  EXPECT_EQ(volume.MidiTrackBar(), w.tbVoiceLevel);
  EXPECT_EQ(w.tbVoiceLevel->Min(), 0);
  EXPECT_EQ(w.tbVoiceLevel->Max(), 255);
  w.tbVoiceLevel->SetPosition(55);
  uint32_t level = 0;
  ASSERT_TRUE(devices.GetVolume(TVolumeDeviceKind::MidiOut, 0, level));
  EXPECT_EQ(LevelOfVolume(level), 200);
  w.tbVoiceLevel->SetPosition(0);
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
  const std::string tune = WriteFile("tune.mid", SixtyFiveSecondFile());
  w.OpenFile(ttMIDI, tune);
  w.Show();
  ClickButton(*w.btnMIDIPlay);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].Caption, "Carolune");
  EXPECT_EQ(boxes.boxes[0].Text,
            "Cannot play \"" + tune + "\": the sound font cannot be loaded from " + Folder() + "none.sf2.");
  EXPECT_TRUE(PlayShown(w));
  w.Hide();
}
