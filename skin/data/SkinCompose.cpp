#include "skin/data/SkinCompose.h"

#include <algorithm>

#include "skin/data/PictureCopy.h"

namespace qb {
namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void EdgeAlongX(const ConstBgr24Pixels& source, const RECT& band, const Bgr24Pixels& target, const RECT& to,
                bool stretched) {
  if (stretched) {
    CopyPictureRect(source, band, target, to);
  } else {
    TileAlongX(source, band, target, to.left, to.right, to.top, to.bottom);
  }
}

void EdgeAlongY(const ConstBgr24Pixels& source, const RECT& band, const Bgr24Pixels& target, const RECT& to,
                bool stretched) {
  if (stretched) {
    CopyPictureRect(source, band, target, to);
  } else {
    TileAlongY(source, band, target, to.top, to.bottom, to.left, to.right);
  }
}

void ComposeClient(const ConstBgr24Pixels& source, const RECT& piece, const Bgr24Pixels& target, const RECT& to,
                   const PieceStretching& stretching) {
  const int pw = Width(piece), ph = Height(piece);
  const int cw = Width(to), ch = Height(to);
  if (stretching.client) {
    if (cw <= 0 || ch <= 0) return;
    switch (stretching.clientType) {
      case stHorizontal:
        if (pw <= 0) return;
        for (int k = 0; k <= cw / pw; ++k) {
          const int x = to.left + k * pw;
          CopyPictureRect(source, piece, target, {x, to.top, x + pw, to.bottom}, &to);
        }
        return;
      case stVertical:
        if (ph <= 0) return;
        for (int k = 0; k <= ch / ph; ++k) {
          const int y = to.top + k * ph;
          CopyPictureRect(source, piece, target, {to.left, y, to.right, y + ph}, &to);
        }
        return;
      case stFull: CopyPictureRect(source, piece, target, to); return;
    }
    return;
  }
  if (pw <= 0 || ph <= 0 || cw < 0 || ch < 0) return;
  for (int kx = 0; kx <= cw / pw; ++kx) {
    const int cutX = std::max(0, pw * (kx + 1) - cw);
    for (int ky = 0; ky <= ch / ph; ++ky) {
      const int cutY = std::max(0, ph * (ky + 1) - ch);
      const int x = to.left + kx * pw, y = to.top + ky * ph;
      CopyPictureRect(source, {piece.left, piece.top, piece.right - cutX, piece.bottom - cutY}, target,
                      {x, y, x + pw - cutX, y + ph - cutY});
    }
  }
}

}  // namespace

PieceCorners MovePieceCorners(const PieceCorners& piece, int widthChange, int heightChange) {
  PieceCorners moved = piece;
  moved.rightTop.x += widthChange;
  moved.leftBottom.y += heightChange;
  moved.rightBottom.x += widthChange;
  moved.rightBottom.y += heightChange;
  moved.client.right += widthChange;
  moved.client.bottom += heightChange;
  return moved;
}

