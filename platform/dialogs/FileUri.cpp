#include "platform/dialogs/FileUri.h"

#include <cctype>

#include "platform/text/Utf.h"

namespace qb {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::u16string> PathFromFileUri(std::string_view uri) {
  constexpr std::string_view kScheme = "file://";
  if (uri.size() < kScheme.size()) return std::nullopt;
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    // The scheme is case-insensitive.
    if (std::tolower(static_cast<unsigned char>(uri[i])) != kScheme[i]) return std::nullopt;
  }
  std::string_view rest = uri.substr(kScheme.size());
  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view host = rest.substr(0, slash);
  if (!host.empty() && host != "localhost") return std::nullopt;
  rest = rest.substr(slash);
  // A query or fragment has no place in a chosen file's URI; a '?' or '#'
  // of the name itself comes escaped.
  if (rest.find_first_of("?#") != std::string_view::npos) return std::nullopt;
  std::string path;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const int high = rest[i] == '%' && i + 2 < rest.size() ? HexDigit(rest[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(rest[i + 2]) : -1;
    if (low < 0) {
      path += rest[i];
      continue;
    }
    const char byte = char(high * 16 + low);
    // A NUL would cut the name short wherever it is handed to the system.
    if (byte == 0) return std::nullopt;
    path += byte;
    i += 2;
  }
  return ToUtf16(path);
}

}  // namespace qb
