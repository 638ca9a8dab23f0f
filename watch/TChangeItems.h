// The watched folders of a TChangeNotify, at most 64. Assigning another
// list clears this one and adds a copy of each source entry in order (the
// collection's copy, which adds through Add and so keeps the limit).
#pragma once

#include "toolkit/component/TCollection.h"
#include "watch/TChangeItem.h"

namespace qb {

class TChangeNotify;

class TChangeItems : public TCollection {
 public:
  static constexpr int kMaxItems = 64;

  explicit TChangeItems(TChangeNotify* owner);

  TChangeNotify* ChangeNotify() const { return owner_; }

  // Fails with EWatchException "Maximum of 64 items exceeded" when the list
  // is full.
  TChangeItem* Add() override;
  TChangeItem* Items(int index) const;

 private:
  TChangeNotify* owner_;
};

}  // namespace qb
