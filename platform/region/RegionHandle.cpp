#include "platform/region/RegionHandle.h"

#include <cstring>
#include <vector>

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return qb::NewRegionHandle(qb::Region(RECT{left, top, right, bottom}));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (!rect) return nullptr;
  return qb::NewRegionHandle(qb::Region(*rect));
}

HRGN ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data) {
  if (transform || !data || size < sizeof(RGNDATAHEADER)) return nullptr;
  RGNDATAHEADER header;
  std::memcpy(static_cast<void*>(&header), static_cast<const void*>(data), sizeof header);
  if (header.iType != RDH_RECTANGLES || header.dwSize < sizeof(RGNDATAHEADER) || header.dwSize > size) {
    return nullptr;
  }
  const std::uint64_t needed = std::uint64_t(header.dwSize) + std::uint64_t(header.nCount) * sizeof(RECT);
  if (needed > size) return nullptr;
  std::vector<RECT> rects(header.nCount);
  if (header.nCount > 0) {
    std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + header.dwSize, header.nCount * sizeof(RECT));
  }
  return qb::NewRegionHandle(qb::Region::FromRects(rects));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  if (!dest || !src1) return ERROR;
  if (mode != RGN_COPY && !src2) return ERROR;
  switch (mode) {
    case RGN_AND: dest->region = src1->region.Intersect(src2->region); break;
    case RGN_OR: dest->region = src1->region.Union(src2->region); break;
    case RGN_DIFF: dest->region = src1->region.Subtract(src2->region); break;
    case RGN_XOR:
      dest->region = src1->region.Subtract(src2->region).Union(src2->region.Subtract(src1->region));
      break;
    case RGN_COPY: dest->region = src1->region; break;
    default: return ERROR;
  }
  return qb::RegionComplexity(dest->region);
}

int OffsetRgn(HRGN region, int dx, int dy) {
  if (!region) return ERROR;
  region->region.Offset(dx, dy);
  return qb::RegionComplexity(region->region);
}

BOOL PtInRegion(HRGN region, int x, int y) {
  return region && region->region.Contains(x, y) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* box) {
  if (!region || !box) return ERROR;
  *box = region->region.Bounds();
  return qb::RegionComplexity(region->region);
}

BOOL EqualRgn(HRGN a, HRGN b) {
  if (!a || !b) return FALSE;
  return a->region == b->region ? TRUE : FALSE;
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  if (!region) return FALSE;
  region->region = qb::Region(RECT{left, top, right, bottom});
  return TRUE;
}

namespace qb {

int RegionComplexity(const Region& region) {
  if (region.IsEmpty()) return NULLREGION;
  return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

HRGN NewRegionHandle(Region region) {
  HRGN handle = new HRGN__;
  handle->region = std::move(region);
  return handle;
}

}  // namespace qb
