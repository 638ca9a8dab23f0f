#include <algorithm>

#include "platform/gdi/Fill.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/text/FontFace.h"
#include "platform/gdi/text/Text.h"
#include "platform/gdi/text/TextLayout.h"

namespace {

using qb::FontFace;
using qb::GlyphImage;

constexpr int kTabColumns = 8;
constexpr LONG kNoLimit = 1 << 28;

std::u16string_view TextOf(const WCHAR* text, int length) {
  if (!text) return {};
  if (length < 0) return std::u16string_view(text);
  return std::u16string_view(text, std::size_t(length));
}

// One line of glyphs placed along the pen.
struct Run {
  struct Placed {
    const GlyphImage* glyph;
    int x;
  };
  std::vector<Placed> glyphs;
  int width = 0;
  int markLeft = 0;  // pen range of the marked character
  int markRight = 0;
};

Run LayOut(FontFace& face, std::u16string_view text, bool expandTabs, std::size_t marked) {
  Run run;
  const int tab = std::max(1, kTabColumns * face.Metrics().aveCharWidth);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t first = i;
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    const int before = run.width;
    if (c == u'\t' && expandTabs) {
      run.width = (run.width / tab + 1) * tab;
    } else if (c >= 0x20) {
      const GlyphImage& glyph = face.Glyph(c);
      if (!glyph.coverage.empty()) run.glyphs.push_back(Run::Placed{&glyph, run.width});
      run.width += glyph.advance;
    }
    if (first == marked) {
      run.markLeft = before;
      run.markRight = run.width;
    }
  }
  return run;
}

std::uint32_t Tint(std::uint32_t d, std::uint32_t color, std::uint32_t coverage) {
  if (coverage == 255) return color;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    out |= qb::Div255(((color >> shift) & 0xFF) * coverage + ((d >> shift) & 0xFF) * (255 - coverage)) << shift;
  }
  return out;
}

// Paints runs onto one target. Positions are in the run's own frame: u
// along the text, v downwards from the top of the cell; `reference` is the
// surface point of (0, 0). A rotated painter turns the frame a quarter turn
// anticlockwise, so the pixel (u, v) lands on (x + v, y − 1 − u).
class Painter {
 public:
  Painter(const qb::DrawTarget& target, const RECT& limit, bool rotated) : target_(target), rotated_(rotated) {
    target_.clip = target.clip.Intersect(qb::Region(limit));
  }

  void Fill(POINT reference, int u0, int v0, int u1, int v1, std::uint32_t pixel, RECT& touched) {
    if (u0 >= u1 || v0 >= v1) return;
    Extend(touched, qb::FillClipped(target_, Map(reference, u0, v0, u1, v1), pixel));
  }

  void Glyphs(POINT reference, const Run& run, int baseline, std::uint32_t color, RECT& touched) {
    for (const RECT& clip : target_.clip.Rects()) {
      for (const Run::Placed& placed : run.glyphs) {
        const GlyphImage& g = *placed.glyph;
        const int u0 = placed.x + g.left;
        const int v0 = baseline - g.top;
        const RECT box = Map(reference, u0, v0, u0 + g.width, v0 + g.rows);
        const RECT r{std::max(box.left, clip.left), std::max(box.top, clip.top), std::min(box.right, clip.right),
                     std::min(box.bottom, clip.bottom)};
        if (r.left >= r.right || r.top >= r.bottom) continue;
        Extend(touched, r);
        for (LONG y = r.top; y < r.bottom; ++y) {
          std::uint32_t* row = target_.surface->Row(y);
          for (LONG x = r.left; x < r.right; ++x) {
            const int col = rotated_ ? (reference.y - 1 - y) - u0 : x - box.left;
            const int line = rotated_ ? (x - reference.x) - v0 : y - box.top;
            const std::uint32_t coverage = g.coverage[std::size_t(line) * std::size_t(g.width) + std::size_t(col)];
            if (coverage) row[x] = Tint(row[x], color, coverage);
          }
        }
      }
    }
  }

 private:
  RECT Map(POINT ref, int u0, int v0, int u1, int v1) const {
    if (rotated_) return RECT{ref.x + v0, ref.y - u1, ref.x + v1, ref.y - u0};
    return RECT{ref.x + u0, ref.y + v0, ref.x + u1, ref.y + v1};
  }

  static void Extend(RECT& touched, const RECT& r) {
    if (r.left >= r.right || r.top >= r.bottom) return;
    if (touched.left >= touched.right) {
      touched = r;
      return;
    }
    touched = RECT{std::min(touched.left, r.left), std::min(touched.top, r.top), std::max(touched.right, r.right),
                   std::max(touched.bottom, r.bottom)};
  }

  qb::DrawTarget target_;
  bool rotated_;
};

