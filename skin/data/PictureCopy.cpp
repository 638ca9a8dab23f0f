#include "skin/data/PictureCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "skin/data/SkinImage.h"

namespace qb {
namespace {

bool IsEmpty(const RECT& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

ConstBgr24Pixels RowsOf(const Dib& dib) { return {dib.bits.data(), dib.width, dib.height, std::size_t(dib.Stride())}; }

}  // namespace

Dib ToBgr24(const Dib& picture) {
  Dib out;
  out.width = std::max(picture.width, 0);
  out.height = std::max(picture.height, 0);
  out.bitsPerPixel = 24;
  if (picture.bitsPerPixel == 24) {
    out.bits = picture.bits;
    return out;
  }
  const std::size_t stride = std::size_t(out.Stride());
  out.bits.assign(stride * std::size_t(out.height), 0);
  for (int y = 0; y < out.height; ++y) {
    BYTE* row = out.bits.data() + stride * std::size_t(y);
    for (int x = 0; x < out.width; ++x) {
      const std::uint32_t p = DibPixel(picture, x, y);
      row[3 * x] = BYTE(p);
      row[3 * x + 1] = BYTE(p >> 8);
      row[3 * x + 2] = BYTE(p >> 16);
    }
  }
  return out;
}

Bgr24Source::Bgr24Source(const TBitmap& picture) {
  const Dib& stored = picture.Image();
  if (stored.bitsPerPixel == 24 || stored.Empty()) {
    rows_ = RowsOf(stored);
  } else {
    converted_ = ToBgr24(stored);
    rows_ = RowsOf(*converted_);
  }
}

Bgr24Pixels ResizeBgr24(TBitmap& picture, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (picture.PixelFormat() != pf24bit) {
    picture.SetSize(0, 0);
    picture.SetPixelFormat(pf24bit);
  }
  picture.SetSize(width, height);
  HBITMAP handle = picture.Handle();
  if (!handle) return {};
  return {static_cast<BYTE*>(handle->Bits()), width, height, std::size_t(handle->Stride())};
}

void CopyPictureRect(const ConstBgr24Pixels& source, const RECT& from, const Bgr24Pixels& target, const RECT& to,
                     const RECT* clip) {
  if (IsEmpty(from) || IsEmpty(to)) return;
  const int fw = from.right - from.left, fh = from.bottom - from.top;
  const int tw = to.right - to.left, th = to.bottom - to.top;

  RECT area{std::max<LONG>(to.left, 0), std::max<LONG>(to.top, 0), std::min<LONG>(to.right, target.width),
            std::min<LONG>(to.bottom, target.height)};
  if (clip) {
    area = {std::max(area.left, clip->left), std::max(area.top, clip->top), std::min(area.right, clip->right),
            std::min(area.bottom, clip->bottom)};
  }
  auto sourceColumn = [&](int x) { return from.left + int(std::int64_t(x - to.left) * fw / tw); };
  auto sourceRow = [&](int y) { return from.top + int(std::int64_t(y - to.top) * fh / th); };

  if (fw == tw) {
    // Columns map one to one: trim to the source's columns and copy spans.
    area.left = std::max<LONG>(area.left, to.left - from.left);
    area.right = std::min<LONG>(area.right, to.left - from.left + source.width);
    if (area.right <= area.left) return;
    const std::size_t bytes = std::size_t(area.right - area.left) * 3;
    for (int y = area.top; y < area.bottom; ++y) {
      const int sy = sourceRow(y);
      if (sy < 0 || sy >= source.height) continue;
      std::memcpy(target.Row(y) + 3 * area.left, source.Row(sy) + 3 * sourceColumn(area.left), bytes);
    }
    return;
  }
  if (area.right <= area.left || area.bottom <= area.top) return;
  std::vector<int> columns(std::size_t(area.right - area.left));
  for (int x = area.left; x < area.right; ++x) columns[std::size_t(x - area.left)] = sourceColumn(x);
  // Rows that repeat a source row repeat the target row just written, when
  // every column of it came from the source.
  const bool wholeRows = columns.front() >= 0 && columns.back() < source.width;
  int previous = -1;
  for (int y = area.top; y < area.bottom; ++y) {
    const int sy = sourceRow(y);
    if (sy < 0 || sy >= source.height) continue;
    BYTE* out = target.Row(y);
    if (wholeRows && sy == previous) {
      std::memcpy(out + 3 * area.left, target.Row(y - 1) + 3 * area.left, std::size_t(area.right - area.left) * 3);
      continue;
    }
    previous = sy;
    const BYTE* in = source.Row(sy);
    for (int x = area.left; x < area.right; ++x) {
      const int sx = columns[std::size_t(x - area.left)];
      if (sx < 0 || sx >= source.width) continue;
      out[3 * x] = in[3 * sx];
      out[3 * x + 1] = in[3 * sx + 1];
      out[3 * x + 2] = in[3 * sx + 2];
    }
  }
}

void TileAlongX(const ConstBgr24Pixels& source, const RECT& band, const Bgr24Pixels& target, int start, int end,
                int top, int bottom) {
  const int t = band.right - band.left;
  if (t <= 0) return;
  const int n = (end - start) / t;
  for (int k = 0; k <= n; ++k) {
    const int x = start + k * t;
    const int cut = std::max(0, x + t - end);
    CopyPictureRect(source, {band.left, band.top, band.right - cut, band.bottom}, target,
                    {x, top, x + t - cut, bottom});
  }
}

void TileAlongY(const ConstBgr24Pixels& source, const RECT& band, const Bgr24Pixels& target, int start, int end,
                int left, int right) {
  const int t = band.bottom - band.top;
  if (t <= 0) return;
  const int n = (end - start) / t;
  for (int k = 0; k <= n; ++k) {
    const int y = start + k * t;
    const int cut = std::max(0, y + t - end);
    CopyPictureRect(source, {band.left, band.top, band.right, band.bottom - cut}, target,
                    {left, y, right, y + t - cut});
  }
}

}  // namespace qb
