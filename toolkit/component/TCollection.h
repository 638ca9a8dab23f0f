// An ordered list of items of one kind that owns them, for the list-valued
// properties of components (TChangeItems, TskSkinListItems).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/component/TCollectionItem.h"
#include "toolkit/component/TPersistent.h"

namespace qb {

class TCollection : public TPersistent {
 public:
  // Creates a new item in the given collection; the item appends itself.
  using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

  // The factory of an item class whose constructor takes the collection.
  template <typename Item>
  static ItemFactory ItemClass() {
    return [](TCollection* collection) { return new Item(collection); };
  }

  // `owner` is the persistent object the collection belongs to (usually a
  // component), or null.
  TCollection(TPersistent* owner, ItemFactory itemFactory);
  ~TCollection() override;

  // Appends and returns a new item made by the item factory.
  virtual TCollectionItem* Add();
  // Deletes every item, the last first.
  void Clear();
  void Delete(int index);

  int Count() const { return int(items_.size()); }
  TCollectionItem* Items(int index) const;
  TPersistent* Owner() const { return owner_; }

  // From another collection: clears this one and appends a new item for each
  // item of the source, in order, copied with the item's Assign. Anything
  // else goes to the inherited Assign.
  void Assign(const TPersistent* source) override;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  friend class TCollectionItem;
  void Insert(TCollectionItem* item);
  void Remove(TCollectionItem* item);
  void Move(int from, int to);
  int IndexOf(const TCollectionItem* item) const;

  TPersistent* owner_;
  ItemFactory itemFactory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int nextId_ = 0;
};

}  // namespace qb
