// Ownership: an owner frees what it owns, free notifications reach who asked, names stay unique.
#include <gtest/gtest.h>

#include "Component.h"

using namespace tk;

namespace {

struct Probe : TComponent {
  Probe(TComponent* owner, int* destroyed) : TComponent(owner), destroyed_(destroyed) {}
  ~Probe() override { ++*destroyed_; }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove) removed.push_back(c);
  }
  std::vector<TComponent*> removed;
  int* destroyed_;
};

TEST(ComponentTest, OwnerFreesWhatItOwnsDepthFirst) {
  int destroyed = 0;
  auto* root = new Probe(nullptr, &destroyed);
  auto* a = new Probe(root, &destroyed);
  new Probe(a, &destroyed);
  new Probe(root, &destroyed);
  EXPECT_EQ(root->ComponentCount(), 2);
  TComponent::Free(root);
  EXPECT_EQ(destroyed, 4);
}

TEST(ComponentTest, FreeingAChildTakesItOffItsOwnersList) {
  int destroyed = 0;
  Probe root(nullptr, &destroyed);
  auto* a = new Probe(&root, &destroyed);
  auto* b = new Probe(&root, &destroyed);
  TComponent::Free(a);
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0), b);
  EXPECT_EQ(root.removed.size(), 1u);
  EXPECT_EQ(root.removed[0], a);
}

TEST(ComponentTest, FreeNotificationReachesComponentsOfOtherOwners) {
  int destroyed = 0;
  Probe watcher(nullptr, &destroyed);
  Probe other(nullptr, &destroyed);
  auto* watched = new Probe(&other, &destroyed);
  watcher.FreeNotification(watched);
  TComponent::Free(watched);
  ASSERT_EQ(watcher.removed.size(), 1u);
  EXPECT_EQ(watcher.removed[0], watched);
}

TEST(ComponentTest, NamesAreUniqueAmongSiblingsAndFoundWithoutRegardToCase) {
  int destroyed = 0;
  Probe root(nullptr, &destroyed);
  auto* a = new Probe(&root, &destroyed);
  a->SetName("BitBtn1");
  auto* b = new Probe(&root, &destroyed);
  EXPECT_THROW(b->SetName("bitbtn1"), std::runtime_error);
  EXPECT_EQ(root.FindComponent("BITBTN1"), a);
  EXPECT_EQ(root.FindComponent(""), nullptr);
}

TEST(ComponentTest, ChangingOwnerMovesTheComponent) {
  int destroyed = 0;
  Probe first(nullptr, &destroyed), second(nullptr, &destroyed);
  auto* c = new Probe(&first, &destroyed);
  second.InsertComponent(c);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(second.ComponentCount(), 1);
  EXPECT_EQ(c->Owner(), &second);
}

}  // namespace
