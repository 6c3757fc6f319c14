// The list of actions that form descriptions name; actions nested in it in
// a description belong to it.
#pragma once

#include "windowing/Action.h"
#include "windowing/Persistent.h"

class TActionList : public TCustomActionList, public TPersistent {
 public:
  explicit TActionList(TComponent* owner) : TCustomActionList(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
