// The component base: a component belongs to an owner, which frees it. When
// a component joins or leaves an owner, the owner and everything it owns
// hear of it through Notification, so references between them never dangle.
#pragma once

#include <string>
#include <vector>

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,
  csReading = 1u << 1,
  csDestroying = 1u << 2,
  csDesigning = 1u << 3,
};

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& name) { FName = name; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
  // The owned component of that name (compared without regard to case), or null.
  TComponent* FindComponent(const std::string& name) const;

  // Moves ownership: removes from the current owner (if any) and adds to this one.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // Asks to be told (through Notification) when other is freed, also when
  // the two have different owners.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  unsigned ComponentState() const { return FComponentState; }
  bool IsLoading() const { return (FComponentState & csLoading) != 0; }
  bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
  void SetLoading(bool loading);
  // Called once all components of a loaded description have their properties.
  virtual void Loaded();

  // Frees every owned component, newest first.
  void DestroyComponents();

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  // Marks the component as being destroyed; derived destructors that still
  // need their fields while children go call this first.
  void Destroying() { FComponentState |= csDestroying; }

 private:
  TComponent* FOwner = nullptr;
  std::string FName;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  unsigned FComponentState = 0;
};
