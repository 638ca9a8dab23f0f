// The look of a small skinned popup window (the system menu, the object
// hint): a whole skin picture with fixed corners, stretched or tiled to any
// size, its inner rectangle moving with the right and bottom edges, and an
// optional mask that shapes the window.
#pragma once

#include "platform/WinTypes.h"
#include "platform/gdi/GdiObject.h"
#include "platform/region/RegionHandle.h"
#include "skin/data/SkinCompose.h"
#include "skin/data/SkinValues.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskSkinData;

struct SkinWindowPicture {
  const TBitmap* picture = nullptr;
  const TBitmap* mask = nullptr;
  PieceCorners corners{};
  PieceStretching stretching;

  // Null pictures when the skin data is missing or empty or the index names
  // no picture; a missing mask only leaves the window unshaped.
  template <typename Record>
  static SkinWindowPicture Of(const TskSkinData* data, const Record& record, const RECT& inner);

  bool Usable() const { return picture != nullptr && !picture->Empty(); }
  // The fixed corners side by side; a smaller window would cut them.
  SIZE MinimumSize() const;
  // Borders around the inner rectangle: left, top, right, bottom.
  RECT Margins() const;
  // The inner rectangle for a window of width × height.
  RECT InnerFor(int width, int height) const;
  // The picture composed to width × height.
  void Compose(int width, int height, TBitmap& target) const;
  // The shape for width × height; none without mask.
  GdiHandle<HRGN> Shape(int width, int height) const;

 private:
  static SkinWindowPicture Make(const TskSkinData* data, int pictureIndex, int maskIndex, const POINT (&points)[4],
                                const RECT& inner, const bool (&stretch)[5], TStretchType type);
};

template <typename Record>
SkinWindowPicture SkinWindowPicture::Of(const TskSkinData* data, const Record& r, const RECT& inner) {
  const POINT points[4] = {r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint};
  const bool stretch[5] = {r.topstretch, r.bottomstretch, r.leftstretch, r.rightstretch, r.stretcheffect};
  return Make(data, r.windowpictureindex, r.maskpictureindex, points, inner, stretch, r.stretchtype);
}

}  // namespace qb
