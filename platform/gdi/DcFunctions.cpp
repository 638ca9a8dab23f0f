#include <cstring>
#include <limits>

#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Font.h"

namespace {

// Stands for "no clip region yet" when a rectangle is excluded.
constexpr LONG kFar = std::numeric_limits<LONG>::max() / 4;

int ClipResult(HDC dc) {
  qb::DrawTarget target;
  if (!dc->Target(target)) return NULLREGION;
  return qb::RegionComplexity(target.clip);
}

RECT DeviceRect(HDC dc, int left, int top, int right, int bottom) {
  const POINT a = qb::ToDevice(dc->state, POINT{left, top});
  const POINT b = qb::ToDevice(dc->state, POINT{right, bottom});
  return RECT{a.x, a.y, b.x, b.y};
}

template <typename Value>
Value Exchange(Value& slot, Value value) {
  Value previous = slot;
  slot = value;
  return previous;
}

BOOL MoveOrigin(POINT& origin, int x, int y, POINT* previous) {
  if (previous) *previous = origin;
  origin = POINT{x, y};
  return TRUE;
}

BOOL ShiftOrigin(POINT& origin, int dx, int dy, POINT* previous) {
  return MoveOrigin(origin, origin.x + dx, origin.y + dy, previous);
}

BOOL ReadOrigin(const POINT& origin, POINT* out) {
  if (!out) return FALSE;
  *out = origin;
  return TRUE;
}

}  // namespace

HDC CreateCompatibleDC(HDC) { return new qb::MemoryDc(); }

BOOL DeleteDC(HDC dc) {
  if (!dynamic_cast<qb::MemoryDc*>(dc)) return FALSE;
  delete dc;
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!dc || !object) return nullptr;
  if (auto* region = dynamic_cast<HRGN>(object)) {
    return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(SelectClipRgn(dc, region)));
  }
  return dc->Select(object);
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_FONT: return dc->state.font;
    case OBJ_BITMAP: return dc->state.bitmap;
    default: return nullptr;
  }
}

int GetObject(HGDIOBJ object, int size, void* buffer) {
  if (auto* bitmap = dynamic_cast<HBITMAP>(object)) {
    if (!buffer || size < int(sizeof(BITMAP))) return 0;
    BITMAP info;
    info.bmWidth = bitmap->Width();
    info.bmHeight = bitmap->Height();
    info.bmWidthBytes = bitmap->Stride();
    info.bmBitsPixel = WORD(bitmap->BitsPerPixel());
    info.bmBits = bitmap->Bits();
    std::memcpy(buffer, &info, sizeof info);
    return int(sizeof info);
  }
  if (auto* font = dynamic_cast<HFONT>(object)) {
    if (!buffer || size < int(sizeof(LOGFONT))) return 0;
    std::memcpy(buffer, &font->logFont, sizeof(LOGFONT));
    return int(sizeof(LOGFONT));
  }
  return 0;
}

COLORREF SetTextColor(HDC dc, COLORREF color) { return dc ? Exchange(dc->state.textColor, color) : CLR_INVALID; }
COLORREF GetTextColor(HDC dc) { return dc ? dc->state.textColor : CLR_INVALID; }
COLORREF SetBkColor(HDC dc, COLORREF color) { return dc ? Exchange(dc->state.bkColor, color) : CLR_INVALID; }
COLORREF GetBkColor(HDC dc) { return dc ? dc->state.bkColor : CLR_INVALID; }

int SetBkMode(HDC dc, int mode) {
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return Exchange(dc->state.bkMode, mode);
}
int GetBkMode(HDC dc) { return dc ? dc->state.bkMode : 0; }

int SetStretchBltMode(HDC dc, int mode) {
  if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return Exchange(dc->state.stretchMode, mode);
}
int GetStretchBltMode(HDC dc) { return dc ? dc->state.stretchMode : 0; }

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
  return dc ? MoveOrigin(dc->state.windowOrg, x, y, previous) : FALSE;
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) { return dc ? ReadOrigin(dc->state.windowOrg, origin) : FALSE; }
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous) {
  return dc ? ShiftOrigin(dc->state.windowOrg, dx, dy, previous) : FALSE;
}
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
  return dc ? MoveOrigin(dc->state.viewportOrg, x, y, previous) : FALSE;
}
BOOL GetViewportOrgEx(HDC dc, POINT* origin) { return dc ? ReadOrigin(dc->state.viewportOrg, origin) : FALSE; }
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous) {
  return dc ? ShiftOrigin(dc->state.viewportOrg, dx, dy, previous) : FALSE;
}

int SelectClipRgn(HDC dc, HRGN region) {
  if (!dc) return ERROR;
  if (region) {
    dc->state.clip = region->region;
  } else {
    dc->state.clip.reset();
  }
  return ClipResult(dc);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return ERROR;
  const qb::Region rect(DeviceRect(dc, left, top, right, bottom));
  dc->state.clip = dc->state.clip ? dc->state.clip->Intersect(rect) : rect;
  return ClipResult(dc);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return ERROR;
  const qb::Region all(RECT{-kFar, -kFar, kFar, kFar});
  dc->state.clip = dc->state.clip.value_or(all).Subtract(qb::Region(DeviceRect(dc, left, top, right, bottom)));
  return ClipResult(dc);
}

int GetClipBox(HDC dc, RECT* box) {
  if (!dc || !box) return ERROR;
  qb::DrawTarget target;
  if (!dc->Target(target)) {
    *box = RECT{};
    return NULLREGION;
  }
  const RECT bounds = target.clip.Bounds();
  const POINT shift{-target.origin.x - dc->state.viewportOrg.x + dc->state.windowOrg.x,
                    -target.origin.y - dc->state.viewportOrg.y + dc->state.windowOrg.y};
  *box = target.clip.IsEmpty() ? RECT{}
                               : RECT{bounds.left + shift.x, bounds.top + shift.y, bounds.right + shift.x,
                                      bounds.bottom + shift.y};
  return qb::RegionComplexity(target.clip);
}

int SaveDC(HDC dc) {
  if (!dc) return 0;
  dc->saved.push_back(dc->state);
  HDC__::Hold(dc->state, +1);
  return int(dc->saved.size());
}

BOOL RestoreDC(HDC dc, int level) {
  if (!dc || level == 0) return FALSE;
  const int depth = int(dc->saved.size());
  const int target = level > 0 ? level : depth + level + 1;
  if (target < 1 || target > depth) return FALSE;
  HDC__::Hold(dc->state, -1);
  while (int(dc->saved.size()) > target) {
    HDC__::Hold(dc->saved.back(), -1);
    dc->saved.pop_back();
  }
  dc->state = std::move(dc->saved.back());
  dc->saved.pop_back();
  return TRUE;
}

int GetDeviceCaps(HDC, int index) {
  switch (index) {
    case BITSPIXEL: return 32;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
  }
}
