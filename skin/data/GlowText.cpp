#include "skin/data/GlowText.h"

#include <algorithm>
#include <functional>

#include "skin/data/CanvasText.h"
#include "skin/data/TskBitmap.h"

namespace qb {
namespace {

// Every pixel becomes `color` with its red channel as alpha.
void ColourByRed(TskBitmap& surface, TColor color) {
  const std::uint32_t rgb = ColorToPixel(color, 0);
  for (int y = 0; y < surface.Height(); ++y) {
    std::uint32_t* row = surface.ScanLine(y);
    for (int x = 0; x < surface.Width(); ++x) row[x] = rgb | ((row[x] << 8) & 0xFF000000u);
  }
  surface.KeyTransparent = false;
  surface.UpdatePartialAlpha();
}

// A surface `margin` larger than `rect` on every side with the canvas's font
// in pure red, ready for drawing text into.
void PrepareRedText(TskBitmap& surface, TCanvas& canvas, const RECT& rect, int margin) {
  surface.SetSize(rect.right - rect.left + 2 * margin, rect.bottom - rect.top + 2 * margin);
  surface.Canvas().Font().Assign(&canvas.Font());
  surface.Canvas().Font().SetColor(clRed);
}

enum GlowKind { kGlow, kVistaGlow };

// Draws the glow `make` paints with its top-left at (x, y); a cache keeps it
// for the next paint of the same text.
void DrawGlow(TCanvas& canvas, int x, int y, GlowTextCache* cache, GlowTextCache::Key key,
              const std::function<void(TskBitmap&)>& make) {
  if (cache != nullptr) {
    key.font = canvas.Font().Description();
    cache->Get(key, make).DrawToDC(canvas.Handle(), x, y);
    return;
  }
  TskBitmap glow;
  make(glow);
  glow.DrawToDC(canvas.Handle(), x, y);
}

}  // namespace

void GlowText(TCanvas& canvas, const RECT& rect, const std::u16string& text, int glowSize, TColor glowColor, int offset,
              UINT format, GlowTextCache* cache) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (glowSize >= 0 && width + 2 * glowSize > 0 && height + 2 * glowSize > 0) {
    DrawGlow(canvas, rect.left + offset - glowSize, rect.top + offset - glowSize, cache,
             GlowTextCache::Key{kGlow, text, width, height, glowSize, glowColor, format, {}}, [&](TskBitmap& glow) {
               PrepareRedText(glow, canvas, rect, glowSize);
               RECT inner{glowSize, glowSize, glowSize + width, glowSize + height};
               DrawTextWithFormat(glow.Canvas(), text, inner, format);
               glow.StackBlur(glowSize);
               ColourByRed(glow, glowColor);
             });
  }
  RECT textRect = rect;
  DrawTextWithFormat(canvas, text, textRect, format);
}

void VistaGlowText(TCanvas& canvas, const RECT& rect, const std::u16string& text, TColor glowColor, UINT format,
                   bool inactive, GlowTextCache* cache) {
  const int margin = inactive ? 12 : 10;
  const int radius = inactive ? 6 : 5;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width > 0 && height > 0) {
    DrawGlow(canvas, rect.left - margin, rect.top - margin, cache,
             GlowTextCache::Key{kVistaGlow, text, width, height, inactive, glowColor, format, {}},
             [&](TskBitmap& glow) {
               PrepareRedText(glow, canvas, rect, margin);
               const RECT block = inactive
                                      ? RECT{margin - 3, margin + 2, margin + width + 3, margin + height - 2}
                                      : RECT{margin + 3, margin + 3, margin + width - 3, margin + height - 3};
               glow.FillRect(block, 0xFFFF0000u);
               for (const POINT shift : {POINT{-1, 0}, POINT{1, 0}, POINT{0, -1}, POINT{0, 1}, POINT{0, 0}}) {
                 RECT r{margin + shift.x, margin + shift.y, margin + width + shift.x, margin + height + shift.y};
                 DrawTextWithFormat(glow.Canvas(), text, r, format);
               }
               glow.StackBlur(radius);
               glow.StackBlur(radius);
               ColourByRed(glow, glowColor);
             });
  }
  RECT textRect = rect;
  DrawTextWithFormat(canvas, text, textRect, format);
}

void ReflectionText(TCanvas& canvas, const RECT& rect, const std::u16string& text, TColor reflectionColor, int offset,
                    UINT format) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width > 0 && height > 0) {
    TskBitmap mirror;
    PrepareRedText(mirror, canvas, rect, 0);
    RECT inner{0, 0, width, height};
    DrawTextWithFormat(mirror.Canvas(), text, inner, format);
    // Turn the text upside down and let it fade from half strength at the
    // top of the reflection to nothing at its bottom.
    for (int y = 0; y < height / 2; ++y)
      std::swap_ranges(mirror.ScanLine(y), mirror.ScanLine(y) + width, mirror.ScanLine(height - 1 - y));
    for (int y = 0; y < height; ++y) {
      std::uint32_t* row = mirror.ScanLine(y);
      const std::uint32_t fade = std::uint32_t(128 * (height - y) / height);
      for (int x = 0; x < width; ++x) row[x] = (row[x] & ~0x00FF0000u) | ((((row[x] >> 16) & 0xFF) * fade / 255) << 16);
    }
    ColourByRed(mirror, reflectionColor);
    mirror.DrawToDC(canvas.Handle(), rect.left, rect.top + offset);
  }
  RECT textRect = rect;
  DrawTextWithFormat(canvas, text, textRect, format);
}

}  // namespace qb
