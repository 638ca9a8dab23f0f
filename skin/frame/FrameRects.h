// Rectangle helpers of the frame: right and bottom edges are exclusive, a
// rectangle is empty when its width or height is 0 or less.
#pragma once

#include "platform/WinTypes.h"

namespace qb {

inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }
inline bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }
inline RECT Offset(const RECT& r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace qb
