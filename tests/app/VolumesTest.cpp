#include "app/Volumes.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "windowing/Form.h"
#include "windowing/MediaPlayer.h"

namespace {

// Devices of the three kinds with their support flags, volumes and the
// number of writes each one got.
class FakeDevices : public TAudioDevices {
 public:
  struct Device {
    uint32_t Support = 0;
    uint32_t Volume = 0;
    int Writes = 0;
  };

  Device& Add(TVolumeDeviceKind kind, uint32_t support, uint32_t volume = 0) {
    return Of(kind).emplace_back(Device{support, volume, 0});
  }
  std::vector<Device>& Of(TVolumeDeviceKind kind) { return FKinds[static_cast<size_t>(kind)]; }
  int TotalWrites() {
    int writes = 0;
    for (auto& kind : FKinds)
      for (const Device& d : kind) writes += d.Writes;
    return writes;
  }

  int NumDevs(TVolumeDeviceKind kind) override { return static_cast<int>(Of(kind).size()); }
  bool GetDevCaps(TVolumeDeviceKind kind, int device, TVolumeDevCaps& caps) override {
    Device* d = Find(kind, device);
    if (d) caps.Support = d->Support;
    return d != nullptr;
  }
  bool GetVolume(TVolumeDeviceKind kind, int device, uint32_t& volume) override {
    Device* d = Find(kind, device);
    if (d) volume = d->Volume;
    return d != nullptr;
  }
  bool SetVolume(TVolumeDeviceKind kind, int device, uint32_t volume) override {
    Device* d = Find(kind, device);
    if (!d) return false;
    d->Volume = volume;
    ++d->Writes;
    return true;
  }

 private:
  Device* Find(TVolumeDeviceKind kind, int device) {
    auto& devices = Of(kind);
    return device >= 0 && device < static_cast<int>(devices.size()) ? &devices[static_cast<size_t>(device)] : nullptr;
  }
  std::array<std::vector<Device>, 3> FKinds;
};

constexpr auto kAux = TVolumeDeviceKind::Auxiliary;
constexpr auto kWave = TVolumeDeviceKind::WaveOut;
constexpr auto kMidi = TVolumeDeviceKind::MidiOut;

// A form with a vertical and a horizontal bar, as the main window's volume bar.
struct Bars {
  Bars() {
    vertical->SetOrientation(TSkinProgressBarOrientation::skinVertical);
    vertical->SetPosition(7);
    horizontal->SetPosition(7);
  }
  TForm form{nullptr};
  TSkinTrackBar* vertical = new TSkinTrackBar(&form);
  TSkinTrackBar* horizontal = new TSkinTrackBar(&form);
};

}  // namespace

TEST(VolumeControl, TakesTheFirstDeviceOfEachKindWithAVolumeControl) {
  FakeDevices devices;
  devices.Add(kAux, AUXCAPS_LRVOLUME);
  devices.Add(kAux, AUXCAPS_VOLUME);
  devices.Add(kAux, AUXCAPS_VOLUME);
  devices.Add(kWave, AUXCAPS_VOLUME);  // not the wave output's flag
  devices.Add(kWave, WAVECAPS_VOLUME);
  devices.Add(kMidi, MIDICAPS_VOLUME);
  TVolumeControl control(nullptr, devices);
  EXPECT_TRUE(control.RefreshTimer().Enabled());
  EXPECT_EQ(control.Interval(), 500);

  control.SetCDVolume(1);
  control.SetWaveVolume(2);
  control.SetMidiVolume(3);
  EXPECT_EQ(devices.Of(kAux)[1].Volume, VolumeOfLevel(1));
  EXPECT_EQ(devices.Of(kWave)[1].Volume, VolumeOfLevel(2));
  EXPECT_EQ(devices.Of(kMidi)[0].Volume, VolumeOfLevel(3));
  EXPECT_EQ(devices.TotalWrites(), 3);
}

TEST(VolumeControl, PacksTheChannelsIntoOneLevel) {
  FakeDevices devices;
  FakeDevices::Device& midi = devices.Add(kMidi, MIDICAPS_VOLUME, PackVolume(0xFFFF, 0x0000));
  TVolumeControl control(nullptr, devices);
  EXPECT_EQ(control.MidiVolume(), 127);
  control.SetMidiVolume(200);
  EXPECT_EQ(LeftVolume(midi.Volume), 51200);
  EXPECT_EQ(RightVolume(midi.Volume), 51200);
  // A kind without a device reads 0 and takes no write.
  EXPECT_EQ(control.CDVolume(), 0);
  control.SetWaveVolume(9);
  EXPECT_EQ(devices.TotalWrites(), 1);
}

TEST(VolumeControl, ABoundBarShowsTheLevelAndSetsIt) {
  FakeDevices devices;
  FakeDevices::Device& midi = devices.Add(kMidi, MIDICAPS_VOLUME, PackVolume(0xFFFF, 0xFFFF));
  FakeDevices::Device& wave = devices.Add(kWave, WAVECAPS_VOLUME, VolumeOfLevel(40));
  Bars bars;
  TVolumeControl control(nullptr, devices);
  control.SetMidiTrackBar(bars.vertical);
  control.SetWaveTrackBar(bars.horizontal);
  EXPECT_EQ(bars.vertical->Min(), 0);
  EXPECT_EQ(bars.vertical->Max(), 255);
  EXPECT_EQ(bars.vertical->Position(), 0);  // the top is the loudest
  EXPECT_EQ(bars.horizontal->Position(), 40);
  EXPECT_EQ(devices.TotalWrites(), 0);

  bars.vertical->SetPosition(55);
  EXPECT_EQ(midi.Volume, VolumeOfLevel(200));
  bars.horizontal->SetPosition(200);
  EXPECT_EQ(wave.Volume, VolumeOfLevel(200));
}

