// One rasterised font: a face file at one size and style, with Windows-style
// metrics and a cache of rendered glyphs. Faces are shared between all fonts
// of the same face name, size, weight, slant and quality.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/text/Font.h"

namespace qb {

struct GlyphImage {
  int left = 0;  // from the pen position to the first column
  int top = 0;   // from the baseline up to the first row
  int width = 0;
  int rows = 0;
  std::vector<BYTE> coverage;  // width × rows, 0 … 255
  int advance = 0;             // whole pixels, as GDI advances
};

// All in pixels; the names follow TEXTMETRIC.
struct FontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int underlineOffset = 0;  // below the baseline, to the line's top
  int underlineThickness = 1;
  int strikeoutOffset = 0;  // above the baseline, to the line's top
  int strikeoutThickness = 1;
};

class FontFace {
 public:
  // The shared face for a description; never null (a missing face name falls
  // back to fontconfig's choice).
  static std::shared_ptr<FontFace> For(const LOGFONT& description);
  // Starts the largest part of the first lookup on a helper thread, so that
  // a program can overlap it with its own start: checking the answers
  // remembered from earlier runs and, when they cannot be trusted, loading
  // fontconfig's set-up. To be called from the thread that looks fonts up.
  static void PrepareMatching();

  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  const GlyphImage& Glyph(char32_t character);
  // The file fontconfig chose, for diagnostics and tests.
  const std::string& File() const { return file_; }

  struct Impl;

 private:
  explicit FontFace(std::unique_ptr<Impl> impl);

  std::unique_ptr<Impl> impl_;
  FontMetrics metrics_;
  std::string file_;
  std::unordered_map<char32_t, GlyphImage> glyphs_;
};

}  // namespace qb
