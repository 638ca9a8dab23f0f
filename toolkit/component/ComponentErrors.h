// The errors of the component model. Messages are UTF-8.
#pragma once

#include <stdexcept>

namespace qb {

// A persistent object was asked to copy from an object whose kind it does not
// know ("Cannot assign a TFoo to a TBar").
class EAssignError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A component name that is no identifier, or one that its owner already uses.
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A component was taken as a class it is not ("Invalid class typecast").
class EInvalidCast : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qb
