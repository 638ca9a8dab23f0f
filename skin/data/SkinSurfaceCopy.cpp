#include "skin/data/SkinSurfaceCopy.h"

#include <algorithm>

#include "platform/Check.h"
#include "skin/data/DibPixel.h"
#include "skin/data/SkinValues.h"

namespace qb {

std::unique_ptr<TskBitmap> CopyPictureToSurface(const TBitmap& picture, const RECT& rect) {
  QB_CHECK(!IsRectEmpty(rect));
  auto surface = std::make_unique<TskBitmap>();
  surface->SetSize(rect.right - rect.left, rect.bottom - rect.top);
  const Dib& dib = picture.Image();
  const int x0 = std::max(rect.left, 0), x1 = std::min(rect.right, dib.width);
  const int y0 = std::max(rect.top, 0), y1 = std::min(rect.bottom, dib.height);
  for (int y = y0; y < y1; ++y) {
    std::uint32_t* row = surface->ScanLine(y - rect.top);
    for (int x = x0; x < x1; ++x) row[x - rect.left] = DibPixel(dib, x, y) & 0x00FFFFFFu;
  }
  return surface;
}

}  // namespace qb
