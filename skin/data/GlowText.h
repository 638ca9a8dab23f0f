// Caption text painters that put a soft glow of one colour behind the text.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "skin/data/GlowTextCache.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

// The text drawn in pure red on a transparent surface glowSize larger on
// every side than `rect`, blurred with radius glowSize, turned into
// `glowColor` with the blurred red as alpha, blended onto the canvas at
// (rect.left + offset − glowSize, rect.top + offset − glowSize), and the
// text drawn over it in `rect` with the canvas's font and colour. A negative
// glow size draws the text alone. With a cache, a glow made before for the
// same text, size, font and settings is drawn again instead of remade.
void GlowText(TCanvas& canvas, const RECT& rect, const std::u16string& text, int glowSize, TColor glowColor, int offset,
              UINT format, GlowTextCache* cache = nullptr);

// A larger, flatter glow: a red block behind the text with the text drawn
// at small offsets around its place, blurred twice (radius 5, or 6 for the
// inactive look) on a margin of 10 (12), then coloured and blended as above.
void VistaGlowText(TCanvas& canvas, const RECT& rect, const std::u16string& text, TColor glowColor, UINT format,
                   bool inactive, GlowTextCache* cache = nullptr);

// The text with a mirror image below it, `offset` pixels lower, in
// `reflectionColor` and fading out downwards.
void ReflectionText(TCanvas& canvas, const RECT& rect, const std::u16string& text, TColor reflectionColor, int offset,
                    UINT format);

}  // namespace qb
