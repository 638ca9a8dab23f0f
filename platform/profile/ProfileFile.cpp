#include "platform/profile/ProfileFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "platform/files/AtomicFile.h"
#include "platform/text/Utf.h"

namespace {

constexpr std::size_t kMaxValueLength = 2047;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The file's bytes; nothing when it cannot be read. A missing file reads as
// empty when `missingIsEmpty` is set.
std::optional<std::string> ReadBytes(std::u16string_view file, bool missingIsEmpty) {
  const int fd = open(qb::ToUtf8(file).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return missingIsEmpty && errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
  std::string bytes;
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  if (n < 0) return std::nullopt;
  return bytes;
}

std::u16string_view Trim(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u" \t\r");
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(u" \t\r") - first + 1);
}

bool SameName(std::u16string_view a, std::u16string_view b) { return qb::LowerCase(a) == qb::LowerCase(b); }

// One line of a profile file as the calls see it.
struct Line {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::u16string_view name;   // section or key name, trimmed
  std::u16string_view value;  // trimmed value of a key line
};

Line Classify(std::u16string_view text) {
  const std::u16string_view trimmed = Trim(text);
  if (trimmed.starts_with(u'[')) {
    const std::size_t close = trimmed.find(u']');
    return {Line::kSection, Trim(trimmed.substr(1, close == trimmed.npos ? trimmed.npos : close - 1)), {}};
  }
  const std::size_t equals = trimmed.find(u'=');
  if (equals == trimmed.npos) return {};
  return {Line::kKey, Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// The file split into lines, each with its terminator removed but a "\r"
// before it kept, so that a line can be written back exactly.
struct Document {
  std::string byteOrderMark;
  std::vector<std::string> lines;
  bool endsWithNewline = true;

  explicit Document(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
      byteOrderMark = kByteOrderMark;
      bytes.remove_prefix(kByteOrderMark.size());
    }
    while (!bytes.empty()) {
      const std::size_t end = bytes.find('\n');
      lines.emplace_back(bytes.substr(0, end));
      if (end == bytes.npos) {
        endsWithNewline = false;
        break;
      }
      bytes.remove_prefix(end + 1);
    }
  }

  // The "\r" that new lines carry before their "\n", going by the first line.
  std::string CarriageReturn() const { return !lines.empty() && lines.front().ends_with('\r') ? "\r" : ""; }

  std::string Bytes() const {
    std::string bytes = byteOrderMark;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      bytes += lines[i];
      if (i + 1 < lines.size() || endsWithNewline) bytes += '\n';
    }
    return bytes;
  }
};

}  // namespace

std::u16string GetPrivateProfileString(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view defaultValue, std::u16string_view file) {
  std::u16string result(defaultValue);
  if (const auto bytes = ReadBytes(file, false)) {
    const Document document(*bytes);
    bool inSection = false;
    for (const std::string& raw : document.lines) {
      const std::u16string text = qb::ToUtf16(raw);
      const Line line = Classify(text);
      if (line.kind == Line::kSection) {
        inSection = SameName(line.name, section);
      } else if (line.kind == Line::kKey && inSection && SameName(line.name, key)) {
        std::u16string_view value = line.value;
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
          value = value.substr(1, value.size() - 2);
        }
        result = value;
        break;
      }
    }
  }
  if (result.size() > kMaxValueLength) result.resize(kMaxValueLength);
  return result;
}

bool WritePrivateProfileString(std::u16string_view section, std::u16string_view key, std::u16string_view value,
                               std::u16string_view file) {
  const auto hasLineBreak = [](std::u16string_view text) { return text.find_first_of(u"\r\n") != text.npos; };
  if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || section.find(u']') != section.npos ||
      key.find(u'=') != key.npos || Trim(key).empty() || Trim(key).starts_with(u'[')) {
    return false;
  }
  const auto bytes = ReadBytes(file, true);
  if (!bytes) return false;
  Document document(*bytes);
  const std::string entry = qb::ToUtf8(key) + "=" + qb::ToUtf8(value);

  // Where the first matching section ends: after its last line that is not
  // blank. The key itself may stand in any section of that name.
  std::optional<std::size_t> sectionEnd;
  bool inSection = false;
  bool inFirstSection = false;
  for (std::size_t i = 0; i < document.lines.size(); ++i) {
    const std::u16string text = qb::ToUtf16(document.lines[i]);
    const Line line = Classify(text);
    if (line.kind == Line::kSection) {
      inSection = SameName(line.name, section);
      inFirstSection = inSection && !sectionEnd;
      if (inFirstSection) sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    if (line.kind == Line::kKey && SameName(line.name, key)) {
      const bool keepsReturn = document.lines[i].ends_with('\r');
      document.lines[i] = qb::ToUtf8(line.name) + "=" + qb::ToUtf8(value) + (keepsReturn ? "\r" : "");
      return qb::ReplaceFileContents(file, document.Bytes());
    }
    if (inFirstSection && !Trim(text).empty()) sectionEnd = i + 1;
  }

  const std::string withReturn = document.CarriageReturn();
  if (!sectionEnd || *sectionEnd == document.lines.size()) document.endsWithNewline = true;
  if (sectionEnd) {
    document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry + withReturn);
  } else {
    document.lines.push_back("[" + qb::ToUtf8(section) + "]" + withReturn);
    document.lines.push_back(entry + withReturn);
  }
  return qb::ReplaceFileContents(file, document.Bytes());
}
