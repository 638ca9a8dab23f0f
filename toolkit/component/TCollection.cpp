#include "toolkit/component/TCollection.h"

#include <algorithm>

#include "platform/Check.h"

namespace qb {

TCollection::TCollection(TPersistent* owner, ItemFactory itemFactory)
    : owner_(owner), itemFactory_(std::move(itemFactory)) {
  QB_CHECK(itemFactory_);
}

TCollection::~TCollection() { Clear(); }

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = itemFactory_(this);
  QB_CHECK(item && item->collection_ == this);
  return item;
}

void TCollection::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

void TCollection::Delete(int index) {
  QB_CHECK(index >= 0 && index < Count());
  std::unique_ptr<TCollectionItem> item = std::move(items_[index]);
  items_.erase(items_.begin() + index);
  item->collection_ = nullptr;
}

TCollectionItem* TCollection::Items(int index) const {
  QB_CHECK(index >= 0 && index < Count());
  return items_[index].get();
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  Clear();
  for (const auto& item : other->items_) Add()->Assign(item.get());
}

void TCollection::Insert(TCollectionItem* item) {
  items_.emplace_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
}

void TCollection::Remove(TCollectionItem* item) {
  const int index = IndexOf(item);
  QB_CHECK(index >= 0);
  items_[index].release();
  items_.erase(items_.begin() + index);
  item->collection_ = nullptr;
}

void TCollection::Move(int from, int to) {
  QB_CHECK(from >= 0 && from < Count());
  to = std::clamp(to, 0, Count() - 1);
  std::unique_ptr<TCollectionItem> item = std::move(items_[from]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].get() == item) return i;
  return -1;
}

}  // namespace qb
