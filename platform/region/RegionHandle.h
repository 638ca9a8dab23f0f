// Region handles and the region functions of the platform interface.
// A region handle owns a qb::Region; DeleteObject frees it like any other
// drawing object. Every function here treats a null handle as a failure
// (ERROR, FALSE or null) instead of crashing.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"
#include "platform/gdi/GdiObject.h"
#include "platform/region/Region.h"

struct HRGN__ : HGDIOBJ__ {
  qb::Region region;
};
using HRGN = HRGN__*;

// Results that describe a region's complexity.
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// CombineRgn modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// Region data: a 32-byte header followed by nCount rectangles of 16 bytes.
constexpr DWORD RDH_RECTANGLES = 1;

struct RGNDATAHEADER {
  DWORD dwSize = sizeof(RGNDATAHEADER);
  DWORD iType = RDH_RECTANGLES;
  DWORD nCount = 0;
  DWORD nRgnSize = 0;
  RECT rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32 && sizeof(RECT) == 16);

struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];
};

// A world transform; only a null transform is supported by ExtCreateRegion.
struct XFORM;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);

// Builds a region from region data of `size` bytes. Data that is shorter
// than its header says, names another type than RDH_RECTANGLES, or comes with
// a transform yields null.
HRGN ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data);

// Stores src1 `mode` src2 in dest (src2 is ignored for RGN_COPY); dest may be
// one of the sources. Returns the complexity of the result.
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);

namespace qb {

// The complexity code (NULLREGION, SIMPLEREGION, COMPLEXREGION) of a region.
int RegionComplexity(const Region& region);

// A new handle holding a copy of `region`.
HRGN NewRegionHandle(Region region);

}  // namespace qb
