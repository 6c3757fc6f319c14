#include "windowing/SizeConstraints.h"

#include <algorithm>

int TSizeConstraints::Constrain(int value, int min, int max) {
  if (max > 0) value = std::min(value, max);
  if (min > 0) value = std::max(value, min);
  return value;
}

void TSizeConstraints::Set(int& field, int value) {
  value = std::max(0, value);
  if (field == value) return;
  field = value;
  if (OnChange) OnChange();
}

const TClassInfo& TSizeConstraints::StaticClassInfo() {
  static const auto info = DefineClass<TSizeConstraints>("TSizeConstraints", PersistentClassInfo(),
                                                         [](TPublisher<TSizeConstraints>& p) {
    p.Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
        .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
        .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
        .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth);
  });
  return *info;
}
