#include "runtime/Component.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Remembers what it was told and drops its reference to a removed peer.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Peer = nullptr;
  std::vector<std::string>* Log = nullptr;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove && c == Peer) Peer = nullptr;
    if (Log) Log->push_back(Name() + (op == TOperation::opInsert ? "+" : "-") + c->Name());
  }
};

}  // namespace

TEST(Component, OwnerFreesNewestFirstAndPeersHearOfIt) {
  std::vector<std::string> log;
  TComponent form(nullptr);
  auto* a = new TWatcher(&form);
  a->SetName("a");
  a->Log = &log;
  auto* b = new TWatcher(&form);
  b->SetName("b");
  a->Peer = b;
  EXPECT_EQ(form.ComponentCount(), 2);
  EXPECT_EQ(form.FindComponent("B"), b);
  delete b;  // a is told and forgets it
  EXPECT_EQ(a->Peer, nullptr);
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(log.back(), "a-b");
}

TEST(Component, FreeNotificationReachesAcrossOwners) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* watcher = new TWatcher(&formA);
  auto* other = new TComponent(&formB);
  watcher->Peer = other;
  other->FreeNotification(watcher);
  delete other;
  EXPECT_EQ(watcher->Peer, nullptr);
}
