// A reference from one component to another that it does not own. The
// holder asks to hear when the target is freed; its Notification then calls
// Release, which compares addresses only: by the time the notice arrives the
// target may be half destroyed and must not be inspected.
#pragma once

#include "runtime/Component.h"

template <class T>
class TComponentRef {
 public:
  T* Get() const { return FTarget; }
  T* operator->() const { return FTarget; }
  explicit operator bool() const { return FTarget != nullptr; }

  void Set(TComponent* holder, T* target) {
    FTarget = target;
    FBase = target;
    if (target && holder) holder->FreeNotification(target);
  }
  // Clears the reference when component is its target; true when it was.
  bool Release(const TComponent* component) {
    if (!component || component != FBase) return false;
    FTarget = nullptr;
    FBase = nullptr;
    return true;
  }

 private:
  T* FTarget = nullptr;
  const TComponent* FBase = nullptr;
};
