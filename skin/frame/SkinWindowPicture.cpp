#include "skin/frame/SkinWindowPicture.h"

#include <algorithm>

#include "skin/data/MaskRegion.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/FrameRects.h"

namespace qb {

SkinWindowPicture SkinWindowPicture::Make(const TskSkinData* data, int pictureIndex, int maskIndex,
                                          const POINT (&points)[4], const RECT& inner, const bool (&stretch)[5],
                                          TStretchType type) {
  SkinWindowPicture p;
  if (data == nullptr || data->Empty() || pictureIndex == -1) return p;
  p.picture = data->ActivePicture(pictureIndex);
  p.mask = maskIndex == -1 ? nullptr : data->ActivePicture(maskIndex);
  if (p.mask != nullptr && p.mask->Empty()) p.mask = nullptr;
  p.corners = PieceCorners{points[0], points[1], points[2], points[3], inner};
  p.stretching.top = stretch[0];
  p.stretching.bottom = stretch[1];
  p.stretching.left = stretch[2];
  p.stretching.right = stretch[3];
  p.stretching.client = stretch[4];
  p.stretching.clientType = type == TStretchType::stHorz   ? stHorizontal
                            : type == TStretchType::stVert ? stVertical
                                                           : stFull;
  return p;
}

SIZE SkinWindowPicture::MinimumSize() const {
  if (!Usable()) return SIZE{0, 0};
  const PieceCorners& c = corners;
  const int left = std::max(c.leftTop.x, c.leftBottom.x);
  const int top = std::max(c.leftTop.y, c.rightTop.y);
  const int right = picture->Width() - std::min(c.rightTop.x, c.rightBottom.x);
  const int bottom = picture->Height() - std::min(c.leftBottom.y, c.rightBottom.y);
  return SIZE{left + right, top + bottom};
}

RECT SkinWindowPicture::Margins() const {
  if (!Usable()) return RECT{};
  const RECT& c = corners.client;
  return RECT{c.left, c.top, picture->Width() - c.right, picture->Height() - c.bottom};
}

RECT SkinWindowPicture::InnerFor(int width, int height) const {
  const RECT m = Margins();
  return RECT{m.left, m.top, width - m.right, height - m.bottom};
}

void SkinWindowPicture::Compose(int width, int height, TBitmap& target) const {
  if (!Usable()) return;
  const SIZE size{picture->Width(), picture->Height()};
  const PieceCorners moved = MovePieceCorners(corners, width - size.cx, height - size.cy);
  ComposeSkinImage(corners, RECT{0, 0, size.cx, size.cy}, *picture, stretching, true, width, height, moved, target);
}

GdiHandle<HRGN> SkinWindowPicture::Shape(int width, int height) const {
  if (!Usable() || mask == nullptr) return GdiHandle<HRGN>();
  const SIZE size{picture->Width(), picture->Height()};
  PieceCorners maskCorners = corners;
  maskCorners.client = RECT{corners.leftTop.x, corners.leftTop.y, corners.rightBottom.x, corners.rightBottom.y};
  const PieceCorners moved = MovePieceCorners(maskCorners, width - size.cx, height - size.cy);
  return RegionFromMaskForSize(maskCorners, *mask, width, height, moved);
}

}  // namespace qb
