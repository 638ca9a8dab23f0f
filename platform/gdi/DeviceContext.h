// Device contexts: where drawing goes and with what.
//
// A device context draws into a qb::Surface: the selected bitmap of a memory
// context, or a window's backing store. Logical coordinates become device
// coordinates through the window and viewport origins
// (device = logical − window origin + viewport origin); device (0, 0) lies
// at Target().origin inside the surface. The clip region is kept in device
// coordinates, as on Windows, so origins set later do not move it.
#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/region/Region.h"

struct HFONT__;
using HFONT = HFONT__*;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

namespace qb {

// Everything SaveDC keeps.
struct DcState {
  POINT windowOrg;
  POINT viewportOrg;
  std::optional<Region> clip;  // device coordinates; none means everything
  HBITMAP bitmap = nullptr;
  HBRUSH brush = nullptr;
  HPEN pen = nullptr;
  HFONT font = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  int stretchMode = BLACKONWHITE;
  POINT currentPosition;
};

// Where one drawing operation writes.
struct DrawTarget {
  Surface* surface = nullptr;
  POINT origin;  // device (0, 0) inside the surface
  Region clip;   // the pixels that may change, in surface coordinates
};

}  // namespace qb

struct HDC__ {
  HDC__();
  virtual ~HDC__();
  HDC__(const HDC__&) = delete;
  HDC__& operator=(const HDC__&) = delete;

  // Resolves the drawing target. The surface and clip are valid until the
  // next call to Changed(); false when there is nothing to draw into.
  bool Target(qb::DrawTarget& target);
  // Reports that drawing touched `surfaceRect` of the last target.
  virtual void Changed(const RECT& surfaceRect);

  // Selects an object of any kind, keeping the selection counts; returns the
  // previous one of that kind.
  HGDIOBJ Select(HGDIOBJ object);

  qb::DcState state;
  std::vector<qb::DcState> saved;

 protected:
  // The surface, the device origin in it and, for window contexts, the
  // visible part in device coordinates (none for the whole surface).
  virtual qb::Surface* Resolve(POINT& origin, std::optional<qb::Region>& visible) = 0;
  // Counts every object in `s` as selected (or no longer selected).
  static void Hold(const qb::DcState& s, int delta);
  friend int RestoreDC(HDC, int);
  friend int SaveDC(HDC);
};

namespace qb {

// A device context drawing into the bitmap selected into it. It starts with
// a 1 × 1 bitmap of its own selected, so that selecting the previous bitmap
// back releases the caller's.
class MemoryDc : public HDC__ {
 public:
  MemoryDc();
  ~MemoryDc() override;
  void Changed(const RECT& surfaceRect) override;

 protected:
  Surface* Resolve(POINT& origin, std::optional<Region>& visible) override;

 private:
  HBITMAP__ defaultBitmap_{1, 1};
};

// Logical point to device point.
POINT ToDevice(const DcState& s, POINT logical);

}  // namespace qb
