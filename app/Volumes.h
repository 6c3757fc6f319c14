// Ties skinned track bars to the volume of the machine's audio devices. Of
// each kind (auxiliary "CD", wave output, MIDI output) the control takes the
// first device that has a volume control; its level is 0..255, and a bar
// bound to the kind shows the level and sets it when the user moves it. A
// vertical bar has its loudest end at the top. While some device was found,
// a timer refreshes the bars from the devices, so that a change made
// elsewhere shows.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/Component.h"
#include "skin/SkinTrackBar.h"
#include "windowing/AudioVolume.h"
#include "windowing/ComponentRef.h"
#include "windowing/Persistent.h"
#include "windowing/Timer.h"

class TVolumeControl : public TComponent, public TPersistent {
 public:
  explicit TVolumeControl(TComponent* owner, TAudioDevices& devices = PlatformAudioDevices());
  ~TVolumeControl() override;

  // Publishes Interval, the levels CDVolume, WaveVolume and MidiVolume (the
  // devices' own, never kept in a description) and the bound bars
  // CDTrackBar, WaveTrackBar and MidiTrackBar.
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The refresh period in milliseconds, 500 unless set.
  int Interval() const { return FTimer.Interval(); }
  void SetInterval(int interval);
  // Enabled only when a device of some kind was found.
  const TTimer& RefreshTimer() const { return FTimer; }

  // The kind's level: both channels added and shifted right by 9; 0 when
  // the kind has no device.
  uint8_t GetVolume(TVolumeDeviceKind kind);
  // Writes value x 256 to both channels; nothing when the kind has no device.
  void SetVolume(TVolumeDeviceKind kind, uint8_t value);

  TSkinTrackBar* TrackBar(TVolumeDeviceKind kind) const { return FTrackBars[Index(kind)].Get(); }
  // Binds the bar (null unbinds) and refreshes. A bar that is no longer
  // bound for any kind stops setting the volume.
  void SetTrackBar(TVolumeDeviceKind kind, TSkinTrackBar* bar);
  // Each bound bar gets the range 0..255 and shows its kind's level. What
  // the refresh moves is not written back to the device: the device keeps
  // its channels' balance.
  void UpdateTrackBars();

  uint8_t CDVolume() { return GetVolume(TVolumeDeviceKind::Auxiliary); }
  void SetCDVolume(uint8_t value) { SetVolume(TVolumeDeviceKind::Auxiliary, value); }
  uint8_t WaveVolume() { return GetVolume(TVolumeDeviceKind::WaveOut); }
  void SetWaveVolume(uint8_t value) { SetVolume(TVolumeDeviceKind::WaveOut, value); }
  uint8_t MidiVolume() { return GetVolume(TVolumeDeviceKind::MidiOut); }
  void SetMidiVolume(uint8_t value) { SetVolume(TVolumeDeviceKind::MidiOut, value); }

  TSkinTrackBar* CDTrackBar() const { return TrackBar(TVolumeDeviceKind::Auxiliary); }
  void SetCDTrackBar(TSkinTrackBar* bar) { SetTrackBar(TVolumeDeviceKind::Auxiliary, bar); }
  TSkinTrackBar* WaveTrackBar() const { return TrackBar(TVolumeDeviceKind::WaveOut); }
  void SetWaveTrackBar(TSkinTrackBar* bar) { SetTrackBar(TVolumeDeviceKind::WaveOut, bar); }
  TSkinTrackBar* MidiTrackBar() const { return TrackBar(TVolumeDeviceKind::MidiOut); }
  void SetMidiTrackBar(TSkinTrackBar* bar) { SetTrackBar(TVolumeDeviceKind::MidiOut, bar); }

 protected:
  // A bound bar that is freed is forgotten.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  static constexpr size_t KindCount = 3;
  static constexpr size_t Index(TVolumeDeviceKind kind) { return static_cast<size_t>(kind); }
  static constexpr TVolumeDeviceKind KindOf(size_t index) { return static_cast<TVolumeDeviceKind>(index); }

  // Takes per kind the first device with a volume control; any found
  // starts the refresh timer.
  void FindDevices();
  void UpdateTrackBar(TVolumeDeviceKind kind, TSkinTrackBar& bar);
  void TrackBarChange(TComponent* sender);
  bool IsBound(const TSkinTrackBar* bar) const;

  TAudioDevices& FDevices;
  std::array<int32_t, KindCount> FDevice{-1, -1, -1};
  std::array<TComponentRef<TSkinTrackBar>, KindCount> FTrackBars;
  TTimer FTimer{nullptr};
  // Set while a refresh moves the bars, whose change reports then come
  // from the refresh and not from the user.
  bool FRefreshing = false;
};
