// The volume of the machine's audio devices in the platform's terms: per
// kind of device a count of devices, each device's capabilities with its
// volume flag, and its volume as one 32-bit value with the left channel in
// the low 16 bits and the right channel in the high 16 bits (0 to 0xFFFF).
// Auxiliary and wave output devices are the sound card's mixer ("CD",
// "PCM" or else "Master"); the MIDI output devices are the synthesizers of
// the media players that exist, whose gain is their volume.
#pragma once

#include <cstdint>
#include <string>

enum class TVolumeDeviceKind { Auxiliary = 0, WaveOut = 1, MidiOut = 2 };

// Capability flags of the platform, per kind.
constexpr uint32_t AUXCAPS_VOLUME = 0x0001;
constexpr uint32_t AUXCAPS_LRVOLUME = 0x0002;
constexpr uint32_t WAVECAPS_VOLUME = 0x0004;
constexpr uint32_t WAVECAPS_LRVOLUME = 0x0008;
constexpr uint32_t MIDICAPS_VOLUME = 0x0001;
constexpr uint32_t MIDICAPS_LRVOLUME = 0x0002;

// The flag that says a device of that kind has a volume control.
constexpr uint32_t VolumeCapsFlag(TVolumeDeviceKind kind) {
  return kind == TVolumeDeviceKind::WaveOut ? WAVECAPS_VOLUME : AUXCAPS_VOLUME;
}

constexpr uint32_t PackVolume(uint16_t left, uint16_t right) { return left | (static_cast<uint32_t>(right) << 16); }
constexpr uint16_t LeftVolume(uint32_t volume) { return static_cast<uint16_t>(volume & 0xFFFF); }
constexpr uint16_t RightVolume(uint32_t volume) { return static_cast<uint16_t>(volume >> 16); }

// The volume control's level 0..255 of a device volume: the two channels
// added and shifted right by 9.
constexpr uint8_t LevelOfVolume(uint32_t volume) {
  return static_cast<uint8_t>((LeftVolume(volume) + RightVolume(volume)) >> 9);
}
// The device volume the volume control writes for a level: level x 256 on
// both channels.
constexpr uint32_t VolumeOfLevel(uint8_t level) {
  return PackVolume(static_cast<uint16_t>(level * 256), static_cast<uint16_t>(level * 256));
}

struct TVolumeDevCaps {
  std::string Name;
  uint32_t Support = 0;  // the kind's capability flags
};

// The devices of the three kinds. A call on a device that does not exist
// answers false and changes nothing.
class TAudioDevices {
 public:
  virtual ~TAudioDevices() = default;
  virtual int NumDevs(TVolumeDeviceKind kind) = 0;
  virtual bool GetDevCaps(TVolumeDeviceKind kind, int device, TVolumeDevCaps& caps) = 0;
  virtual bool GetVolume(TVolumeDeviceKind kind, int device, uint32_t& volume) = 0;
  virtual bool SetVolume(TVolumeDeviceKind kind, int device, uint32_t volume) = 0;
};

// The machine's devices: the sound card's mixer (none without a card, and
// quietly so) and the registered MIDI outputs. GUI thread only.
TAudioDevices& PlatformAudioDevices();

// A synthesizer that stands as a MIDI output device while it is registered.
// It has one volume for both channels: writing takes the left channel (the
// low 16 bits), as the platform does for devices without separate channels,
// and reading gives the level on both.
class TMidiOutputDevice {
 public:
  virtual ~TMidiOutputDevice() = default;
  virtual std::string DeviceName() const = 0;
  virtual uint16_t OutputLevel() const = 0;
  virtual void SetOutputLevel(uint16_t level) = 0;
};

// Devices are numbered in the order they were registered.
void RegisterMidiOutput(TMidiOutputDevice& device);
void UnregisterMidiOutput(TMidiOutputDevice& device);
