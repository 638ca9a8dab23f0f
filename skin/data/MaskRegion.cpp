#include "skin/data/MaskRegion.h"

#include <algorithm>
#include <cstring>

#include "skin/data/PictureCopy.h"

namespace qb {
namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

std::vector<RECT> BlackRuns(const ConstBgr24Pixels& mask, int x, int y) {
  std::vector<RECT> runs;
  for (int row = 0; row < mask.height; ++row) {
    const BYTE* p = mask.Row(row);
    auto black = [p](int column) { return (p[3 * column] | p[3 * column + 1] | p[3 * column + 2]) == 0; };
    int column = 0;
    while (column < mask.width) {
      while (column < mask.width && !black(column)) ++column;
      const int start = column;
      while (column < mask.width && black(column)) ++column;
      if (column > start) runs.push_back({x + start, y + row, x + column, y + row + 1});
    }
  }
  return runs;
}

// A side strip: the band tiled downward from its top, then the two fixed ends.
void MaskEdgeAlongY(const ConstBgr24Pixels& mask, TBitmap& strip, int columnLeft, int columnRight, int upper, int lower,
                    const RECT& c, int h) {
  const int stripWidth = columnRight - columnLeft;
  const Bgr24Pixels dst = ResizeBgr24(strip, stripWidth, h);
  TileAlongY(mask, {columnLeft, upper, columnRight, lower}, dst, 0, h, 0, stripWidth);
  if (upper - c.top > 0)
    CopyPictureRect(mask, {columnLeft, c.top, columnRight, upper}, dst, {0, 0, stripWidth, upper - c.top});
  if (c.bottom - lower > 0) {
    CopyPictureRect(mask, {columnLeft, lower, columnRight, c.bottom}, dst, {0, h + lower - c.bottom, stripWidth, h});
  }
}

void MaskEdgeAlongX(const ConstBgr24Pixels& mask, TBitmap& strip, int width, int rowTop, int rowBottom, int left,
                    int right, int movedLeft, int movedRight) {
  const int stripHeight = rowBottom - rowTop;
  const Bgr24Pixels dst = ResizeBgr24(strip, width, stripHeight);
  TileAlongX(mask, {left, rowTop, right, rowBottom}, dst, movedLeft, movedRight, 0, stripHeight);
  CopyPictureRect(mask, {0, rowTop, left, rowBottom}, dst, {0, 0, left, stripHeight});
  CopyPictureRect(mask, {right, rowTop, mask.width, rowBottom}, dst, {movedRight, 0, width, stripHeight});
}

GdiHandle<HRGN> RegionFromData(const std::vector<BYTE>& data) {
  if (data.empty()) return {};
  return GdiHandle<HRGN>(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

void ComposeMaskStrips(const PieceCorners& p, const TBitmap& picture, int width, const PieceCorners& n,
                       FrameStrips& strips) {
  for (TBitmap* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right}) strip->Clear();
  if (picture.Empty()) return;
  const Bgr24Source source(picture);
  const ConstBgr24Pixels& mask = *source;
  const int mw = mask.width, mh = mask.height;
  const RECT& c = p.client;
  const int h = Height(n.client);
  if (c.left > 0 && h > 0) MaskEdgeAlongY(mask, strips.left, 0, c.left, p.leftTop.y, p.leftBottom.y, c, h);
  if (mw - c.right > 0 && h > 0) MaskEdgeAlongY(mask, strips.right, c.right, mw, p.rightTop.y, p.rightBottom.y, c, h);
  if (width > 0 && c.top > 0) {
    MaskEdgeAlongX(mask, strips.top, width, 0, c.top, p.leftTop.x, p.rightTop.x, n.leftTop.x, n.rightTop.x);
  }
  if (width >= 1 && mh - c.bottom >= 1) {
    MaskEdgeAlongX(mask, strips.bottom, width, c.bottom, mh, p.leftBottom.x, p.rightBottom.x, n.leftBottom.x,
                   n.rightBottom.x);
  }
}

std::vector<BYTE> MaskToRegionData(const TBitmap& picture, int x, int y) {
  if (picture.Empty()) return {};
  const std::vector<RECT> runs = BlackRuns(*Bgr24Source(picture), x, y);

  RGNDATAHEADER header;
  header.nCount = DWORD(runs.size());
  header.nRgnSize = 0;
  header.rcBound = {x, y, x + picture.Width(), y + picture.Height()};
  std::vector<BYTE> data(sizeof header + sizeof(RECT) * runs.size());
  std::memcpy(data.data(), &header, sizeof header);
  if (!runs.empty()) std::memcpy(data.data() + sizeof header, runs.data(), sizeof(RECT) * runs.size());
  return data;
}

GdiHandle<HRGN> RegionFromMask(const TBitmap& mask) { return RegionFromData(MaskToRegionData(mask, 0, 0)); }

GdiHandle<HRGN> RegionFromMaskForSize(const PieceCorners& p, const TBitmap& mask, int width, int,
                                      const PieceCorners& n) {
  if (n.rightTop.x < n.leftTop.x || n.leftBottom.y < n.leftTop.y) return {};
  const RECT& nc = n.client;
  if (Width(nc) <= 0 || Height(nc) <= 0) return {};
  FrameStrips strips;
  ComposeMaskStrips(p, mask, width, n, strips);
  GdiHandle<HRGN> result(CreateRectRgnIndirect(&nc));
  const struct {
    const TBitmap& strip;
    POINT at;
  } parts[] = {{strips.top, {0, 0}},
               {strips.bottom, {0, nc.bottom}},
               {strips.left, {0, nc.top}},
               {strips.right, {nc.right, nc.top}}};
  for (const auto& part : parts) {
    const GdiHandle<HRGN> region = RegionFromData(MaskToRegionData(part.strip, part.at.x, part.at.y));
    if (region) CombineRgn(result.get(), result.get(), region.get(), RGN_OR);
  }
  return result;
}

}  // namespace qb
