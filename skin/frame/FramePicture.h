// Copying parts of skin pictures into the off-screen bitmaps the frame
// objects compose their looks in.
#pragma once

#include "platform/WinTypes.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

// Makes `target` a 24-bit bitmap of width × height showing rectangle `from`
// of `source`, stretched without smoothing when the sizes differ. Nothing
// is copied from an empty rectangle or picture (the target stays black).
void CopyPictureRectTo(const TBitmap& source, const RECT& from, int width, int height, TBitmap& target);

// Draws rectangle `from` of `source` onto the canvas at rectangle `to`,
// stretched when the sizes differ.
void DrawPictureRect(TCanvas& canvas, const RECT& to, const TBitmap& source, const RECT& from);

}  // namespace qb
