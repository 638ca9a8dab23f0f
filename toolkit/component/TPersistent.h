// An object whose state can be copied from another object of a related kind.
#pragma once

#include "toolkit/component/TObject.h"

namespace qb {

class TPersistent : public TObject {
 public:
  // Copies the state of `source` into this object. A class that knows how to
  // copy from some kinds of source overrides this and hands every other
  // source to the inherited version. The base gives the source the chance to
  // copy itself into this object (AssignTo); when it cannot either, or when
  // `source` is null, the copy fails with EAssignError.
  virtual void Assign(const TPersistent* source);

 protected:
  // The reverse direction of Assign, for sources that know their targets.
  // The base fails with EAssignError.
  virtual void AssignTo(TPersistent* dest) const;

  // The object this one belongs to for naming and streaming (a collection's
  // owner, an item's collection), or null.
  virtual TPersistent* GetOwner() const { return nullptr; }
};

}  // namespace qb
