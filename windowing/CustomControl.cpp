#include "windowing/CustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const auto info = DefineClass<TCustomControl>("TCustomControl", TWinControl::StaticClassInfo(), nullptr);
  return *info;
}