// Draws one line with the context's font, colours and background mode.
// `limit` is in surface coordinates.
void PaintLine(HDC dc, const qb::DrawTarget& target, POINT logical, const Run& run, const RECT& limit,
               bool markVisible, RECT& touched) {
  FontFace& face = *dc->state.font->Face();
  const LOGFONT& lf = dc->state.font->logFont;
  const qb::FontMetrics& m = face.Metrics();
  const POINT device = qb::ToDevice(dc->state, logical);
  const POINT reference{device.x + target.origin.x, device.y + target.origin.y};
  Painter painter(target, limit, lf.lfEscapement == 900);
  const std::uint32_t color = qb::PixelFromColor(dc->state.textColor & 0xFFFFFF);
  if (dc->state.bkMode == OPAQUE) {
    painter.Fill(reference, 0, 0, run.width, m.height, qb::PixelFromColor(dc->state.bkColor & 0xFFFFFF), touched);
  }
  painter.Glyphs(reference, run, m.ascent, color, touched);
  const int underline = m.ascent + m.underlineOffset;
  if (lf.lfUnderline) painter.Fill(reference, 0, underline, run.width, underline + m.underlineThickness, color, touched);
  if (markVisible && run.markRight > run.markLeft) {
    painter.Fill(reference, run.markLeft, underline, run.markRight, underline + 1, color, touched);
  }
  if (lf.lfStrikeOut) {
    const int top = m.ascent - m.strikeoutOffset;
    painter.Fill(reference, 0, top, run.width, top + m.strikeoutThickness, color, touched);
  }
}

bool Ready(HDC dc) { return dc && dc->state.font; }

}  // namespace

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  if (!Ready(dc) || !metrics) return FALSE;
  const LOGFONT& lf = dc->state.font->logFont;
  const qb::FontMetrics& m = dc->state.font->Face()->Metrics();
  *metrics = TEXTMETRIC{};
  metrics->tmHeight = m.height;
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internalLeading;
  metrics->tmExternalLeading = m.externalLeading;
  metrics->tmAveCharWidth = m.aveCharWidth;
  metrics->tmMaxCharWidth = m.maxCharWidth;
  metrics->tmWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  metrics->tmItalic = lf.lfItalic;
  metrics->tmUnderlined = lf.lfUnderline;
  metrics->tmStruckOut = lf.lfStrikeOut;
  metrics->tmCharSet = lf.lfCharSet;
  return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, const WCHAR* text, int length, SIZE* size) {
  if (!Ready(dc) || !size || (!text && length != 0)) return FALSE;
  FontFace& face = *dc->state.font->Face();
  *size = SIZE{LayOut(face, TextOf(text, length), false, std::u16string::npos).width, face.Metrics().height};
  return TRUE;
}

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const WCHAR* text, UINT length, const int* dx) {
  if (!Ready(dc) || dx || (!text && length != 0)) return FALSE;
  qb::DrawTarget target;
  if (!dc->Target(target)) return TRUE;
  RECT touched{};
  RECT limit{-kNoLimit, -kNoLimit, kNoLimit, kNoLimit};
  if (rect) {
    const RECT area = qb::ToSurface(dc->state, target, *rect);
    if (options & ETO_OPAQUE) touched = qb::FillClipped(target, area, qb::PixelFromColor(dc->state.bkColor & 0xFFFFFF));
    if (options & ETO_CLIPPED) limit = area;
  }
  const Run run = LayOut(*dc->state.font->Face(), TextOf(text, int(length)), false, std::u16string::npos);
  PaintLine(dc, target, POINT{x, y}, run, limit, false, touched);
  if (touched.right > touched.left) dc->Changed(touched);
  return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, const WCHAR* text, int length) {
  if (length < 0) return FALSE;
  return ExtTextOut(dc, x, y, 0, nullptr, text, UINT(length), nullptr);
}

int DrawText(HDC dc, const WCHAR* text, int length, RECT* rect, UINT format) {
  if (!Ready(dc) || !rect || (!text && length != 0)) return 0;
  FontFace& face = *dc->state.font->Face();
  const int lineHeight = face.Metrics().height;
  const bool expandTabs = format & DT_EXPANDTABS;
  const bool singleLine = format & DT_SINGLELINE;

  qb::PrefixedText prepared;
  if (format & DT_NOPREFIX) {
    prepared.text = std::u16string(TextOf(text, length));
  } else {
    prepared = qb::ResolvePrefixes(TextOf(text, length));
  }
  const auto width = [&](std::u16string_view part) {
    return LayOut(face, part, expandTabs, std::u16string::npos).width;
  };
  const std::vector<qb::TextLine> lines =
      qb::BreakLines(prepared.text, singleLine, format & DT_WORDBREAK, rect->right - rect->left, width);
  const int textHeight = int(lines.size()) * lineHeight;

  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const qb::TextLine& line : lines) widest = std::max(widest, width(line.text));
    rect->right = rect->left + widest;
    rect->bottom = rect->top + textHeight;
    return textHeight;
  }

  int top = rect->top;
  if (singleLine && (format & DT_VCENTER)) top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
  if (singleLine && (format & DT_BOTTOM)) top = rect->bottom - lineHeight;

  qb::DrawTarget target;
  if (dc->Target(target)) {
    const RECT limit = (format & DT_NOCLIP) ? RECT{-kNoLimit, -kNoLimit, kNoLimit, kNoLimit}
                                            : qb::ToSurface(dc->state, target, *rect);
    RECT touched{};
    int y = top;
    for (const qb::TextLine& line : lines) {
      const std::size_t marked = prepared.marked >= line.start && prepared.marked < line.start + line.text.size()
                                     ? prepared.marked - line.start
                                     : std::u16string::npos;
      const Run run = LayOut(face, line.text, expandTabs, marked);
      int x = rect->left;
      if (format & DT_CENTER) x = rect->left + (rect->right - rect->left - run.width) / 2;
      if (format & DT_RIGHT) x = rect->right - run.width;
      PaintLine(dc, target, POINT{x, y}, run, limit, !(format & DT_HIDEPREFIX), touched);
      y += lineHeight;
    }
    if (touched.right > touched.left) dc->Changed(touched);
  }
  return (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) ? top - rect->top + textHeight : textHeight;
}