TEST(VolumeControl, WithoutADeviceNothingRefreshesAndABarChangesNothing) {
  FakeDevices devices;
  devices.Add(kAux, AUXCAPS_LRVOLUME, 0x12341234);
  devices.Add(kWave, WAVECAPS_LRVOLUME, 0x12341234);
  devices.Add(kMidi, MIDICAPS_LRVOLUME, 0x12341234);
  Bars bars;
  TVolumeControl control(nullptr, devices);
  EXPECT_FALSE(control.RefreshTimer().Enabled());
  EXPECT_FALSE(control.RefreshTimer().Running());

  control.SetMidiTrackBar(bars.vertical);
  EXPECT_EQ(bars.vertical->Max(), 255);
  EXPECT_EQ(bars.vertical->Position(), 255);
  bars.vertical->SetPosition(10);
  EXPECT_EQ(control.MidiVolume(), 0);
  EXPECT_EQ(devices.TotalWrites(), 0);
}

TEST(VolumeControl, ARefreshShowsTheDeviceWithoutWritingBack) {
  FakeDevices devices;
  FakeDevices::Device& midi = devices.Add(kMidi, MIDICAPS_VOLUME, PackVolume(0xFFFF, 0x0000));
  Bars bars;
  TVolumeControl control(nullptr, devices);
  control.SetMidiTrackBar(bars.vertical);
  EXPECT_EQ(bars.vertical->Position(), 255 - 127);

  // Another program turns the device down, keeping its balance.
  midi.Volume = PackVolume(0x8000, 0x0000);
  control.UpdateTrackBars();
  EXPECT_EQ(bars.vertical->Position(), 255 - 64);
  EXPECT_EQ(midi.Volume, PackVolume(0x8000, 0x0000));
  EXPECT_EQ(midi.Writes, 0);

  // The user's move after a refresh still reaches the device.
  bars.vertical->SetPosition(0);
  EXPECT_EQ(midi.Volume, VolumeOfLevel(255));
}

TEST(VolumeControl, ForgetsAFreedBar) {
  FakeDevices devices;
  devices.Add(kMidi, MIDICAPS_VOLUME);
  // The bar belongs to the control's owner, or to another one.
  for (const bool sameOwner : {true, false}) {
    SCOPED_TRACE(sameOwner);
    TForm form(nullptr);
    TForm other(nullptr);
    TVolumeControl& control = *new TVolumeControl(&form, devices);
    auto* bar = new TSkinTrackBar(sameOwner ? &form : &other);
    control.SetMidiTrackBar(bar);
    control.SetCDTrackBar(bar);
    delete bar;
    EXPECT_EQ(control.MidiTrackBar(), nullptr);
    EXPECT_EQ(control.CDTrackBar(), nullptr);
    control.UpdateTrackBars();
  }
}

TEST(VolumeControl, UnhooksItsBarsWhenFreedOrWhenABarIsReplaced) {
  FakeDevices devices;
  FakeDevices::Device& midi = devices.Add(kMidi, MIDICAPS_VOLUME);
  Bars bars;
  auto control = std::make_unique<TVolumeControl>(nullptr, devices);
  control->SetMidiTrackBar(bars.horizontal);
  control->SetMidiTrackBar(bars.vertical);
  EXPECT_FALSE(bars.horizontal->OnChange);
  bars.horizontal->SetPosition(100);
  EXPECT_EQ(midi.Writes, 0);

  control.reset();
  EXPECT_FALSE(bars.vertical->OnChange);
  bars.vertical->SetPosition(100);
  EXPECT_EQ(midi.Writes, 0);
}

TEST(VolumeControl, PublishesItsPropertiesByName) {
  FakeDevices devices;
  FakeDevices::Device& midi = devices.Add(kMidi, MIDICAPS_VOLUME, VolumeOfLevel(90));
  Bars bars;
  TVolumeControl control(&bars.form, devices);
  SetObjectProp(control, "MidiTrackBar", bars.vertical);
  EXPECT_EQ(control.MidiTrackBar(), bars.vertical);
  EXPECT_EQ(bars.vertical->Position(), 255 - 90);
  EXPECT_THROW(SetObjectProp(control, "CDTrackBar", &bars.form), EPropertyError);
  SetOrdProp(control, "MidiVolume", 10);
  EXPECT_EQ(midi.Volume, VolumeOfLevel(10));
  EXPECT_EQ(GetOrdProp(control, "MidiVolume"), 10);
  SetOrdProp(control, "Interval", 250);
  EXPECT_EQ(control.RefreshTimer().Interval(), 250);
}

// The main window's binding: its player's synthesizer is the MIDI output.
TEST(VolumeControl, TheVoiceLevelBarSetsThePlayersSynthesizer) {
  TMediaPlayer player(nullptr, {TMediaPlayerOutput::SilentRender});
  Bars bars;
  TVolumeControl control(&bars.form);
  control.SetMidiTrackBar(bars.vertical);
  EXPECT_TRUE(control.RefreshTimer().Enabled());
  EXPECT_EQ(bars.vertical->Position(), 0);  // a synthesizer starts at full volume
  bars.vertical->SetPosition(55);
  EXPECT_EQ(control.MidiVolume(), 200);
}
