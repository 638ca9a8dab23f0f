// Copying rectangles between 24-bit pictures, the primitive every skin
// composition is made of. Pixels are 3 bytes (blue, green, red), rows
// top-down and padded to whole 32-bit words, as a BMP file lays them out.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

// Rows of 24-bit pixels in memory owned elsewhere.
template <typename Byte>
struct Bgr24Rows {
  Byte* bits = nullptr;
  int width = 0;
  int height = 0;
  std::size_t stride = 0;

  Byte* Row(int y) const { return bits + stride * std::size_t(y); }
};
using Bgr24Pixels = Bgr24Rows<BYTE>;
using ConstBgr24Pixels = Bgr24Rows<const BYTE>;

// `picture` in 24 bits per pixel (palette formats resolved, alpha dropped).
Dib ToBgr24(const Dib& picture);

// A picture's pixels as 24-bit rows, converted only when it is stored in
// another format. Valid while the picture is neither changed nor destroyed.
class Bgr24Source {
 public:
  explicit Bgr24Source(const TBitmap& picture);
  const ConstBgr24Pixels& operator*() const { return rows_; }

 private:
  std::optional<Dib> converted_;
  ConstBgr24Pixels rows_;
};

// Makes `picture` a 24-bit picture of width × height (sizes below 0 count
// as 0) and returns its pixels for writing. A picture that already is 24-bit
// and of that size keeps its pixels; any other gets new ones, all black.
Bgr24Pixels ResizeBgr24(TBitmap& picture, int width, int height);

// Copies rectangle `from` of `source` to rectangle `to` of `target`.
// Rectangles of different sizes scale without smoothing: target column x
// shows source column from.left + (x − to.left) × width(from) / width(to),
// truncated, and likewise for rows. Nothing is copied when either rectangle
// is empty. Only target pixels inside the target and inside `clip` (when
// given) change, and only where the source pixel lies inside the source.
void CopyPictureRect(const ConstBgr24Pixels& source, const RECT& from, const Bgr24Pixels& target, const RECT& to,
                     const RECT* clip = nullptr);

// Lays copies of `band` along x from `start`, the last one cut at `end`, in
// the rows top … bottom: (end − start) div t + 1 copies of tile width t, so a
// length that is a multiple of t ends with one empty copy. Tiles of width 0
// or less are skipped.
void TileAlongX(const ConstBgr24Pixels& source, const RECT& band, const Bgr24Pixels& target, int start, int end,
                int top, int bottom);
// The same downward, in the columns left … right.
void TileAlongY(const ConstBgr24Pixels& source, const RECT& band, const Bgr24Pixels& target, int start, int end,
                int left, int right);

}  // namespace qb
