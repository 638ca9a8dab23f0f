// The error that ends a print command: its message says what went wrong in
// words the person who printed can act on.
#pragma once

#include <stdexcept>

namespace qb {

class EPrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qb