void ComposeSkinImage(const PieceCorners& p, const RECT& s, const TBitmap& picture, const PieceStretching& stretching,
                      bool drawClient, int width, int height, const PieceCorners& n, TBitmap& target) {
  const Bgr24Pixels dst = ResizeBgr24(target, width, height);
  if (p.rightBottom.x == p.leftTop.x || p.rightBottom.y == p.leftTop.y || picture.Empty()) return;
  const Bgr24Source source(picture);
  const ConstBgr24Pixels& src = *source;
  const int sl = s.left, st = s.top, sr = s.right, sb = s.bottom;
  const int w = width, h = height;
  const RECT& c = p.client;
  const RECT& nc = n.client;

  EdgeAlongX(src, {sl + p.leftTop.x, st, sl + p.rightTop.x, st + c.top}, dst, {n.leftTop.x, 0, n.rightTop.x, nc.top},
             stretching.top);
  EdgeAlongX(src, {sl + p.leftBottom.x, st + c.bottom, sl + p.rightBottom.x, sb}, dst,
             {n.leftBottom.x, nc.bottom, n.rightBottom.x, h}, stretching.bottom);
  EdgeAlongY(src, {sl, st + p.leftTop.y, sl + c.left, st + p.leftBottom.y}, dst,
             {0, n.leftTop.y, nc.left, n.leftBottom.y}, stretching.left);
  EdgeAlongY(src, {sl + c.right, st + p.rightTop.y, sr, st + p.rightBottom.y}, dst,
             {nc.right, n.rightTop.y, w, n.rightBottom.y}, stretching.right);

  const RECT corners[8][2] = {
      {{sl, st, sl + p.leftTop.x, st + c.top}, {0, 0, n.leftTop.x, nc.top}},
      {{sl, st + c.top, sl + c.left, st + p.leftTop.y}, {0, nc.top, nc.left, n.leftTop.y}},
      {{sl + p.rightTop.x, st, sr, st + c.top}, {n.rightTop.x, 0, w, nc.top}},
      {{sl + c.right, st + c.top, sr, st + p.rightTop.y}, {nc.right, nc.top, w, n.rightTop.y}},
      {{sl, st + p.leftBottom.y, sl + c.left, sb}, {0, n.leftBottom.y, nc.left, h}},
      {{sl + c.left, st + c.bottom, sl + p.leftBottom.x, sb}, {nc.left, nc.bottom, n.leftBottom.x, h}},
      {{sl + p.rightBottom.x, st + c.bottom, sr, sb}, {n.rightBottom.x, nc.bottom, w, h}},
      {{sl + c.right, st + p.rightBottom.y, sr, st + c.bottom}, {nc.right, n.rightBottom.y, w, nc.bottom}},
  };
  for (const auto& [from, to] : corners) CopyPictureRect(src, from, dst, to);

  if (drawClient) {
    ComposeClient(src, {sl + c.left, st + c.top, sl + c.right, st + c.bottom}, dst, nc, stretching);
  }
}

void ComposeHorizontal(int a, int b, bool middleStretched, int width, const RECT& s, const TBitmap& picture,
                       TBitmap& target) {
  const int sh = Height(s);
  const Bgr24Pixels dst = ResizeBgr24(target, width, sh);
  if (picture.Empty()) return;
  const Bgr24Source source(picture);
  if (a != 0) CopyPictureRect(*source, {s.left, s.top, s.left + a, s.bottom}, dst, {0, 0, a, sh});
  if (b != 0) CopyPictureRect(*source, {s.right - b, s.top, s.right, s.bottom}, dst, {width - b, 0, width, sh});
  const RECT middle{s.left + a, s.top, s.right - b, s.bottom};
  if (middleStretched) {
    CopyPictureRect(*source, middle, dst, {a, 0, width - b, sh});
  } else if (width - a - b >= 0) {
    TileAlongX(*source, middle, dst, a, width - b, 0, sh);
  }
}

void ComposeVertical(int a, int b, bool middleStretched, int height, const RECT& s, const TBitmap& picture,
                     TBitmap& target) {
  const int sw = Width(s);
  const Bgr24Pixels dst = ResizeBgr24(target, sw, height);
  if (picture.Empty()) return;
  const Bgr24Source source(picture);
  if (a != 0) CopyPictureRect(*source, {s.left, s.top, s.right, s.top + a}, dst, {0, 0, sw, a});
  if (b != 0) CopyPictureRect(*source, {s.left, s.bottom - b, s.right, s.bottom}, dst, {0, height - b, sw, height});
  const RECT middle{s.left, s.top + a, s.right, s.bottom - b};
  if (middleStretched) {
    CopyPictureRect(*source, middle, dst, {0, a, sw, height - b});
  } else if (height - a - b >= 0) {
    TileAlongY(*source, middle, dst, a, height - b, 0, sw);
  }
}

void StretchSkinPiece(TBitmap& target, const TBitmap& source, const RECT& s, bool drawClient, const RECT& inner) {
  const int width = target.Width(), height = target.Height();
  const PieceCorners piece{{inner.left, inner.top},
                           {inner.right, inner.top},
                           {inner.left, inner.bottom},
                           {inner.right, inner.bottom},
                           inner};
  const RECT nc{inner.left, inner.top, inner.right + width - Width(s), inner.bottom + height - Height(s)};
  const PieceCorners moved{{nc.left, nc.top}, {nc.right, nc.top}, {nc.left, nc.bottom}, {nc.right, nc.bottom}, nc};
  PieceStretching all;
  all.top = all.bottom = all.left = all.right = all.client = true;
  all.clientType = stFull;
  ComposeSkinImage(piece, s, source, all, drawClient, width, height, moved, target);
}

