#include "windowing/MediaPlayer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "runtime/Streams.h"
#include "windowing/AlsaQuiet.h"
#include "windowing/AudioVolume.h"

namespace {

// Frames a second: 48 to a millisecond, so that whole milliseconds of
// silent rendering are whole frames.
constexpr int kSampleRate = 48000;
constexpr int64_t kFramesPerMs = kSampleRate / 1000;
// The gain at the full volume of the MIDI output device; the synthesizer
// starts there, as a MIDI device starts at its full volume.
constexpr float kFullScaleGain = 0.5f;
// A MIDI file larger than this is not a tune to preview.
constexpr int64_t kMaxFileSize = 64 * 1024 * 1024;
// Sound servers first, then the card itself.
constexpr const char* kAudioDrivers[] = {"pulseaudio", "alsa"};

template <auto Delete>
struct TFluidDeleter {
  template <typename T>
  void operator()(T* object) const {
    Delete(object);
  }
};
template <typename T, auto Delete>
using TFluidPtr = std::unique_ptr<T, TFluidDeleter<Delete>>;

// The synthesizer's own messages would go to standard error; the player
// reports its failures itself.
void SilenceFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
  });
}

}  // namespace

// The synthesizer with its MIDI file player and, once Play has taken it,
// the sound device. It counts the frames it has rendered: that count is the
// player's clock.
struct TMediaPlayer::TSynth final : TMidiOutputDevice {
  explicit TSynth(TMediaPlayerSetup setup) : Setup(std::move(setup)) {
    SilenceFluidLog();
    Settings.reset(new_fluid_settings());
    if (Settings == nullptr) throw EMCIDeviceError(sMCINoSynthesizer);
    fluid_settings_setnum(Settings.get(), "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(Settings.get(), "synth.gain", kFullScaleGain);
    fluid_settings_setstr(Settings.get(), "player.timing-source", "sample");
    Synth.reset(new_fluid_synth(Settings.get()));
    if (Synth == nullptr) throw EMCIDeviceError(sMCINoSynthesizer);
  }

  std::string DeviceName() const override { return "Software synthesizer"; }
  uint16_t OutputLevel() const override {
    const float level = std::round(fluid_synth_get_gain(Synth.get()) / kFullScaleGain * 0xFFFF);
    return static_cast<uint16_t>(std::clamp(level, 0.0f, static_cast<float>(0xFFFF)));
  }
  void SetOutputLevel(uint16_t level) override {
    fluid_synth_set_gain(Synth.get(), static_cast<float>(level) / 0xFFFF * kFullScaleGain);
  }

  // Called on the sound device's thread.
  static int RenderToDevice(void* data, int length, int nfx, float* fx[], int nout, float* out[]) {
    auto* self = static_cast<TSynth*>(data);
    const int result = fluid_synth_process(self->Synth.get(), length, nfx, fx, nout, out);
    self->Frames += length;
    return result;
  }

  // False when the sound font cannot be loaded.
  bool LoadSoundFont() {
    if (!SoundFontLoaded)
      SoundFontLoaded =
          FileExists(Setup.SoundFont) && fluid_synth_sfload(Synth.get(), Setup.SoundFont.c_str(), 1) != FLUID_FAILED;
    return SoundFontLoaded;
  }

  // False when no sound device can be opened.
  bool OpenDevice() {
    if (Setup.Output != TMediaPlayerOutput::AudioDevice || Driver != nullptr) return true;
    const TAlsaQuiet quiet;
    for (const char* driver : kAudioDrivers) {
      fluid_settings_setstr(Settings.get(), "audio.driver", driver);
      Driver.reset(new_fluid_audio_driver2(Settings.get(), RenderToDevice, this));
      if (Driver != nullptr) return true;
    }
    return false;
  }

  // Declared in the order of creation: they go in the reverse order.
  TMediaPlayerSetup Setup;
  TFluidPtr<fluid_settings_t, delete_fluid_settings> Settings;
  TFluidPtr<fluid_synth_t, delete_fluid_synth> Synth;
  TFluidPtr<fluid_player_t, delete_fluid_player> Player;
  TFluidPtr<fluid_audio_driver_t, delete_fluid_audio_driver> Driver;
  bool SoundFontLoaded = false;
  std::atomic<int64_t> Frames{0};
};

TMediaPlayer::TMediaPlayer(TComponent* owner, TMediaPlayerSetup setup)
    : TComponent(owner), FSynth(std::make_unique<TSynth>(std::move(setup))) {
  RegisterMidiOutput(*FSynth);
}

TMediaPlayer::~TMediaPlayer() {
  Close();
  UnregisterMidiOutput(*FSynth);
}

void TMediaPlayer::RequireOpen() const {
  if (FMode == mpNotReady) throw EMCIDeviceError(sMCINotOpen);
}

void TMediaPlayer::CannotPlay(const std::string& reason) const {
  throw EMCIDeviceError("Cannot play \"" + FFileName + "\": " + reason);
}

void TMediaPlayer::Open() {
  Close();
  if (!FileExists(FFileName)) CannotPlay(sPlayNotFound);
  std::string bytes;
  try {
    TFileStream file(FFileName, TFileMode::fmOpenRead);
    if (file.Size() > kMaxFileSize) CannotPlay(sPlayNotMidi);
    bytes.resize(static_cast<size_t>(file.Size()));
    file.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  } catch (const EStreamError&) {
    CannotPlay(sPlayUnreadable);
  }
  FTimeline = TMidiTimeline::Read(bytes);
  if (!FTimeline) CannotPlay(sPlayNotMidi);
  FPosition = 0;
  FMode = mpStopped;
}

void TMediaPlayer::Close() {
  if (FMode == mpNotReady) return;
  Halt();
  FSynth->Driver.reset();
  FSynth->Player.reset();
  FTimeline.reset();
  FPosition = 0;
  FMode = mpNotReady;
}

void TMediaPlayer::Play() {
  RequireOpen();
  NoticeEnd();
  if (FMode == mpPlaying) return;
  if (FMode == mpPaused) {
    Resume();
    return;
  }
  StartFrom(FAutoRewind && FPosition >= Length() ? 0 : FPosition);
}

void TMediaPlayer::Pause() {
  if (HoldPosition())
    FMode = mpPaused;
  else if (FMode == mpPaused)
    Resume();
}

void TMediaPlayer::Stop() {
  HoldPosition();
  FMode = mpStopped;
}

bool TMediaPlayer::HoldPosition() {
  RequireOpen();
  NoticeEnd();
  if (FMode != mpPlaying) return false;
  FPosition = PlayingPosition();
  Halt();
  return true;
}

void TMediaPlayer::Seek(int32_t position) {
  RequireOpen();
  if (position < 0 || position > Length()) throw EMCIDeviceError(sMCIOutOfRange);
  Stop();
  FPosition = position;
}

int32_t TMediaPlayer::Position() {
  if (FMode == mpNotReady) return 0;
  NoticeEnd();
  return FMode == mpPlaying ? PlayingPosition() : FPosition;
}

int32_t TMediaPlayer::Length() const { return FTimeline ? FTimeline->LengthMs() : 0; }

TMPModes TMediaPlayer::Mode() {
  NoticeEnd();
  return FMode;
}

void TMediaPlayer::RenderSilently(int32_t milliseconds) {
  if (FSynth->Setup.Output != TMediaPlayerOutput::SilentRender)
    throw std::logic_error("RenderSilently needs the silent output");
  constexpr int kBlock = 960;
  std::vector<float> left(kBlock), right(kBlock);
  for (int64_t frames = std::max<int64_t>(milliseconds, 0) * kFramesPerMs; frames > 0; frames -= kBlock) {
    const int count = static_cast<int>(std::min<int64_t>(frames, kBlock));
    fluid_synth_write_float(FSynth->Synth.get(), count, left.data(), 0, 1, right.data(), 0, 1);
    FSynth->Frames += count;
  }
  NoticeEnd();
}

// A fresh file player for each start: it seeks before it loads the file,
// and what an earlier start left in the synthesizer is reset. The sound
// device is let go meanwhile, so that nothing renders while the file player
// changes, and taken again.
void TMediaPlayer::StartFrom(int32_t position) {
  if (!FSynth->LoadSoundFont()) CannotPlay(sPlayNoSoundFont + FSynth->Setup.SoundFont + ".");
  FSynth->Driver.reset();
  fluid_synth_t* synth = FSynth->Synth.get();
  fluid_synth_system_reset(synth);
  FSynth->Player.reset(new_fluid_player(synth));
  fluid_player_t* player = FSynth->Player.get();
  const std::string& bytes = FTimeline->PlayableBytes();
  if (player == nullptr || fluid_player_add_mem(player, bytes.data(), bytes.size()) != FLUID_OK ||
      fluid_player_seek(player, static_cast<int>(FTimeline->TickAtMs(position))) != FLUID_OK)
    CannotPlay(sPlayRefused);
  if (!FSynth->OpenDevice()) CannotPlay(sPlayNoSoundDevice);
  if (fluid_player_play(player) != FLUID_OK) CannotPlay(sPlayRefused);
  FStartPosition = position;
  FStartFrame = FSynth->Frames;
  FMode = mpPlaying;
}

void TMediaPlayer::Resume() {
  if (FSynth->Player != nullptr) fluid_player_play(FSynth->Player.get());
  FStartPosition = FPosition;
  FStartFrame = FSynth->Frames;
  FMode = mpPlaying;
}

// Silences at once: a held pedal would otherwise keep notes sounding.
void TMediaPlayer::Halt() {
  if (FSynth->Player == nullptr) return;
  fluid_player_stop(FSynth->Player.get());
  fluid_synth_all_sounds_off(FSynth->Synth.get(), -1);
}

// The end of the file ends the playing; what still sounds dies away.
void TMediaPlayer::NoticeEnd() {
  if (FMode != mpPlaying || PlayingPosition() < Length()) return;
  FPosition = Length();
  FMode = mpStopped;
  if (FSynth->Player != nullptr) fluid_player_stop(FSynth->Player.get());
}

int32_t TMediaPlayer::PlayingPosition() const {
  const int64_t elapsed = (FSynth->Frames - FStartFrame) / kFramesPerMs;
  return static_cast<int32_t>(std::min<int64_t>(FStartPosition + elapsed, Length()));
}
