#include "toolkit/component/TCollectionItem.h"

#include "toolkit/component/TCollection.h"

namespace qb {

TCollectionItem::TCollectionItem(TCollection* collection) {
  if (collection) collection->Insert(this);
}

TCollectionItem::~TCollectionItem() {
  if (collection_) collection_->Remove(this);
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int index) {
  if (collection_) collection_->Move(Index(), index);
}

std::u16string TCollectionItem::DisplayName() const { return ClassName(); }

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

}  // namespace qb
