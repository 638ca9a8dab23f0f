// A 24-bit working copy of a picture on which the skin runs its pixel
// effects in place: transitions that move the picture towards a second one
// of the same size by a factor k (0 = this picture, 1 = the other), and
// effects that give it an inactive look.
//
// Rounding is to the nearest integer with halves to even; results are
// limited to 0..255; divisions of integers truncate toward zero.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

enum TskMorphKind {
  mkDefault = 0,
  mkGradient = 1,
  mkLeftGradient = 2,
  mkRightGradient = 3,
  mkLeftSlide = 4,
  mkRightSlide = 5,
  mkPush = 6
};

enum TskInactiveEffect {
  ieBrightness = 0,
  ieDarkness = 1,
  ieGrayscale = 2,
  ieNoise = 3,
  ieSplitBlur = 4,
  ieInvert = 5
};

class TskEffectBmp {
 public:
  // The picture's pixels in 24 bits; nothing refers back to it afterwards.
  explicit TskEffectBmp(const TBitmap& picture);

  int Width() const { return image_.width; }
  int Height() const { return image_.height; }
  // Rows top-down, 3·width + width mod 4 bytes each, pixels blue, green, red.
  std::size_t Stride() const { return std::size_t(image_.Stride()); }
  BYTE* ScanLine(int y) { return image_.bits.data() + Stride() * std::size_t(y); }
  const BYTE* ScanLine(int y) const { return image_.bits.data() + Stride() * std::size_t(y); }

  // Copies every pixel unchanged with the top-left corner at (x, y).
  void DrawAt(HDC target, int x, int y) const;

  // Transitions; each does nothing when `other` differs in size. k outside
  // 0..1 counts as the nearer bound.
  void MorphDefault(const TskEffectBmp& other, double k);
  void MorphGradient(const TskEffectBmp& other, double k);
  void MorphLeftGradient(const TskEffectBmp& other, double k);
  void MorphRightGradient(const TskEffectBmp& other, double k);
  void MorphLeftSlide(const TskEffectBmp& other, double k);
  void MorphRightSlide(const TskEffectBmp& other, double k);
  void MorphPush(const TskEffectBmp& other, double k);
  // The transition a skin's `morphkind` names; unknown kinds blend.
  void Morph(int kind, const TskEffectBmp& other, double k);

  // Effects. x is limited to 0..1.
  void EffectBrightness(double x);
  void EffectDarkness(double x);
  void EffectGrayscale();
  // Adds one draw r − range div 2, r uniform in 0..range − 1, to all three
  // channels of each pixel; the same seed gives the same noise. A range of 0
  // or less does nothing.
  void EffectNoise(int range, std::uint32_t seed = 1);
  // Every channel becomes the truncated mean of the four diagonal neighbours
  // at distance `amount`, rows processed top-down and in place; neighbours
  // past an edge are taken at the edge. An amount of 0 or less does nothing.
  void EffectSplitBlur(int amount);
  void EffectInvert();
  // The effect a skin's `inactiveeffect` names, with the callers' values.
  void ApplyInactiveEffect(int effect);

 private:
  bool SameSize(const TskEffectBmp& other) const { return other.Width() == Width() && other.Height() == Height(); }
  // Per channel: A := clamp(round(t·A + (1 − t)·B)) for pixels [from, to) of a row.
  static void BlendTowards(BYTE* a, const BYTE* b, double t, int from, int to);

  Dib image_;
};

}  // namespace qb
