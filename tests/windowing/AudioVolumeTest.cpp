#include "windowing/AudioVolume.h"

#include <gtest/gtest.h>

#include <memory>

#include "runtime/SysUtils.h"
#include "windowing/MediaPlayer.h"

namespace {

// One device of each kind that keeps what is written to it.
class TFakeDevices : public TAudioDevices {
 public:
  int NumDevs(TVolumeDeviceKind) override { return 1; }
  bool GetDevCaps(TVolumeDeviceKind kind, int device, TVolumeDevCaps& caps) override {
    caps = {"fake", VolumeCapsFlag(kind)};
    return device == 0;
  }
  bool GetVolume(TVolumeDeviceKind kind, int device, uint32_t& volume) override {
    volume = Volume[static_cast<int>(kind)];
    return device == 0;
  }
  bool SetVolume(TVolumeDeviceKind kind, int device, uint32_t volume) override {
    if (device != 0) return false;
    Volume[static_cast<int>(kind)] = volume;
    return true;
  }
  uint32_t Volume[3] = {};
};

}  // namespace

TEST(AudioVolume, LevelsOfDeviceVolumesAsTheVolumeControlReadsAndWritesThem) {
  TFakeDevices devices;
  devices.Volume[1] = PackVolume(0xFFFF, 0x0000);
  uint32_t volume = 0;
  ASSERT_TRUE(devices.GetVolume(TVolumeDeviceKind::WaveOut, 0, volume));
  EXPECT_EQ(LevelOfVolume(volume), 127);
  ASSERT_TRUE(devices.SetVolume(TVolumeDeviceKind::WaveOut, 0, VolumeOfLevel(200)));
  EXPECT_EQ(LeftVolume(devices.Volume[1]), 51200);
  EXPECT_EQ(RightVolume(devices.Volume[1]), 51200);
  const struct {
    uint32_t Volume;
    uint8_t Level;
  } levels[] = {{0, 0}, {0xFFFFFFFF, 255}, {VolumeOfLevel(255), 255}, {PackVolume(0, 0x8000), 64}};
  for (const auto& l : levels) EXPECT_EQ(LevelOfVolume(l.Volume), l.Level) << std::hex << l.Volume;
  EXPECT_EQ(VolumeCapsFlag(TVolumeDeviceKind::Auxiliary), AUXCAPS_VOLUME);
  EXPECT_EQ(VolumeCapsFlag(TVolumeDeviceKind::WaveOut), WAVECAPS_VOLUME);
  EXPECT_EQ(VolumeCapsFlag(TVolumeDeviceKind::MidiOut), MIDICAPS_VOLUME);
}

TEST(AudioVolume, EachMediaPlayerSynthesizerIsAMidiOutputWhileItExists) {
  TAudioDevices& devices = PlatformAudioDevices();
  constexpr auto kMidi = TVolumeDeviceKind::MidiOut;
  ASSERT_EQ(devices.NumDevs(kMidi), 0);
  auto player = std::make_unique<TMediaPlayer>(nullptr, TMediaPlayerSetup{TMediaPlayerOutput::SilentRender});
  ASSERT_EQ(devices.NumDevs(kMidi), 1);
  TVolumeDevCaps caps;
  ASSERT_TRUE(devices.GetDevCaps(kMidi, 0, caps));
  EXPECT_EQ(caps.Support, MIDICAPS_VOLUME);
  uint32_t volume = 0;
  ASSERT_TRUE(devices.GetVolume(kMidi, 0, volume));
  EXPECT_EQ(volume, 0xFFFFFFFFu);  // a MIDI device starts at its full volume
  ASSERT_TRUE(devices.SetVolume(kMidi, 0, VolumeOfLevel(200)));
  ASSERT_TRUE(devices.GetVolume(kMidi, 0, volume));
  EXPECT_EQ(volume, PackVolume(51200, 51200));
  ASSERT_TRUE(devices.SetVolume(kMidi, 0, PackVolume(0x4000, 0xFFFF)));  // one channel: the left one
  ASSERT_TRUE(devices.GetVolume(kMidi, 0, volume));
  EXPECT_EQ(volume, PackVolume(0x4000, 0x4000));
  EXPECT_FALSE(devices.SetVolume(kMidi, 1, 0));
  player.reset();
  EXPECT_EQ(devices.NumDevs(kMidi), 0);
  EXPECT_FALSE(devices.GetVolume(kMidi, 0, volume));
  EXPECT_FALSE(devices.GetDevCaps(kMidi, 0, caps));
}

TEST(AudioVolume, WithoutASoundCardTheMixerKindsHaveNoDeviceAndSayNothing) {
  if (DirectoryExists("/dev/snd")) GTEST_SKIP() << "this machine has a sound card";
  TAudioDevices& devices = PlatformAudioDevices();
  testing::internal::CaptureStderr();
  for (const auto kind : {TVolumeDeviceKind::Auxiliary, TVolumeDeviceKind::WaveOut}) {
    EXPECT_EQ(devices.NumDevs(kind), 0);
    TVolumeDevCaps caps;
    uint32_t volume = 0;
    EXPECT_FALSE(devices.GetDevCaps(kind, 0, caps));
    EXPECT_FALSE(devices.GetVolume(kind, 0, volume));
    EXPECT_FALSE(devices.SetVolume(kind, 0, VolumeOfLevel(100)));
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
