// The items of a TskCompressedSkinList.
#pragma once

#include "skin/data/TskSkinListItem.h"
#include "toolkit/component/TCollection.h"

namespace qb {

class TskCompressedSkinList;

class TskSkinListItems : public TCollection {
 public:
  explicit TskSkinListItems(TskCompressedSkinList* list);

  TskCompressedSkinList* SkinList() const { return list_; }
  TskSkinListItem* Add() override { return static_cast<TskSkinListItem*>(TCollection::Add()); }
  TskSkinListItem* Items(int index) const { return static_cast<TskSkinListItem*>(TCollection::Items(index)); }

 private:
  TskCompressedSkinList* list_;
};

}  // namespace qb
