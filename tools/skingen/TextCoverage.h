// A line of text drawn with the platform's fonts, kept as coverage (0 … 1
// per pixel), so that the previews can lay it out and add a glow.
#pragma once

#include <string>
#include <vector>

namespace qb::skingen {

class TextCoverage {
 public:
  // heightPixels is the font's cell height, as a skin's "fontheight" gives it.
  TextCoverage(const std::u16string& text, const std::u16string& face, int heightPixels, bool bold);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0 outside the text's cell.
  float At(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<float> coverage_;
};

}  // namespace qb::skingen
