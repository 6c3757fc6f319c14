#include "app/Volumes.h"

namespace {

constexpr int kRefreshInterval = 500;
constexpr int kTopLevel = 255;

bool Vertical(const TSkinTrackBar& bar) { return bar.Orientation() == TSkinProgressBarOrientation::skinVertical; }

// The bar keeps Min <= Max at every step, so a range wholly below 0 takes
// Min 0 only once Max is up.
void SetLevelRange(TSkinTrackBar& bar) {
  bar.SetMin(0);
  bar.SetMax(kTopLevel);
  bar.SetMin(0);
}

}  // namespace

TVolumeControl::TVolumeControl(TComponent* owner, TAudioDevices& devices) : TComponent(owner), FDevices(devices) {
  FTimer.SetEnabled(false);
  FTimer.OnTimer = [this](TComponent*) { UpdateTrackBars(); };
  FTimer.SetInterval(kRefreshInterval);
  FindDevices();
}

TVolumeControl::~TVolumeControl() {
  for (auto& bar : FTrackBars)
    if (bar) bar->OnChange = nullptr;
}

const TClassInfo& TVolumeControl::StaticClassInfo() {
  using T = TVolumeControl;
  static const auto info = DefineClass<T>("TVolumeControl", ComponentClassInfo(), [](TPublisher<T>& p) {
    p.Integer("Interval", &T::Interval, &T::SetInterval)
        .Integer("CDVolume", &T::CDVolume, &T::SetCDVolume)
        .Integer("WaveVolume", &T::WaveVolume, &T::SetWaveVolume)
        .Integer("MidiVolume", &T::MidiVolume, &T::SetMidiVolume)
        .Component<TSkinTrackBar>("CDTrackBar", &T::CDTrackBar, &T::SetCDTrackBar)
        .Component<TSkinTrackBar>("WaveTrackBar", &T::WaveTrackBar, &T::SetWaveTrackBar)
        .Component<TSkinTrackBar>("MidiTrackBar", &T::MidiTrackBar, &T::SetMidiTrackBar);
  });
  return *info;
}

void TVolumeControl::SetInterval(int interval) { FTimer.SetInterval(interval); }

void TVolumeControl::FindDevices() {
  for (size_t k = 0; k < KindCount; ++k) {
    const TVolumeDeviceKind kind = KindOf(k);
    FDevice[k] = -1;
    const int count = FDevices.NumDevs(kind);
    for (int device = 0; device < count; ++device) {
      TVolumeDevCaps caps;
      if (FDevices.GetDevCaps(kind, device, caps) && (caps.Support & VolumeCapsFlag(kind)) != 0) {
        FDevice[k] = device;
        FTimer.SetEnabled(true);
        break;
      }
    }
  }
}

uint8_t TVolumeControl::GetVolume(TVolumeDeviceKind kind) {
  const int32_t device = FDevice[Index(kind)];
  uint32_t volume = 0;
  if (device < 0 || !FDevices.GetVolume(kind, device, volume)) return 0;
  return LevelOfVolume(volume);
}

void TVolumeControl::SetVolume(TVolumeDeviceKind kind, uint8_t value) {
  const int32_t device = FDevice[Index(kind)];
  if (device >= 0) FDevices.SetVolume(kind, device, VolumeOfLevel(value));
}

bool TVolumeControl::IsBound(const TSkinTrackBar* bar) const {
  for (const auto& bound : FTrackBars)
    if (bound.Get() == bar) return true;
  return false;
}

void TVolumeControl::SetTrackBar(TVolumeDeviceKind kind, TSkinTrackBar* bar) {
  auto& bound = FTrackBars[Index(kind)];
  TSkinTrackBar* const previous = bound.Get();
  if (previous == bar) return;
  bound.Set(this, bar);
  // Its change callback would otherwise outlive this control.
  if (previous && !IsBound(previous)) previous->OnChange = nullptr;
  UpdateTrackBars();
}

void TVolumeControl::UpdateTrackBars() {
  for (size_t k = 0; k < KindCount; ++k)
    if (TSkinTrackBar* bar = FTrackBars[k].Get()) UpdateTrackBar(KindOf(k), *bar);
}

void TVolumeControl::UpdateTrackBar(TVolumeDeviceKind kind, TSkinTrackBar& bar) {
  const uint8_t level = GetVolume(kind);
  FRefreshing = true;
  SetLevelRange(bar);
  bar.SetPosition(Vertical(bar) ? kTopLevel - level : level);
  FRefreshing = false;
  bar.OnChange = [this](TComponent* sender) { TrackBarChange(sender); };
}

void TVolumeControl::TrackBarChange(TComponent* sender) {
  if (FRefreshing) return;
  for (size_t k = 0; k < KindCount; ++k) {
    const TSkinTrackBar* bar = FTrackBars[k].Get();
    if (!bar || bar != sender) continue;
    const int position = bar->Position();
    SetVolume(KindOf(k), static_cast<uint8_t>(Vertical(*bar) ? ~position : position));
  }
}

void TVolumeControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  for (auto& bar : FTrackBars) bar.Release(component);
}
