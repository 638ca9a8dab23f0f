// One item of a TCollection. An item created with a collection is appended
// to it and owned by it; deleting an item removes it from its collection.
#pragma once

#include <string>

#include "toolkit/component/TPersistent.h"

namespace qb {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }

  // Position in the collection, or -1 without one. SetIndex moves the item;
  // the others keep their order.
  int Index() const;
  void SetIndex(int index);

  // A number unique within the collection, given at insertion and never
  // reused while the collection lives.
  int ID() const { return id_; }

  // The text a designer lists the item under. The base gives the class name.
  virtual std::u16string DisplayName() const;

 protected:
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

}  // namespace qb
