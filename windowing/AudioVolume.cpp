#include "windowing/AudioVolume.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "windowing/AlsaQuiet.h"

namespace {

std::vector<TMidiOutputDevice*>& MidiOutputs() {
  static std::vector<TMidiOutputDevice*> outputs;
  return outputs;
}

TMidiOutputDevice* MidiOutput(int device) {
  const auto& outputs = MidiOutputs();
  if (device < 0 || static_cast<size_t>(device) >= outputs.size()) return nullptr;
  return outputs[static_cast<size_t>(device)];
}

uint16_t ChannelOfMixer(long value, long min, long max) {
  if (max <= min) return 0;
  value = std::clamp(value, min, max);
  return static_cast<uint16_t>((static_cast<int64_t>(value - min) * 0xFFFF + (max - min) / 2) / (max - min));
}

long MixerOfChannel(uint16_t channel, long min, long max) {
  return min + static_cast<long>((static_cast<int64_t>(channel) * (max - min) + 0x7FFF) / 0xFFFF);
}

// The system's default mixer, opened on first use and kept: one device of
// each card kind, whose volume is the first of the kind's elements that
// has a playback volume.
class TAlsaMixer {
 public:
  TAlsaMixer() = default;
  TAlsaMixer(const TAlsaMixer&) = delete;
  TAlsaMixer& operator=(const TAlsaMixer&) = delete;
  ~TAlsaMixer() {
    if (FHandle != nullptr) snd_mixer_close(FHandle);
  }

  bool Open() {
    if (FHandle != nullptr) return true;
    const TAlsaQuiet quiet;
    snd_mixer_t* handle = nullptr;
    if (snd_mixer_open(&handle, 0) < 0) return false;
    if (snd_mixer_attach(handle, "default") < 0 || snd_mixer_selem_register(handle, nullptr, nullptr) < 0 ||
        snd_mixer_load(handle) < 0) {
      snd_mixer_close(handle);
      return false;
    }
    FHandle = handle;
    return true;
  }

  // The kind's element with a playback volume, its values brought up to date.
  snd_mixer_elem_t* Element(TVolumeDeviceKind kind) {
    if (FHandle == nullptr) return nullptr;
    const TAlsaQuiet quiet;
    snd_mixer_handle_events(FHandle);
    static const std::vector<const char*> auxiliary = {"CD"};
    static const std::vector<const char*> wave = {"PCM", "Master"};
    for (const char* name : kind == TVolumeDeviceKind::Auxiliary ? auxiliary : wave) {
      snd_mixer_selem_id_t* id = nullptr;
      snd_mixer_selem_id_alloca(&id);
      snd_mixer_selem_id_set_name(id, name);
      snd_mixer_elem_t* element = snd_mixer_find_selem(FHandle, id);
      if (element != nullptr && snd_mixer_selem_has_playback_volume(element)) return element;
    }
    return nullptr;
  }

 private:
  snd_mixer_t* FHandle = nullptr;
};

class TPlatformAudioDevices : public TAudioDevices {
 public:
  int NumDevs(TVolumeDeviceKind kind) override {
    if (kind == TVolumeDeviceKind::MidiOut) return static_cast<int>(MidiOutputs().size());
    return FMixer.Open() ? 1 : 0;
  }

  bool GetDevCaps(TVolumeDeviceKind kind, int device, TVolumeDevCaps& caps) override {
    if (kind == TVolumeDeviceKind::MidiOut) {
      const TMidiOutputDevice* output = MidiOutput(device);
      if (output == nullptr) return false;
      caps = {output->DeviceName(), MIDICAPS_VOLUME};
      return true;
    }
    if (!IsCard(device)) return false;
    caps = {};
    if (snd_mixer_elem_t* element = FMixer.Element(kind)) {
      caps.Name = snd_mixer_selem_get_name(element);
      caps.Support = VolumeCapsFlag(kind);
      if (!snd_mixer_selem_is_playback_mono(element))
        caps.Support |= kind == TVolumeDeviceKind::WaveOut ? WAVECAPS_LRVOLUME : AUXCAPS_LRVOLUME;
    }
    return true;
  }

  bool GetVolume(TVolumeDeviceKind kind, int device, uint32_t& volume) override {
    if (kind == TVolumeDeviceKind::MidiOut) {
      const TMidiOutputDevice* output = MidiOutput(device);
      if (output == nullptr) return false;
      volume = PackVolume(output->OutputLevel(), output->OutputLevel());
      return true;
    }
    snd_mixer_elem_t* element = IsCard(device) ? FMixer.Element(kind) : nullptr;
    if (element == nullptr) return false;
    long min = 0, max = 0, left = 0, right = 0;
    snd_mixer_selem_get_playback_volume_range(element, &min, &max);
    snd_mixer_selem_get_playback_volume(element, SND_MIXER_SCHN_FRONT_LEFT, &left);
    right = left;
    if (!snd_mixer_selem_is_playback_mono(element))
      snd_mixer_selem_get_playback_volume(element, SND_MIXER_SCHN_FRONT_RIGHT, &right);
    volume = PackVolume(ChannelOfMixer(left, min, max), ChannelOfMixer(right, min, max));
    return true;
  }

  bool SetVolume(TVolumeDeviceKind kind, int device, uint32_t volume) override {
    if (kind == TVolumeDeviceKind::MidiOut) {
      TMidiOutputDevice* output = MidiOutput(device);
      if (output == nullptr) return false;
      output->SetOutputLevel(LeftVolume(volume));
      return true;
    }
    snd_mixer_elem_t* element = IsCard(device) ? FMixer.Element(kind) : nullptr;
    if (element == nullptr) return false;
    long min = 0, max = 0;
    snd_mixer_selem_get_playback_volume_range(element, &min, &max);
    const TAlsaQuiet quiet;
    if (snd_mixer_selem_is_playback_mono(element))
      return snd_mixer_selem_set_playback_volume_all(element, MixerOfChannel(LeftVolume(volume), min, max)) == 0;
    return snd_mixer_selem_set_playback_volume(element, SND_MIXER_SCHN_FRONT_LEFT,
                                               MixerOfChannel(LeftVolume(volume), min, max)) == 0 &&
           snd_mixer_selem_set_playback_volume(element, SND_MIXER_SCHN_FRONT_RIGHT,
                                               MixerOfChannel(RightVolume(volume), min, max)) == 0;
  }

 private:
  bool IsCard(int device) { return device == 0 && FMixer.Open(); }

  TAlsaMixer FMixer;
};

}  // namespace

TAudioDevices& PlatformAudioDevices() {
  static TPlatformAudioDevices devices;
  return devices;
}

void RegisterMidiOutput(TMidiOutputDevice& device) {
  auto& outputs = MidiOutputs();
  if (std::find(outputs.begin(), outputs.end(), &device) == outputs.end()) outputs.push_back(&device);
}

void UnregisterMidiOutput(TMidiOutputDevice& device) {
  auto& outputs = MidiOutputs();
  outputs.erase(std::remove(outputs.begin(), outputs.end(), &device), outputs.end());
}
