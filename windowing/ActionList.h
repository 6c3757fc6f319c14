// A list of actions; actions nested in it in a form description belong to it.
#pragma once

#include <vector>

#include "runtime/Component.h"
#include "windowing/ComponentRef.h"
#include "windowing/ImageList.h"
#include "windowing/Persistent.h"

class TAction;

class TActionList : public TComponent, public TPersistent {
 public:
  explicit TActionList(TComponent* owner) : TComponent(owner) {}
  ~TActionList() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TAction* Actions(int index) const { return FActions.at(static_cast<size_t>(index)); }
  TCustomImageList* Images() const { return FImages.Get(); }
  void SetImages(TCustomImageList* images) { FImages.Set(this, images); }
  // Runs the update of every action.
  void UpdateActions() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TAction;
  void AddAction(TAction* action);
  void RemoveAction(TAction* action);

  std::vector<TAction*> FActions;
  TComponentRef<TCustomImageList> FImages;
};
