// The root of the toolkit's class tree: a polymorphic object that knows its
// own class name, so that event senders and error texts can name it.
#pragma once

#include <string>

namespace qb {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The unqualified name of the object's dynamic class ("TChangeItem").
  std::u16string ClassName() const;
};

}  // namespace qb
