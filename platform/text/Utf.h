// Conversion between the UTF-16 texts the product works with and the UTF-8
// byte strings of the operating system (file names, environment).
//
// Linux file names are byte strings that need not be valid UTF-8. Each byte
// that is not part of a valid UTF-8 sequence becomes the lone surrogate
// U+DC80 + byte, and ToUtf8 turns such a surrogate back into that byte, so a
// name read from the system converts back to exactly the same bytes.
#pragma once

#include <string>
#include <string_view>

namespace qb {

std::u16string ToUtf16(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

// Simple Unicode lower-casing of each UTF-16 code unit on its own (code units
// that are surrogates stay as they are), like the system's CharLowerBuff.
std::u16string LowerCase(std::u16string_view text);

}  // namespace qb
