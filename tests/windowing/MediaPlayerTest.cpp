#include "windowing/MediaPlayer.h"

#include <gtest/gtest.h>

#include "runtime/SysUtils.h"
#include "tests/support/MidiTunes.h"
#include "tests/support/TempFolder.h"

namespace {

// Tests run side by side in their own processes: each process keeps its
// files in a folder of its own so that no test reads another's tune.
const TTempFolder& Folder() {
  static const TTempFolder folder;
  return folder;
}

std::string WriteTestFile(const std::string& name, const std::string& bytes) {
  return Folder().Write(name, bytes);
}

// A player that renders into nowhere, opened on a tune of the given length.
class SilentPlayer : public testing::Test {
 protected:
  void OpenTune(uint32_t milliseconds) {
    Player.SetFileName(WriteTestFile("tune.mid", OneNoteFile(milliseconds)));
    Player.Open();
    Player.SetTimeFormat(tfMilliseconds);
  }
  void Expect(TMPModes mode, int32_t position) {
    EXPECT_EQ(Player.Mode(), mode);
    EXPECT_EQ(Player.Position(), position);
  }
  TMediaPlayer Player{nullptr, {TMediaPlayerOutput::SilentRender}};
};

void ExpectMCIError(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const EMCIDeviceError& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

}  // namespace

TEST_F(SilentPlayer, PlayPauseStopAndSeekMovePositionAndMode) {
  OpenTune(4000);
  Expect(mpStopped, 0);
  EXPECT_EQ(Player.Length(), 4000);
  Player.Play();
  Player.RenderSilently(1000);
  Expect(mpPlaying, 1000);
  Player.Pause();
  Player.RenderSilently(500);
  Expect(mpPaused, 1000);
  Player.Pause();  // goes on
  Player.RenderSilently(250);
  Expect(mpPlaying, 1250);
  Player.Stop();  // stays open, where it was
  Player.RenderSilently(250);
  Expect(mpStopped, 1250);
  EXPECT_EQ(Player.Length(), 4000);
  Player.Pause();  // a stopped player stays stopped
  Expect(mpStopped, 1250);
  Player.Play();
  Player.RenderSilently(100);
  Expect(mpPlaying, 1350);
  Player.Seek(500);  // seeking stops
  Expect(mpStopped, 500);
  Player.Play();
  Player.RenderSilently(100);
  Expect(mpPlaying, 600);
  Player.Pause();
  Player.Seek(3000);
  Expect(mpStopped, 3000);
  Player.Stop();
  Player.Seek(0);
  Expect(mpStopped, 0);
}

TEST_F(SilentPlayer, ClosedPlayerIsNotReadyAndRefusesCommands) {
  OpenTune(2000);
  Player.Play();
  Player.RenderSilently(700);
  Player.Close();
  Expect(mpNotReady, 0);
  EXPECT_EQ(Player.Length(), 0);
  ExpectMCIError([&] { Player.Pause(); }, "No MCI device open");
  ExpectMCIError([&] { Player.Play(); }, "No MCI device open");
  ExpectMCIError([&] { Player.Stop(); }, "No MCI device open");
  ExpectMCIError([&] { Player.Seek(0); }, "No MCI device open");
  Player.Close();
  Player.Open();  // playing again starts from the beginning
  Player.Play();
  Player.RenderSilently(100);
  Expect(mpPlaying, 100);
}

TEST_F(SilentPlayer, PlayingToTheEndStopsThereAndPlayStartsAgain) {
  OpenTune(2000);
  Player.Play();
  Player.RenderSilently(1990);
  Expect(mpPlaying, 1990);
  Player.RenderSilently(500);
  Expect(mpStopped, 2000);
  Player.Play();
  Player.RenderSilently(100);
  Expect(mpPlaying, 100);
  Player.Seek(2000);
  Player.SetAutoRewind(false);
  Player.Play();
  Expect(mpStopped, 2000);
}

TEST_F(SilentPlayer, SixtyFiveSecondTune) {
  OpenTune(65000);
  EXPECT_EQ(Player.Length(), 65000);
  Player.Play();
  Player.RenderSilently(12000);
  Expect(mpPlaying, 12000);
}

TEST_F(SilentPlayer, SeekOutsideTheTuneIsOutOfRange) {
  OpenTune(2000);
  ExpectMCIError([&] { Player.Seek(2001); }, sMCIOutOfRange);
  ExpectMCIError([&] { Player.Seek(-1); }, sMCIOutOfRange);
  Expect(mpStopped, 0);
}

TEST(MediaPlayer, OpenReadsTheFileWithoutASoundDevice) {
  TMediaPlayer player(nullptr);
  const struct {
    std::string FileName;
    const char* Error;  // null: opens
  } cases[] = {
      {WriteTestFile("good.mid", OneNoteFile(3000)), nullptr},
      {WriteTestFile("text.mid", "MTrk is not where a tune starts"), "it is not a Standard MIDI File."},
      {WriteTestFile("cut.mid", OneNoteFile(3000).substr(0, 33)), nullptr},
      {Folder().Path() + "missing.mid", "there is no such file."},
      {"", "there is no such file."},
  };
  for (const auto& c : cases) {
    player.SetFileName(c.FileName);
    if (c.Error != nullptr) {
      // The file is named, and why it cannot be played said in plain words.
      ExpectMCIError([&] { player.Open(); }, "Cannot play \"" + c.FileName + "\": " + c.Error);
      EXPECT_EQ(player.Mode(), mpNotReady) << c.FileName;
    } else {
      player.Open();
      EXPECT_EQ(player.Mode(), mpStopped) << c.FileName;
    }
  }
  player.SetFileName(cases[0].FileName);
  player.Open();
  EXPECT_EQ(player.Length(), 3000);
}

TEST(MediaPlayer, PlayWithoutItsSoundFontFailsThere) {
  TMediaPlayer player(nullptr, {TMediaPlayerOutput::AudioDevice, "/nonexistent/none.sf2"});
  player.SetFileName(WriteTestFile("font.mid", OneNoteFile(1000)));
  player.Open();
  ExpectMCIError([&] { player.Play(); }, "Cannot play \"" + player.FileName() +
                                             "\": the sound font cannot be loaded from /nonexistent/none.sf2.");
  EXPECT_EQ(player.Mode(), mpStopped);
}

TEST(MediaPlayer, PlayWithoutASoundDeviceFailsQuietly) {
  if (DirectoryExists("/dev/snd")) GTEST_SKIP() << "this machine has a sound card";
  TMediaPlayer player(nullptr);
  player.SetFileName(WriteTestFile("device.mid", OneNoteFile(1000)));
  player.Open();
  testing::internal::CaptureStderr();
  ExpectMCIError([&] { player.Play(); }, "Cannot play \"" + player.FileName() +
                                             "\": there is no sound device (PulseAudio or ALSA) to play it on.");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(player.Mode(), mpStopped);
}
