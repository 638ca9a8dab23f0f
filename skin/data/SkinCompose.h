// Building images of any size from a piece of a skin picture: fixed corners
// copied pixel for pixel, edges and client stretched or repeated (tiled).
//
// A piece is the source rectangle S of a picture with four corner points and
// a client rectangle, all as offsets from (S.left, S.top). The target
// geometry (the moved points and client rectangle) is given in target
// pixels; MovePieceCorners derives it the usual way, but the operations use
// whatever they receive. Every copy scales without smoothing when its two
// rectangles differ in size and copies nothing when either is empty. Sources
// of any pixel format are read as 24-bit; targets become 24-bit.
#pragma once

#include "platform/WinTypes.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

// The corner points LT, RT, LB, RB and the client rectangle C of a piece.
struct PieceCorners {
  POINT leftTop;
  POINT rightTop;
  POINT leftBottom;
  POINT rightBottom;
  RECT client;
};

// Everything left of or above the left-top point stays; everything right of
// or below the moving points moves with the target's right and bottom edges.
PieceCorners MovePieceCorners(const PieceCorners& piece, int widthChange, int heightChange);

enum TskStretchType { stFull = 0, stHorizontal = 1, stVertical = 2 };

// Which parts stretch; the others are tiled.
struct PieceStretching {
  bool top = false;
  bool bottom = false;
  bool left = false;
  bool right = false;
  bool client = false;
  TskStretchType clientType = stFull;
};

// The frame of a piece as four separate pictures.
struct FrameStrips {
  TBitmap top;
  TBitmap bottom;
  TBitmap left;
  TBitmap right;
};

// Resizes `target` to width × height and paints the nine pieces: edges
// first, then the eight corner rectangles over them, then (with
// `drawClient`) the client. A piece whose right-bottom point equals its
// left-top point in either coordinate, or an empty source, leaves the
// resized target unpainted. Tiles of width or height 0 or less are skipped.
void ComposeSkinImage(const PieceCorners& piece, const RECT& skinRect, const TBitmap& source,
                      const PieceStretching& stretching, bool drawClient, int width, int height,
                      const PieceCorners& moved, TBitmap& target);

// Resizes `target` to width × height(S): a fixed left piece `leftWidth`
// wide, a fixed right piece `rightWidth` wide (drawn after the left one, so
// it wins where they overlap) and the middle between them stretched or
// tiled. A target narrower than the two ends gets no middle.
void ComposeHorizontal(int leftWidth, int rightWidth, bool middleStretched, int width, const RECT& skinRect,
                       const TBitmap& source, TBitmap& target);
// The same turned by 90 degrees: target width(S) × height.
void ComposeVertical(int topHeight, int bottomHeight, bool middleStretched, int height, const RECT& skinRect,
                     const TBitmap& source, TBitmap& target);

// A nine-piece stretch of S to the target's current size whose corners are
// everything outside `inner` (offsets from S's top-left).
void StretchSkinPiece(TBitmap& target, const TBitmap& source, const RECT& skinRect, bool drawClient, const RECT& inner);

// The four frame strips of a piece for a target of width × height, drawn by
// the caller at (0, 0) (top), (0, moved.client.bottom) (bottom),
// (0, moved.client.top) (left) and (moved.client.right, moved.client.top)
// (right). Tiles start at the strip's own origin. A strip whose size
// conditions fail keeps the size and content it had.
void ComposeFrameStrips(const PieceCorners& piece, const RECT& skinRect, const TBitmap& source, int width, int height,
                        const PieceCorners& moved, const PieceStretching& stretching, FrameStrips& strips);

}  // namespace qb
