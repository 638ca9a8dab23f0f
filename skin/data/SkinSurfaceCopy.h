// Copying part of a skin picture into a new 32-bit surface, the start of
// every image with alpha that a skin derives from its pictures.
#pragma once

#include <memory>

#include "platform/WinTypes.h"
#include "skin/data/TskBitmap.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

// A surface of the rectangle's size holding that part of the picture, alpha
// 0; pixels outside the picture stay 0. The rectangle must not be empty.
std::unique_ptr<TskBitmap> CopyPictureToSurface(const TBitmap& picture, const RECT& rect);

}  // namespace qb
