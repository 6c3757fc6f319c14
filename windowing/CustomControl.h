// Owner-painted windowed controls: they paint all of their area in Paint.
#pragma once

#include "windowing/WinControl.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool IsOwnerPainted() const override { return true; }
};
