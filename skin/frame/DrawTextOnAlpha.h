// Text on a surface with per-pixel alpha. The platform's text drawing
// ignores alpha, so drawn text would stay as transparent as the strip under
// it; this draws it so that text and glow become opaque in proportion to
// their coverage while the rest keeps the strip's alpha.
#pragma once

#include <functional>

#include "platform/WinTypes.h"
#include "skin/data/TskBitmap.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

// Paints text (or a glow painter's output) onto a canvas whose origin is the
// top-left of `rect`; `white` asks for everything in white.
using AlphaTextPainter = std::function<void(TCanvas& canvas, bool white)>;

// Runs `paint` over `rect` of `surface` (clipped to the surface).
void DrawTextOnAlpha(TskBitmap& surface, const RECT& rect, const AlphaTextPainter& paint);

}  // namespace qb
