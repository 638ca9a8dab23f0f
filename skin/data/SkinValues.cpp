#include "skin/data/SkinValues.h"

#include <array>
#include <limits>
#include <utility>

#include "platform/text/Utf.h"
#include "skin/data/SkinErrors.h"

namespace qb {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHex(std::u16string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::u16string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
    negative = text[0] == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char16_t c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// One comma-separated part of a rectangle or point, reduced to its digits.
std::int32_t ParseCoordinate(std::u16string_view part) {
  std::int64_t value = 0;
  bool any = false;
  for (char16_t c : part) {
    if (!IsDigit(c)) continue;
    any = true;
    value = value * 10 + (c - u'0');
    if (value > std::numeric_limits<std::int32_t>::max()) {
      throw EConvertError("'" + ToUtf8(part) + "' is not a valid integer value");
    }
  }
  if (!any) throw EConvertError("'' is not a valid integer value");
  return static_cast<std::int32_t>(value);
}

template <std::size_t N>
std::array<std::int32_t, N> ParseCoordinates(std::u16string_view text) {
  std::array<std::int32_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = text.find(u',');
    values[i] = ParseCoordinate(text.substr(0, comma));
    text = comma == std::u16string_view::npos ? std::u16string_view{} : text.substr(comma + 1);
  }
  return values;
}

template <typename Enum, std::size_t N>
Enum Lookup(const std::array<std::pair<std::u16string_view, Enum>, N>& names, std::u16string_view text,
            Enum otherwise) {
  for (const auto& [name, value] : names) {
    if (name == text) return value;
  }
  return otherwise;
}

template <typename Enum, std::size_t N>
std::u16string NameOf(const std::array<std::pair<std::u16string_view, Enum>, N>& names, Enum value,
                      std::u16string_view otherwise) {
  for (const auto& [name, v] : names) {
    if (v == value) return std::u16string(name);
  }
  return std::u16string(otherwise);
}

constexpr std::array<std::pair<std::u16string_view, TStretchType>, 2> kStretchTypes{{
    {u"stfull", TStretchType::stFull},
    {u"stvert", TStretchType::stVert},
}};

constexpr std::array<std::pair<std::u16string_view, TMorphKind>, 7> kMorphKinds{{
    {u"mkdefault", TMorphKind::mkDefault},
    {u"mkgradient", TMorphKind::mkGradient},
    {u"mkleftgradient", TMorphKind::mkLeftGradient},
    {u"mkrightgradient", TMorphKind::mkRightGradient},
    {u"mkleftslide", TMorphKind::mkLeftSlide},
    {u"mkrightslide", TMorphKind::mkRightSlide},
    {u"mkpush", TMorphKind::mkPush},
}};

constexpr std::array<std::pair<std::u16string_view, TInactiveEffect>, 6> kInactiveEffects{{
    {u"iebrightness", TInactiveEffect::ieBrightness},
    {u"iedarkness", TInactiveEffect::ieDarkness},
    {u"iegrayscale", TInactiveEffect::ieGrayScale},
    {u"ienoise", TInactiveEffect::ieNoise},
    {u"iesplitblur", TInactiveEffect::ieSplitBlur},
    {u"ieinvert", TInactiveEffect::ieInvert},
}};

constexpr std::array<std::pair<std::u16string_view, TAlignment>, 2> kAlignments{{
    {u"taleftjustify", TAlignment::taLeftJustify},
    {u"tacenter", TAlignment::taCenter},
}};

constexpr std::array<std::pair<std::u16string_view, TskStdCommand>, 6> kCommands{{
    {u"cmclose", TskStdCommand::cmClose},
    {u"cmmaximize", TskStdCommand::cmMaximize},
    {u"cmminimize", TskStdCommand::cmMinimize},
    {u"cmsysmenu", TskStdCommand::cmSysMenu},
    {u"cmdefault", TskStdCommand::cmDefault},
    {u"cmrollup", TskStdCommand::cmRollUp},
}};

constexpr std::array<std::pair<std::u16string_view, TFontStyle>, 4> kFontStyles{{
    {u"fsbold", fsBold},
    {u"fsitalic", fsItalic},
    {u"fsunderline", fsUnderline},
    {u"fsstrikeout", fsStrikeOut},
}};

}  // namespace

std::optional<std::int32_t> ParseInteger(std::u16string_view text) {
  if (text.size() >= 3 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    return ParseHex(text.substr(2));
  }
  return ParseDecimal(text);
}

RECT ParseRect(std::u16string_view text) {
  const auto v = ParseCoordinates<4>(text);
  return RECT{v[0], v[1], v[2], v[3]};
}

POINT ParsePoint(std::u16string_view text) {
  const auto v = ParseCoordinates<2>(text);
  return POINT{v[0], v[1]};
}

TFontStyles ParseFontStyles(std::u16string_view text) {
  TFontStyles styles;
  for (const auto& [name, style] : kFontStyles) {
    if (text.find(name) != std::u16string_view::npos) styles.Include(style);
  }
  return styles;
}

TStretchType ParseStretchType(std::u16string_view text) {
  return Lookup(kStretchTypes, text, TStretchType::stHorz);
}
TMorphKind ParseMorphKind(std::u16string_view text) { return Lookup(kMorphKinds, text, TMorphKind::mkDefault); }
TInactiveEffect ParseInactiveEffect(std::u16string_view text) {
  return Lookup(kInactiveEffects, text, TInactiveEffect::ieGrayScale);
}
TAlignment ParseAlignment(std::u16string_view text) {
  return Lookup(kAlignments, text, TAlignment::taRightJustify);
}
TskStdCommand ParseCommand(std::u16string_view text) {
  return Lookup(kCommands, text, TskStdCommand::cmMinimizeToTray);
}

std::u16string FormatInteger(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string FormatRect(const RECT& r) {
  return FormatInteger(r.left) + u"," + FormatInteger(r.top) + u"," + FormatInteger(r.right) + u"," +
         FormatInteger(r.bottom);
}

std::u16string FormatPoint(const POINT& p) { return FormatInteger(p.x) + u"," + FormatInteger(p.y); }

std::u16string FormatFontStyles(TFontStyles styles) {
  std::u16string text;
  for (const auto& [name, style] : kFontStyles) {
    if (!styles.Contains(style)) continue;
    if (!text.empty()) text += u',';
    text += name;
  }
  return text;
}

std::u16string FormatStretchType(TStretchType value) { return NameOf(kStretchTypes, value, u"sthorz"); }
std::u16string FormatMorphKind(TMorphKind value) { return NameOf(kMorphKinds, value, u"mkdefault"); }
std::u16string FormatInactiveEffect(TInactiveEffect value) {
  return NameOf(kInactiveEffects, value, u"iegrayscale");
}
std::u16string FormatAlignment(TAlignment value) { return NameOf(kAlignments, value, u"tarightjustify"); }
std::u16string FormatCommand(TskStdCommand value) { return NameOf(kCommands, value, u"cmminimizetotray"); }

}  // namespace qb
