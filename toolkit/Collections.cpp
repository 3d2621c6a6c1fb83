#include "Collections.h"

namespace tk {

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info("TCollectionItem", &TObject::StaticClass());
  return info;
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info("TCollection", &TObject::StaticClass());
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_) collection_->Update(this);
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(this));
  Update(nullptr);
  return items_.back().get();
}

void TCollection::Delete(int index) {
  items_.erase(items_.begin() + index);
  Update(nullptr);
}

void TCollection::Clear() {
  items_.clear();
  Update(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

}  // namespace tk
