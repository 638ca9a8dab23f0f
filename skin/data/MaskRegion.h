// Window shapes from mask pictures: a pixel that is exactly black (red,
// green and blue all 0) belongs to the window, every other pixel is outside.
// Masks of any pixel format are read as 24-bit colour.
#pragma once

#include <vector>

#include "platform/WinTypes.h"
#include "platform/gdi/GdiObject.h"
#include "platform/region/RegionHandle.h"
#include "skin/data/SkinCompose.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

// The four frame strips of a whole mask picture (the piece is the full
// picture) for a target `width` wide and as high as `moved.client`; edges are
// always tiled. Strips whose size conditions fail are left empty.
void ComposeMaskStrips(const PieceCorners& piece, const TBitmap& mask, int width, const PieceCorners& moved,
                       FrameStrips& strips);

// Region data in the Windows layout (RGNDATAHEADER, then the rectangles):
// one rectangle per maximal run of black pixels in a row, one pixel high,
// rows from the top and runs from the left, shifted by (x, y). The data's
// size is 32 + 16 × runs; an empty mask gives no data. Every run is kept,
// however many there are, so that a window shape is never cut off.
std::vector<BYTE> MaskToRegionData(const TBitmap& mask, int x, int y);

// The region of the whole mask at 1:1; none for an empty mask.
GdiHandle<HRGN> RegionFromMask(const TBitmap& mask);

// The region for a target of width × height built from the mask's frame
// strips and the client rectangle `moved.client`. None when the target is too
// small for the corners (the window keeps its full rectangle) or when the
// moved client rectangle is empty.
GdiHandle<HRGN> RegionFromMaskForSize(const PieceCorners& piece, const TBitmap& mask, int width, int height,
                                      const PieceCorners& moved);

}  // namespace qb
