// The MIDI preview of the main window's source group: a MIDI source opens
// in the media player, which plays, pauses, stops and seeks by the position
// bar; a timer shows the elapsed time while it plays, and the volume bar is
// tied to the volume of the MIDI output.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "windowing/AudioVolume.h"
#include "windowing/MediaPlayer.h"

class TSkinButton;
class TSkinGroupBox;
class TSkinTrackBar;
class TTimer;
class TVolumeControl;

// The main window's components that the preview works with.
struct TMidiPreviewComponents {
  // Its caption shows the total and the elapsed time.
  TSkinGroupBox* gbPlayMIDI = nullptr;
  TSkinTrackBar *tbPlayMIDI = nullptr, *tbVoiceLevel = nullptr;
  TSkinButton *btnMIDIPlay = nullptr, *btnMidiPause = nullptr, *btnMIDIStop = nullptr;
  TTimer* tmMIDIPlayer = nullptr;
};

class TMidiPreview : public TMidiPreviewComponents {
 public:
  // The player is a component of the window (owner), playing as the setup
  // says; the volume bar is tied to the audio devices given (null: the
  // machine's). The source file is the window's path of its source (empty
  // while none is open), read where it is: the window outlives the preview.
  TMidiPreview(const TMidiPreviewComponents& components, TComponent& owner, const TMediaPlayerSetup& player,
               TAudioDevices* audioDevices, const std::string& sourceFile);
  ~TMidiPreview();
  TMidiPreview(const TMidiPreview&) = delete;
  TMidiPreview& operator=(const TMidiPreview&) = delete;

  TMediaPlayer& Player() const { return *mpMIDI; }
  const TVolumeControl& VolumeControl() const { return *FVolumeControl; }

  // Makes the volume control and ties the volume bar to it.
  void BindVolumeBar();
  // Closes the player and opens it on the file; a file it refuses raises
  // and leaves it closed on the file it had.
  void Open(const std::string& path);
  // The length of the file opened: in the caption, as the position bar's
  // range; Play shows.
  void ShowLength();
  // Closes the player; the next Play opens it again from the beginning.
  void Close();
  // Plays while a source is open, opening the player again when it is closed.
  void Play();
  // Pauses, or goes on when paused.
  void Pause();
  // Stops and rewinds.
  void Stop();
  // The position bar was let go: playing or paused, the player goes there.
  void SeekToBar();
  // The timer's tick: while playing, the bar and caption show the position.
  void ShowPosition();
  // Play is enabled while a source is open, Stop while the player plays.
  void UpdateButtons();

  TMediaPlayer* const mpMIDI;

 private:
  void ShowPlayButton(bool play);

  TAudioDevices* const FAudioDevices;
  const std::string& FSourceFile;
  std::unique_ptr<TVolumeControl> FVolumeControl;
  int32_t FTotalMinutes = 0, FTotalSeconds = 0;
};
