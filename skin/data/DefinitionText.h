// The bytes of a skin definition as text. A UTF-8 or UTF-16 byte-order mark
// at the start selects that encoding; any other text is single-byte
// Windows-1252, which maps every byte to a distinct character, so such text
// converts back to exactly the bytes it came from.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace qb {

enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE };

struct DefinitionText {
  TextEncoding encoding = TextEncoding::Windows1252;
  std::u16string text;  // without the byte-order mark
};

DefinitionText DecodeDefinitionText(std::span<const BYTE> bytes);

// The text in the given encoding, with the byte-order mark the encoding needs.
// Characters that Windows-1252 cannot hold become "?".
std::vector<BYTE> EncodeDefinitionText(std::u16string_view text, TextEncoding encoding);

// Splits at CR LF, lone LF and lone CR; a break at the very end opens no
// further line.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

// The lines, each followed by CR LF.
std::u16string JoinLines(const std::vector<std::u16string_view>& lines);

char16_t Windows1252ToUnicode(BYTE byte);

}  // namespace qb
