#include "platform/dialogs/DialogFilter.h"

#include <algorithm>

#include "platform/text/Utf.h"

namespace qb {
namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    parts.push_back(Trimmed(text.substr(start, end - start)));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::vector<DialogFilter> ParseDialogFilter(const std::u16string& filter) {
  const std::vector<std::string> parts = Split(ToUtf8(filter), '|');
  std::vector<DialogFilter> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    DialogFilter entry{parts[i], {}};
    for (std::string& pattern : Split(parts[i + 1], ';')) {
      if (!pattern.empty()) entry.patterns.push_back(std::move(pattern));
    }
    if (!entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace qb
