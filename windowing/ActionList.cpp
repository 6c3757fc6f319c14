#include "windowing/ActionList.h"

const TClassInfo& TActionList::StaticClassInfo() {
  static const auto info =
      DefineClass<TActionList>("TActionList", ComponentClassInfo(), [](TPublisher<TActionList>& p) {
        p.Component<TCustomImageList>("Images", &TActionList::Images, &TActionList::SetImages);
      });
  return *info;
}
