#include "Component.h"

#include <algorithm>

#include "Text.h"

namespace tk {
const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TComponent", &TObject::StaticClass());
    c.Property("Name", &TComponent::Name, &TComponent::SetName);
    c.Property("Tag", &TComponent::Tag, &TComponent::SetTag);
    return c;
  }();
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Tell whoever has not been told yet, then free what we own (last created first).
  SendFreeNotifications();
  while (!components_.empty()) Free(components_.back());  // each removes itself from the list
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free(TComponent* component) {
  if (!component) return;
  if (!component->beforeDestructionDone_) {
    component->beforeDestructionDone_ = true;
    component->state_.Include(TComponentStateFlag::csDestroying);
    component->BeforeDestruction();
  }
  component->SendFreeNotifications();
  delete component;
}

void TComponent::SendFreeNotifications() {
  state_.Include(TComponentStateFlag::csDestroying);
  // One at a time from the live list: a client told may free another client, which then leaves the
  // list through its own free notification to us.
  while (!freeNotifies_.empty()) {
    TComponent* c = freeNotifies_.front();
    freeNotifies_.erase(freeNotifies_.begin());
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::opRemove);
  }
}

void TComponent::SetName(const std::string& name) {
  if (owner_ && !name.empty()) {
    TComponent* same = owner_->FindComponent(name);
    if (same && same != this) throw std::runtime_error("A component named " + name + " already exists");
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  components_.erase(it);
  component->owner_ = nullptr;
  Notification(component, TOperation::opRemove);
}

void TComponent::BeginRead() {
  state_.Include(TComponentStateFlag::csLoading).Include(TComponentStateFlag::csReading);
}

void TComponent::SetDesigning(bool value) {
  if (value) state_.Include(TComponentStateFlag::csDesigning);
  else state_.Exclude(TComponentStateFlag::csDesigning);
}

void TComponent::Loaded() {
  state_.Exclude(TComponentStateFlag::csLoading).Exclude(TComponentStateFlag::csReading);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  std::erase(freeNotifies_, component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) std::erase(freeNotifies_, component);
}

}  // namespace tk
