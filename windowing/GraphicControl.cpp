#include "windowing/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { SetWindowless(true); }

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const auto info = DefineClass<TGraphicControl>("TGraphicControl", TControl::StaticClassInfo(), nullptr);
  return *info;
}
