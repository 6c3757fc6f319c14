// Owner-painted windowless controls: they paint over their parent and stay
// below the windowed siblings.
#pragma once

#include "windowing/Control.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool IsOwnerPainted() const override { return true; }
};
