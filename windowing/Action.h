// Actions: a command with caption, short cut and state that menu items and
// controls link to. Linked clients take the action's settings whenever they
// change and run the action when clicked. An action of a form answers its
// short cut while that form is the active window. An action belongs to at
// most one list of actions, which lends its clients the images and updates
// its actions together.
#pragma once

#include <QAction>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Component.h"
#include "windowing/ComponentRef.h"
#include "windowing/Events.h"
#include "windowing/ImageList.h"
#include "windowing/Keys.h"
#include "windowing/Persistent.h"

class TCustomActionList;

class TAction : public TComponent, public TPersistent {
 public:
  explicit TAction(TComponent* owner);
  ~TAction() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption) { Set(FCaption, caption); }
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked) { Set(FChecked, checked); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) { Set(FEnabled, enabled); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible) { Set(FVisible, visible); }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut) { Set(FShortCut, shortCut); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index) { Set(FImageIndex, index); }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint) { Set(FHint, hint); }
  const std::string& Category() const { return FCategory; }
  void SetCategory(const std::string& category) { FCategory = category; }

  TCustomActionList* ActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* list);

  // Runs OnExecute (when the action is enabled); false when it has none.
  bool Execute();
  // Runs OnUpdate, which sets the state; false when it has none.
  bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

  // Clients that follow the action. A client is told by its own removal.
  void AddChangeListener(const TComponent* client, std::function<void()> listener);
  void RemoveChangeListener(const TComponent* client);

  QAction& QtAction() { return *FQtAction; }

  // Links a client control to action (null unlinks) through its reference:
  // the action it had stops telling it of changes; the new one tells it
  // through apply from now on, and once at once.
  static void Link(TComponent* client, TComponentRef<TAction>& link, TAction* action, std::function<void()> apply);

 private:
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();

  std::string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  TShortCut FShortCut = 0;
  int FImageIndex = -1;
  std::string FHint;
  std::string FCategory;
  TCustomActionList* FActionList = nullptr;
  std::vector<std::pair<const TComponent*, std::function<void()>>> FListeners;
  std::unique_ptr<QAction> FQtAction;
};

// A list of actions: the actions that belong to it and the image list they
// show their images from. TActionList is the one descriptions name.
class TCustomActionList : public TComponent {
 public:
  explicit TCustomActionList(TComponent* owner) : TComponent(owner) {}
  ~TCustomActionList() override;

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
