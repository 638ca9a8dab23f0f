#include "skin/data/DefinitionText.h"

#include <array>

#include "platform/text/Utf.h"

namespace qb {
namespace {

// 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool StartsWith(std::span<const BYTE> bytes, std::initializer_list<BYTE> prefix) {
  if (bytes.size() < prefix.size()) return false;
  std::size_t i = 0;
  for (BYTE b : prefix) {
    if (bytes[i++] != b) return false;
  }
  return true;
}

std::u16string DecodeUtf16(std::span<const BYTE> bytes, bool bigEndian) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const BYTE first = bytes[2 * i];
    const BYTE second = bytes[2 * i + 1];
    text[i] = bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
  }
  return text;
}

BYTE UnicodeToWindows1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<BYTE>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<BYTE>(0x80 + i);
  }
  return '?';
}

}  // namespace

char16_t Windows1252ToUnicode(BYTE byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

DefinitionText DecodeDefinitionText(std::span<const BYTE> bytes) {
  DefinitionText result;
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    result.encoding = TextEncoding::Utf8;
    const auto rest = bytes.subspan(3);
    result.text = ToUtf16(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
  } else if (StartsWith(bytes, {0xFF, 0xFE})) {
    result.encoding = TextEncoding::Utf16LE;
    result.text = DecodeUtf16(bytes.subspan(2), false);
  } else if (StartsWith(bytes, {0xFE, 0xFF})) {
    result.encoding = TextEncoding::Utf16BE;
    result.text = DecodeUtf16(bytes.subspan(2), true);
  } else {
    result.text.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) result.text[i] = Windows1252ToUnicode(bytes[i]);
  }
  return result;
}

std::vector<BYTE> EncodeDefinitionText(std::u16string_view text, TextEncoding encoding) {
  std::vector<BYTE> bytes;
  switch (encoding) {
    case TextEncoding::Utf8: {
      const std::string utf8 = ToUtf8(text);
      bytes = {0xEF, 0xBB, 0xBF};
      bytes.insert(bytes.end(), utf8.begin(), utf8.end());
      break;
    }
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
      const bool big = encoding == TextEncoding::Utf16BE;
      bytes.reserve(2 + 2 * text.size());
      bytes.push_back(big ? 0xFE : 0xFF);
      bytes.push_back(big ? 0xFF : 0xFE);
      for (char16_t c : text) {
        const BYTE high = static_cast<BYTE>(c >> 8);
        const BYTE low = static_cast<BYTE>(c & 0xFF);
        bytes.push_back(big ? high : low);
        bytes.push_back(big ? low : high);
      }
      break;
    }
    case TextEncoding::Windows1252:
      bytes.reserve(text.size());
      for (char16_t c : text) bytes.push_back(UnicodeToWindows1252(c));
      break;
  }
  return bytes;
}

std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::u16string JoinLines(const std::vector<std::u16string_view>& lines) {
  std::u16string text;
  for (std::u16string_view line : lines) {
    text += line;
    text += u"\r\n";
  }
  return text;
}

}  // namespace qb
