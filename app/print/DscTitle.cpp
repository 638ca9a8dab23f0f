#include "app/print/DscTitle.h"

#include <array>

#include "platform/text/Utf.h"

namespace qb {
namespace {

// Windows-1252 at 0x80 to 0x9F, where it differs from Latin-1; the five
// unassigned bytes keep their Latin-1 meaning.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// ToUtf16 turns each byte that is not valid UTF-8 into a lone low surrogate.
bool HoldsInvalidUtf8(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
    const bool afterHigh = i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
    if (low && !afterHigh) return true;
  }
  return false;
}

std::u16string DecodeTitleBytes(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes.size() % 2 == 0 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
      static_cast<unsigned char>(bytes[1]) == 0xFF) {
    std::u16string text;
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]));
    }
    return text;
  }
  std::u16string text = ToUtf16(bytes);
  if (!HoldsInvalidUtf8(text)) return text;
  text.clear();
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : static_cast<char16_t>(byte);
  }
  return text;
}

// The text of a string in parentheses that starts at `value`, up to its
// closing parenthesis (balanced pairs inside belong to the string) or the end.
std::string_view StringBody(std::string_view value) {
  int depth = 1;
  for (std::size_t i = 1; i < value.size(); ++i) {
    if (value[i] == '\\') {
      ++i;
    } else if (value[i] == '(') {
      ++depth;
    } else if (value[i] == ')' && --depth == 0) {
      return value.substr(1, i - 1);
    }
  }
  return value.substr(1);
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The next line of `rest`, which loses it and its line break (\n, \r\n or \r).
std::string_view TakeLine(std::string_view& rest) {
  const std::size_t end = rest.find_first_of("\r\n");
  const std::string_view line = rest.substr(0, end);
  if (end == std::string_view::npos) {
    rest = {};
  } else {
    rest.remove_prefix(end + (rest.substr(end, 2) == "\r\n" ? 2 : 1));
  }
  return line;
}

}  // namespace

std::string DecodePostScriptString(std::string_view text, bool KeepUnknown) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      decoded += text[i];
      continue;
    }
    const char escaped = text[++i];
    switch (escaped) {
      case 'n': decoded += '\n'; break;
      case 'r': decoded += '\r'; break;
      case 't': decoded += '\t'; break;
      case 'b': decoded += '\b'; break;
      case 'f': decoded += '\f'; break;
      case '\\':
      case '(':
      case ')': decoded += escaped; break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        break;
      case '\n': break;
      default:
        if (IsOctal(escaped)) {
          int value = 0;
          std::size_t digits = 0;
          for (; digits < 3 && i < text.size() && IsOctal(text[i]); ++digits, ++i) value = value * 8 + (text[i] - '0');
          --i;
          decoded += static_cast<char>(value & 0xFF);
        } else {
          if (KeepUnknown) decoded += '\\';
          decoded += escaped;
        }
    }
  }
  return decoded;
}

std::optional<std::u16string> FindDscTitle(std::string_view head) {
  bool inHeader = false;
  while (!head.empty()) {
    std::string_view line = TakeLine(head);
    if (!inHeader) {
      // A job sent to a printer may start with an end-of-job character.
      while (!line.empty() && line.front() == '\x04') line.remove_prefix(1);
      inHeader = line.starts_with("%!");
      continue;
    }
    if (line.starts_with("%%EndComments") || !line.starts_with('%')) break;
    if (!line.starts_with("%%Title:")) continue;

    const std::string_view value = TrimBlanks(line.substr(8));
    const std::string bytes = value.starts_with('(') ? DecodePostScriptString(StringBody(value))
                                                     : DecodePostScriptString(value, true);
    if (bytes.empty()) return std::nullopt;
    return DecodeTitleBytes(bytes);
  }
  return std::nullopt;
}

}  // namespace qb
