#pragma once
// Components: named objects with an owner that frees what it owns.
#include <cstdint>
#include <string>
#include <vector>

#include "TypeInfo.h"

namespace tk {

enum class TComponentStateFlag { csLoading, csReading, csDesigning, csDestroying };
TK_ENUM(TComponentStateFlag, "csLoading", "csReading", "csDesigning", "csDestroying");
using TComponentState = TSet<TComponentStateFlag>;

enum class TOperation { opInsert, opRemove };

class TComponent : public TObject {
  TK_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Frees a component the way its owner would: BeforeDestruction while the whole object is still
  // alive (forms run OnDestroy there), the free notifications, then the destructor.
  static void Free(TComponent* component);

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  const std::vector<TComponent*>& ComponentList() const { return components_; }
  TComponent* FindComponent(std::string_view name) const;  // case-insensitive, direct children
  template <class T> T* FindComponentAs(std::string_view name) const { return dynamic_cast<T*>(FindComponent(name)); }

  // Ownership moves: the component is removed from its old owner's list.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponentState ComponentState() const { return state_; }
  bool Loading() const { return state_.Contains(TComponentStateFlag::csLoading); }
  bool Reading() const { return state_.Contains(TComponentStateFlag::csReading); }
  bool Destroying() const { return state_.Contains(TComponentStateFlag::csDestroying); }
  bool Designing() const { return state_.Contains(TComponentStateFlag::csDesigning); }
  // A component placed in a designer is edited, not run: components skip their run-time work then.
  void SetDesigning(bool value);

  // Layout streaming: the component is being read / has been read completely.
  void BeginRead();
  virtual void Loaded();
  // Nesting in a stored layout: controls get their parent, menu items their parent item.
  virtual void SetParentComponent(TComponent* parent) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }

  // Asks to be told (Notification opRemove) when `component` is freed, across owners. The notice
  // comes while the component is still whole: before its destructor when it is freed with Free,
  // at the start of the control destructors when a control is deleted directly.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void BeforeDestruction() {}
  // Marks the component as being destroyed and tells everyone who asked for a free notification.
  // Whoever asks again later is told by the next call (the last one is in ~TComponent).
  void SendFreeNotifications();

 private:
  TComponent* owner_ = nullptr;
  std::string name_;
  intptr_t tag_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
  bool beforeDestructionDone_ = false;
};

}  // namespace tk
