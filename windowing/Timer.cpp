#include "windowing/Timer.h"

#include <algorithm>

#include "windowing/Guarded.h"

namespace {
constexpr int kMinimumInterval = 10;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  QObject::connect(&FTimer, &QTimer::timeout, [this] {
    if (OnTimer) Guarded([this] { OnTimer(this); });
  });
  UpdateTimer();
}

const TClassInfo& TTimer::StaticClassInfo() {
  static const auto info = DefineClass<TTimer>("TTimer", ComponentClassInfo(), [](TPublisher<TTimer>& p) {
    p.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
        .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
        .Event("OnTimer", &TTimer::OnTimer);
  });
  return *info;
}

void TTimer::SetEnabled(bool enabled) {
  if (FEnabled == enabled) return;
  FEnabled = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(int interval) {
  if (FInterval == interval) return;
  FInterval = interval;
  UpdateTimer();
}

int TTimer::EffectiveInterval() const { return std::max(kMinimumInterval, FInterval); }

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  FTimer.stop();
  if (FEnabled && !IsLoading()) FTimer.start(EffectiveInterval());
}
