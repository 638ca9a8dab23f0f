#include "skin/controls/ButtonLayout.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Draw.h"
#include "platform/gdi/text/Text.h"
#include "skin/controls/TskImageList.h"
#include "skin/data/CanvasText.h"
#include "skin/data/PictureCopy.h"

namespace qb {

ButtonContentLayout CalcButtonLayout(TskButtonLayout layout, const RECT& rect, int glyphWidth, int glyphHeight,
                                     int textWidth, int textHeight, int margin, int spacing) {
  const int gw = glyphWidth;
  const int gh = glyphHeight;
  const int tw = textWidth;
  const int th = textHeight;
  const int cx = rect.left + (rect.right - rect.left) / 2;
  const int cy = rect.top + (rect.bottom - rect.top) / 2;
  if (gw == 0) spacing = 0;
  const int hh = (gw + tw + spacing) / 2;
  const int hv = (th + gh + spacing) / 2;
  const int gxc = cx - gw / 2;
  const int gyc = cy - gh / 2;
  const int txc = cx - tw / 2;
  const int tyc = cy - th / 2;
  POINT g{};
  POINT t{};
  const bool centred = margin == -1;
  switch (layout) {
    case blGlyphLeft:
      g = centred ? POINT{cx - hh, gyc} : POINT{rect.left + margin, gyc};
      t = centred ? POINT{cx + hh - tw, tyc} : POINT{g.x + gw + spacing, tyc};
      break;
    case blGlyphRight:
      g = centred ? POINT{cx + hh - gw, gyc} : POINT{rect.right - gw - margin, gyc};
      t = centred ? POINT{cx - hh, tyc} : POINT{g.x - spacing - tw, tyc};
      break;
    case blGlyphTop:
      g = centred ? POINT{gxc, cy - hv} : POINT{gxc, rect.top + margin};
      t = centred ? POINT{txc, cy + hv - th} : POINT{txc, g.y + gh + spacing};
      break;
    case blGlyphBottom:
      g = centred ? POINT{gxc, cy + hv - gh} : POINT{gxc, rect.bottom - gh - margin};
      t = centred ? POINT{txc, cy - hv} : POINT{txc, g.y - spacing - th};
      break;
  }
  return ButtonContentLayout{g, t};
}

namespace {

constexpr UINT kCaptionFormat = DT_WORDBREAK | DT_EXPANDTABS;

// Measures the caption in the area left beside or below the glyph, lays
// both out, and draws the caption; returns the glyph's position.
POINT LayOutAndDrawCaption(TCanvas& canvas, const RECT& rect, int margin, int glyphWidth, int glyphHeight,
                           const std::u16string& caption, TskButtonLayout layout, int spacing) {
  SIZE text{0, 0};
  canvas.Brush().SetStyle(bsClear);
  if (!caption.empty()) {
    RECT area{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    if (layout == blGlyphTop || layout == blGlyphBottom) {
      area.bottom -= glyphHeight;
    } else {
      area.right -= glyphWidth;
    }
    DrawTextWithFormat(canvas, caption, area, DT_CALCRECT | kCaptionFormat);
    text = SIZE{area.right - area.left, area.bottom - area.top};
  }
  const ButtonContentLayout placed =
      CalcButtonLayout(layout, rect, glyphWidth, glyphHeight, text.cx, text.cy, margin, spacing);
  if (!caption.empty()) {
    RECT box{placed.text.x, placed.text.y, placed.text.x + text.cx + 2, placed.text.y + text.cy};
    if (canvas.Font().Height() % 2 != 0) box.top -= 1;
    DrawTextWithFormat(canvas, caption, box, DT_CENTER | kCaptionFormat);
  }
  return placed.glyph;
}

}  // namespace

void DrawGlyphAndText(TCanvas& canvas, const RECT& rect, int margin, int cell, TskNumGlyphs numGlyphs,
                      TBitmap& glyph, const std::u16string& caption, TskButtonLayout layout, int spacing) {
  const bool hasGlyph = !glyph.Empty() && numGlyphs > 0;
  const int gw = hasGlyph ? glyph.Width() / numGlyphs : 0;
  const int gh = hasGlyph ? glyph.Height() : 0;
  const POINT at = LayOutAndDrawCaption(canvas, rect, margin, gw, gh, caption, layout, spacing);
  if (hasGlyph) DrawGlyphCell(canvas, at.x, at.y, cell, numGlyphs, glyph);
}

void DrawImageAndText(TCanvas& canvas, const RECT& rect, int margin, bool enabled, const TskImageList* images,
                      int imageIndex, const std::u16string& caption, TskButtonLayout layout, int spacing) {
  const bool hasImage = images != nullptr && imageIndex >= 0 && imageIndex < images->Count();
  const int gw = hasImage ? images->Width() : 0;
  const int gh = hasImage ? images->Height() : 0;
  const POINT at = LayOutAndDrawCaption(canvas, rect, margin, gw, gh, caption, layout, spacing);
  if (hasImage) images->Draw(canvas, at.x, at.y, imageIndex, enabled);
}

void DrawGlyphCell(TCanvas& canvas, int x, int y, int cell, TskNumGlyphs numGlyphs, TBitmap& glyph) {
  if (glyph.Empty() || numGlyphs <= 0) return;
  const int cw = glyph.Width() / numGlyphs;
  const int height = glyph.Height();
  if (cw <= 0) return;
  TBitmap piece;
  {
    const Bgr24Source source(glyph);
    const Bgr24Pixels target = ResizeBgr24(piece, cw, height);
    CopyPictureRect(*source, RECT{cw * (cell - 1), 0, cw * cell, height}, target, RECT{0, 0, cw, height});
  }
  HDC pieceDc = piece.Canvas().Handle();
  const COLORREF key = GetPixel(pieceDc, 0, height - 1);
  TransparentBlt(canvas.Handle(), x, y, cw, height, pieceDc, 0, 0, cw, height, key);
}

void DrawSkinFocusRect(TCanvas& canvas, const RECT& rect) {
  const RECT q{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
  const int w = q.right - q.left;
  const int h = q.bottom - q.top;
  const TColor colour = canvas.Font().Color();
  // The pattern runs on around the outline; a corner pixel ends one edge and
  // starts the next, so it is counted once.
  bool set = !(w % 2 == 0 && h % 2 == 0);
  POINT p{q.left, q.top};
  const POINT steps[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  const int lengths[4] = {w, h, w, h};
  for (int edge = 0; edge < 4; ++edge) {
    for (int k = 0; k < lengths[edge]; ++k) {
      if (set) canvas.SetPixel(p.x, p.y, colour);
      set = !set;
      p.x += steps[edge].x;
      p.y += steps[edge].y;
    }
  }
}

}  // namespace qb
