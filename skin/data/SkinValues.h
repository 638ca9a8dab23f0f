// The value syntaxes of a skin definition: how each kind of value is read
// from its text and written back. Every record key uses one of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/TFont.h"

namespace qb {

enum class TStretchType { stFull = 0, stHorz = 1, stVert = 2 };

enum class TMorphKind {
  mkDefault = 0, mkGradient = 1, mkLeftGradient = 2, mkRightGradient = 3,
  mkLeftSlide = 4, mkRightSlide = 5, mkPush = 6
};

enum class TInactiveEffect {
  ieBrightness = 0, ieDarkness = 1, ieGrayScale = 2, ieNoise = 3, ieSplitBlur = 4, ieInvert = 5
};

enum class TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

enum class TskStdCommand {
  cmClose = 0, cmMaximize = 1, cmMinimize = 2, cmSysMenu = 3, cmDefault = 4, cmRollUp = 5,
  cmMinimizeToTray = 6
};

// A rectangle is empty when its width or height is 0 or less.
constexpr bool IsRectEmpty(const RECT& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

// Decimal, or hexadecimal after "0x"/"0X" (then up to 32 bits, read as a
// two's-complement value); empty when the text is no number that fits.
std::optional<std::int32_t> ParseInteger(std::u16string_view text);

// Both throw EConvertError when a part is missing or empty after every
// character other than 0 to 9 has been dropped from it. Parts beyond the
// fourth (or second) are ignored.
RECT ParseRect(std::u16string_view text);
POINT ParsePoint(std::u16string_view text);

TFontStyles ParseFontStyles(std::u16string_view text);
TStretchType ParseStretchType(std::u16string_view text);
TMorphKind ParseMorphKind(std::u16string_view text);
TInactiveEffect ParseInactiveEffect(std::u16string_view text);
TAlignment ParseAlignment(std::u16string_view text);
TskStdCommand ParseCommand(std::u16string_view text);

std::u16string FormatInteger(std::int64_t value);
std::u16string FormatRect(const RECT& r);
std::u16string FormatPoint(const POINT& p);
std::u16string FormatFontStyles(TFontStyles styles);
std::u16string FormatStretchType(TStretchType value);
std::u16string FormatMorphKind(TMorphKind value);
std::u16string FormatInactiveEffect(TInactiveEffect value);
std::u16string FormatAlignment(TAlignment value);
std::u16string FormatCommand(TskStdCommand value);

}  // namespace qb
