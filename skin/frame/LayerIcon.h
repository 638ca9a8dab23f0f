// The form's icon on the layered frame's 32-bit top strip.
//
// The platform's icon drawing, like all device drawing, leaves alpha 0
// wherever it draws, whatever alpha the icon has; on a strip that keeps
// per-pixel alpha that would cut a hole where the icon should be. The icon's
// own alpha is found by drawing it once over black and once over white: the
// two differ by exactly 255 − alpha.
#pragma once

#include "platform/WinTypes.h"
#include "platform/gdi/Icon.h"
#include "skin/data/TskBitmap.h"

namespace qb {

// The icon as drawn at `size`, with straight (not premultiplied) alpha.
void IconPixels(HICON icon, SIZE size, TskBitmap& pixels);

// Some pixel of the icon drawn at `size` is partly transparent, so it must
// be blended. An icon made from a mask has only opaque and clear pixels and
// shows the same when copied colour-keyed.
bool IconHasPartialAlpha(HICON icon, SIZE size);

// Blends the icon over `strip` (straight alpha) at (x, y): colours and alpha
// both, as one translucent layer over another.
void DrawIconBlended(TskBitmap& strip, int x, int y, HICON icon, SIZE size);

// Draws the icon over the key colour 8323199 and copies every pixel that is
// not the key colour to `strip` at (x, y), opaque.
void DrawIconKeyed(TskBitmap& strip, int x, int y, HICON icon, SIZE size);

}  // namespace qb
