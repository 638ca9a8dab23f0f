// The colours of the silver theme. The frame and the controls take their
// colours from here, and the skin colour table of the definition from the
// same values, so that pictures and colour records always agree.
#pragma once

#include "tools/skingen/Gradient.h"
#include "tools/skingen/Rgb.h"

namespace qb::skingen::theme {

// The skin colour table, as Windows colour values 0x00BBGGRR.
constexpr COLORREF kBtnFace = 15263459;
constexpr COLORREF kBtnText = 0;
constexpr COLORREF kWindow = 16777215;
constexpr COLORREF kWindowText = 0;
constexpr COLORREF kHighlight = 5819121;
constexpr COLORREF kHighlightText = 16777215;
constexpr COLORREF kBtnHighlight = 16777215;
constexpr COLORREF kBtnShadow = 11249314;

// Caption text, inactive and active, and its glow.
constexpr COLORREF kCaptionText = 8289918;
constexpr COLORREF kActiveCaptionText = 3355443;
constexpr COLORREF kCaptionGlow = 16777215;
constexpr COLORREF kDisabledText = 14144205;
// The colour-key of small markers drawn over the controls.
constexpr COLORREF kMarkerKey = 16711935;

constexpr Rgb kClient = FromColorRef(kBtnFace);
constexpr Rgb kWhite = Grey(255);
constexpr Rgb kOutline = Hex(0x6A7077);
constexpr Rgb kOutlineShaded = Hex(0x5C6168);
constexpr Rgb kInnerShade = Hex(0xC1C6CC);
constexpr Rgb kClientEdge = Hex(0xAEB3B9);
constexpr Rgb kShadow = Hex(0x1C2026);
constexpr Rgb kGlyph = Hex(0x3F444A);
constexpr Rgb kGlyphInactive = Hex(0x9A9FA5);
constexpr Rgb kAccent = FromColorRef(kHighlight);

// Top to bottom of a caption bar.
inline Gradient CaptionGradient() {
  return {{0.0f, Hex(0xFCFCFD)}, {0.45f, Hex(0xEEF0F2)}, {0.55f, Hex(0xE7EAED)}, {1.0f, Hex(0xD8DCE1)}};
}

}  // namespace qb::skingen::theme
