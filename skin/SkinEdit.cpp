#include "skin/SkinEdit.h"

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinBordered<TEdit>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(2);
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TClassInfo& TSkinEdit::StaticClassInfo() {
  static const auto info = DefineClass<TSkinEdit>("TSkinEdit", TEdit::StaticClassInfo(),
                                                  [](TPublisher<TSkinEdit>& p) { PublishStyle(p); });
  return *info;
}
