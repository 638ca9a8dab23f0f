// Lets test failures print rectangles and points as numbers.
#pragma once

#include <ostream>

#include "platform/WinTypes.h"

inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
inline void PrintTo(const POINT& p, std::ostream* out) { *out << "(" << p.x << "," << p.y << ")"; }
