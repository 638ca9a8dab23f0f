#include "app/print/JobFileName.h"

#include <random>
#include <vector>

namespace qb {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::vector<char32_t> CodePoints(std::u16string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      points.push_back(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      points.push_back(kReplacement);
    } else {
      points.push_back(unit);
    }
  }
  return points;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029; }

std::size_t Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

void Append(std::u16string& text, char32_t c) {
  if (c < 0x10000) {
    text += static_cast<char16_t>(c);
  } else {
    text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
}

}  // namespace

std::u16string JobTitleForFileName(std::u16string_view title) {
  std::vector<char32_t> kept;
  for (char32_t c : CodePoints(title)) {
    if (c == U'/') c = U'_';
    if (IsControl(c)) c = U' ';
    if (c == U' ' && (kept.empty() || kept.back() == U' ')) continue;
    if (c == U'.' && kept.empty()) continue;
    kept.push_back(c);
  }

  std::u16string safe;
  std::size_t bytes = 0;
  for (const char32_t c : kept) {
    if (bytes + Utf8Length(c) > kMaxTitleBytes) break;
    bytes += Utf8Length(c);
    Append(safe, c);
  }
  while (!safe.empty() && safe.back() == u' ') safe.pop_back();
  return safe.empty() ? std::u16string(kUntitledJob) : safe;
}

std::u16string RandomJobPrefix() {
  static constexpr std::u16string_view kAlphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::u16string prefix;
  for (int i = 0; i < 15; ++i) prefix += kAlphabet[pick(source)];
  return prefix;
}

std::u16string JobFileName(std::u16string_view prefix, std::u16string_view title) {
  return std::u16string(prefix) + JobTitleForFileName(title) + u".ps";
}

}  // namespace qb
