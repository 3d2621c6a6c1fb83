#pragma once
// Collections: owned lists of items with published properties, streamed as "< item ... end >"
// (the panels of a status bar).
#include <functional>
#include <memory>
#include <vector>

#include "TypeInfo.h"

namespace tk {

class TCollection;

class TCollectionItem : public TObject {
  TK_CLASS(TCollectionItem)
 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  TCollection* Collection() const { return collection_; }
  int Index() const;

 protected:
  void Changed();

 private:
  TCollection* collection_;
};

class TCollection : public TObject {
  TK_CLASS(TCollection)
 public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
  explicit TCollection(ItemFactory factory) : factory_(std::move(factory)) {}

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;

  // Called with the item that changed, or null when the list itself changed.
  std::function<void(TCollectionItem*)> OnUpdate;

 private:
  friend class TCollectionItem;
  void Update(TCollectionItem* item) { if (OnUpdate) OnUpdate(item); }
  ItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace tk
