// The skinned single-line edit: the platform's edit without a native
// border, inside a two-pixel frame that the control paints after every
// paint: a ring in BorderColor (the style's control border colour) and one
// in the edit's own Color.
#pragma once

#include "skin/SkinBorder.h"
#include "windowing/Edit.h"

class TSkinEdit : public TSkinBordered<TEdit> {
 public:
  explicit TSkinEdit(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
