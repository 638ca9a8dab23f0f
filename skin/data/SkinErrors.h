// The errors a skin load or a skin build can raise. Each carries the text the
// user or the caller sees.
#pragma once

#include <stdexcept>

namespace qb {

// The inflater rejected the stored skin's data ("compression error"), or the
// data would unpack beyond what a skin can sensibly hold.
class EDecompressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The deflater failed while a stored skin was being built ("error").
class ECompressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A number in a skin definition value could not be converted.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A skin package or stored skin ended before a field it must hold.
class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file named by a skin definition could not be opened or read.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qb
