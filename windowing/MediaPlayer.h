// The media player control of the class library, for MIDI files: a
// synthesizer plays the file named by FileName. Opening only reads the
// file (no sound device is needed for that); Play takes the sound device
// and reports there when it cannot. Positions and the length are in
// milliseconds, reckoned from the file's own tempo map. The player's
// synthesizer is a MIDI output device of the volume control while the
// player exists (see AudioVolume.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "runtime/Component.h"
#include "runtime/SysUtils.h"
#include "windowing/MidiTimeline.h"

// The modes of the platform's media devices, in their order.
enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

// The time formats the player offers: milliseconds.
enum TMPTimeFormats { tfMilliseconds };

// A failure of the player. A file it cannot open or play is named, with the
// reason in plain words: "Cannot play "<file>": <reason>".
class EMCIDeviceError : public Exception {
  using Exception::Exception;
};

// The messages of the player's failures that name no file.
inline constexpr const char* sMCINotOpen = "No MCI device open";
inline constexpr const char* sMCIOutOfRange = "The specified parameter is out of range for the specified command.";
inline constexpr const char* sMCINoSynthesizer = "The software synthesizer cannot be started.";
// Why a file cannot be played (the sound font's reason ends in the font's
// path and a full stop).
inline constexpr const char* sPlayNotFound = "there is no such file.";
inline constexpr const char* sPlayUnreadable = "the file cannot be read.";
inline constexpr const char* sPlayNotMidi = "it is not a Standard MIDI File.";
inline constexpr const char* sPlayNoSoundDevice = "there is no sound device (PulseAudio or ALSA) to play it on.";
inline constexpr const char* sPlayRefused = "the synthesizer refuses it.";
inline constexpr const char* sPlayNoSoundFont = "the sound font cannot be loaded from ";

inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Where the sound goes: to the machine's sound device, or nowhere, the
// time then passing only as RenderSilently renders it (for tests).
enum class TMediaPlayerOutput { AudioDevice, SilentRender };

struct TMediaPlayerSetup {
  TMediaPlayerOutput Output = TMediaPlayerOutput::AudioDevice;
  std::string SoundFont = kDefaultSoundFont;
};

class TMediaPlayer : public TComponent {
 public:
  explicit TMediaPlayer(TComponent* owner, TMediaPlayerSetup setup = {});
  ~TMediaPlayer() override;

  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& fileName) { FFileName = fileName; }
  // Play at the end of the file starts again from the beginning.
  bool AutoRewind() const { return FAutoRewind; }
  void SetAutoRewind(bool autoRewind) { FAutoRewind = autoRewind; }
  TMPTimeFormats TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(TMPTimeFormats format) { FTimeFormat = format; }

  // Reads FileName (closing what was open first); the player is then
  // stopped at 0. A file that cannot be found, read or understood raises.
  void Open();
  // Stops the sound and gives back the sound device; the mode is then not
  // ready. Nothing happens when nothing is open.
  void Close();
  // Plays from the position (from the beginning when at the end and
  // AutoRewind holds; a paused player goes on). Takes the sound device;
  // when there is none, raises and stays as it was.
  void Play();
  // Pauses while playing and goes on while paused; a stopped player stays
  // stopped.
  void Pause();
  // Stops where the playing is; the position stays.
  void Stop();
  // Moves to a position in 0..Length; the player is then stopped.
  void Seek(int32_t position);

  // Both 0 while nothing is open. Reading them notices that playing has
  // reached the end of the file: the mode is then stopped at the length.
  int32_t Position();
  int32_t Length() const;
  TMPModes Mode();

  // For the silent output only: lets that much time pass, rendering the
  // synthesizer's sound into nowhere.
  void RenderSilently(int32_t milliseconds);

 private:
  struct TSynth;

  void RequireOpen() const;
  // Raises the failure to play FileName, for the reason given.
  [[noreturn]] void CannotPlay(const std::string& reason) const;
  void StartFrom(int32_t position);
  void Resume();
  // Silences a playing player and keeps where it was; true when it played.
  bool HoldPosition();
  void Halt();
  void NoticeEnd();
  int32_t PlayingPosition() const;

  std::unique_ptr<TSynth> FSynth;
  std::optional<TMidiTimeline> FTimeline;  // while open
  std::string FFileName;
  bool FAutoRewind = true;
  TMPTimeFormats FTimeFormat = tfMilliseconds;
  TMPModes FMode = mpNotReady;
  int32_t FPosition = 0;       // while not playing
  int32_t FStartPosition = 0;  // where the current playing began
  int64_t FStartFrame = 0;     // the synthesizer's frame count then
};
