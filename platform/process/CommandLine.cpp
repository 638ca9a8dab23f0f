#include "platform/process/CommandLine.h"

namespace qb {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<CommandLine> ParseCommandLine(std::u16string_view text, const ExecutableResolver& resolve) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  text.remove_prefix(start);
  if (text.empty()) return std::nullopt;

  if (text.front() == u'"') {
    const std::size_t close = text.find(u'"', 1);
    const std::u16string_view program = text.substr(1, close == std::u16string_view::npos ? text.npos : close - 1);
    auto executable = resolve(program);
    if (program.empty() || !executable) return std::nullopt;
    const std::u16string_view rest = close == std::u16string_view::npos ? u"" : text.substr(close + 1);
    return CommandLine{std::u16string(program), std::move(*executable), SplitArguments(rest)};
  }

  for (std::size_t end = 0; end <= text.size(); ++end) {
    if (end < text.size() && !IsBlank(text[end])) continue;
    if (IsBlank(text[end - 1])) continue;
    const std::u16string_view program = text.substr(0, end);
    if (auto executable = resolve(program)) {
      return CommandLine{std::u16string(program), std::move(*executable), SplitArguments(text.substr(end))};
    }
  }
  return std::nullopt;
}

std::vector<std::u16string> SplitArguments(std::u16string_view text) {
  std::vector<std::u16string> arguments;
  std::u16string current;
  bool inToken = false;
  bool quoted = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (c == u'\\') {
      const std::size_t run = text.find_first_not_of(u'\\', i);
      const std::size_t count = (run == text.npos ? text.size() : run) - i;
      i += count;
      inToken = true;
      if (i < text.size() && text[i] == u'"') {
        current.append(count / 2, u'\\');
        if (count % 2 == 1) {
          current += u'"';
          ++i;
        }
      } else {
        current.append(count, u'\\');
      }
    } else if (c == u'"') {
      inToken = true;
      if (quoted && i + 1 < text.size() && text[i + 1] == u'"') {
        current += u'"';
        ++i;
      } else {
        quoted = !quoted;
      }
      ++i;
    } else if (IsBlank(c) && !quoted) {
      if (inToken) arguments.push_back(std::move(current));
      current.clear();
      inToken = false;
      ++i;
    } else {
      current += c;
      inToken = true;
      ++i;
    }
  }
  if (inToken) arguments.push_back(std::move(current));
  return arguments;
}

std::u16string QuoteArgument(std::u16string_view argument) {
  std::u16string quoted = u"\"";
  std::size_t backslashes = 0;
  for (const char16_t c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes keep their number unless a quotation mark follows, which
    // needs them doubled and one more to escape the mark itself.
    quoted.append(c == u'"' ? 2 * backslashes + 1 : backslashes, u'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, u'\\');
  quoted += u'"';
  return quoted;
}

}  // namespace qb