void ComposeFrameStrips(const PieceCorners& p, const RECT& s, const TBitmap& picture, int width, int height,
                        const PieceCorners& n, const PieceStretching& stretching, FrameStrips& strips) {
  if (picture.Empty()) return;
  const Bgr24Source source(picture);
  const ConstBgr24Pixels& src = *source;
  const int sl = s.left, st = s.top, sr = s.right, sb = s.bottom;
  const RECT& c = p.client;
  const RECT& nc = n.client;
  const int w = width;

  if (w > 0 && nc.top > 0 && p.rightTop.x - p.leftTop.x > 0) {
    const Bgr24Pixels dst = ResizeBgr24(strips.top, w, nc.top);
    const RECT band{sl + p.leftTop.x, st, sl + p.rightTop.x, st + nc.top};
    if (stretching.top) {
      CopyPictureRect(src, band, dst, {n.leftTop.x, 0, n.rightTop.x, nc.top});
    } else {
      TileAlongX(src, band, dst, 0, w, 0, nc.top);
    }
    CopyPictureRect(src, {sl, st, sl + p.leftTop.x, st + nc.top}, dst, {0, 0, n.leftTop.x, nc.top});
    CopyPictureRect(src, {sl + p.rightTop.x, st, sr, st + nc.top}, dst, {n.rightTop.x, 0, w, nc.top});
  }

  const int d = height - nc.bottom;
  if (w > 0 && d > 0 && p.rightBottom.x - p.leftBottom.x > 0) {
    const Bgr24Pixels dst = ResizeBgr24(strips.bottom, w, d);
    const RECT band{sl + p.leftBottom.x, sb - d, sl + p.rightBottom.x, sb};
    if (stretching.bottom) {
      CopyPictureRect(src, band, dst, {n.leftBottom.x, 0, n.rightBottom.x, d});
    } else {
      TileAlongX(src, band, dst, 0, w, 0, d);
    }
    CopyPictureRect(src, {sl, sb - d, sl + p.leftBottom.x, sb}, dst, {0, 0, n.leftBottom.x, d});
    CopyPictureRect(src, {sl + p.rightBottom.x, sb - d, sr, sb}, dst, {n.rightBottom.x, 0, w, d});
  }

  // The side strips fill what the top and bottom strips leave of the height.
  const int h = height - strips.top.Height() - strips.bottom.Height();
  auto side = [&](TBitmap& strip, int stripWidth, int columnLeft, int columnRight, int upper, int lower,
                  bool stretched) {
    const Bgr24Pixels dst = ResizeBgr24(strip, stripWidth, h);
    const RECT band{columnLeft, st + upper, columnRight, st + lower};
    if (stretched) {
      CopyPictureRect(src, band, dst, {0, upper - c.top, stripWidth, h + lower - c.bottom});
    } else {
      TileAlongY(src, band, dst, 0, h, 0, stripWidth);
    }
    if (upper - c.top > 0) {
      CopyPictureRect(src, {columnLeft, st + c.top, columnRight, st + upper}, dst, {0, 0, stripWidth, upper - c.top});
    }
    if (c.bottom - lower > 0) {
      CopyPictureRect(src, {columnLeft, st + lower, columnRight, st + c.bottom}, dst,
                      {0, h + lower - c.bottom, stripWidth, h});
    }
  };
  if (nc.left > 0 && h > 0 && p.leftBottom.y - p.leftTop.y > 0) {
    side(strips.left, nc.left, sl, sl + nc.left, p.leftTop.y, p.leftBottom.y, stretching.left);
  }
  const int r = w - nc.right;
  if (r >= 1 && h >= 1 && p.rightBottom.y - p.rightTop.y >= 1) {
    side(strips.right, r, sl + c.right, sr, p.rightTop.y, p.rightBottom.y, stretching.right);
  }
}

}  // namespace qb
