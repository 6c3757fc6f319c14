// A timer on the GUI thread: runs OnTimer every Interval milliseconds while
// it is enabled (and not being loaded). Intervals below 10 ms count as 10,
// as the platform's timers have no finer step.
#pragma once

#include <QTimer>

#include "runtime/Component.h"
#include "windowing/Events.h"
#include "windowing/Persistent.h"

class TTimer : public TComponent, public TPersistent {
 public:
  explicit TTimer(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  int Interval() const { return FInterval; }
  void SetInterval(int interval);
  // The period the timer really runs at.
  int EffectiveInterval() const;
  bool Running() const { return FTimer.isActive(); }

  TNotifyEvent OnTimer;

 protected:
  void Loaded() override;

 private:
  void UpdateTimer();

  bool FEnabled = true;
  int FInterval = 1000;
  QTimer FTimer;
};
