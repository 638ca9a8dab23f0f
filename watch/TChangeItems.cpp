#include "watch/TChangeItems.h"

#include <string>

#include "watch/TChangeNotify.h"
#include "watch/WatchErrors.h"

namespace qb {

TChangeItems::TChangeItems(TChangeNotify* owner)
    : TCollection(owner, ItemClass<TChangeItem>()), owner_(owner) {}

TChangeItem* TChangeItems::Add() {
  if (Count() >= kMaxItems)
    throw EWatchException("Maximum of " + std::to_string(kMaxItems) + " items exceeded");
  return static_cast<TChangeItem*>(TCollection::Add());
}

TChangeItem* TChangeItems::Items(int index) const {
  return static_cast<TChangeItem*>(TCollection::Items(index));
}

}  // namespace qb
