#include "tests/support/EventFile.h"

#include <fstream>
#include <optional>
#include <string>

#include "platform/text/Utf.h"

namespace qb::test {
namespace {

class LineReader {
 public:
  explicit LineReader(const std::string& line) : s_(line) {}

  std::optional<events::Event> Object() {
    events::Event event;
    if (!Take('{')) return std::nullopt;
    for (bool first = true; !Take('}'); first = false) {
      if (!first && !Take(',')) return std::nullopt;
      std::optional<std::u16string> key = String();
      if (!key || !Take(':')) return std::nullopt;
      std::optional<events::Value> value = Value();
      if (!value) return std::nullopt;
      const std::string name = ToUtf8(*key);
      if (name == "t" && std::holds_alternative<std::int64_t>(*value)) {
        event.t = std::get<std::int64_t>(*value);
      } else if (name == "ev" && std::holds_alternative<std::u16string>(*value)) {
        event.name = ToUtf8(std::get<std::u16string>(*value));
      } else {
        event.fields.push_back({name, *value});
      }
    }
    return event;
  }

 private:
  bool Take(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  std::optional<events::Value> Value() {
    if (i_ >= s_.size()) return std::nullopt;
    if (s_[i_] == '"') {
      std::optional<std::u16string> text = String();
      if (!text) return std::nullopt;
      return events::Value(*text);
    }
    if (s_.compare(i_, 4, "true") == 0) {
      i_ += 4;
      return events::Value(true);
    }
    if (s_.compare(i_, 5, "false") == 0) {
      i_ += 5;
      return events::Value(false);
    }
    std::size_t used = 0;
    try {
      const long long number = std::stoll(s_.substr(i_), &used);
      i_ += used;
      return events::Value(std::int64_t(number));
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }

  // Escaped units are collected as UTF-16 so that surrogate escapes pair up.
  std::optional<std::u16string> String() {
    if (!Take('"')) return std::nullopt;
    std::u16string out;
    std::string plain;
    auto flush = [&] {
      out += ToUtf16(plain);
      plain.clear();
    };
    while (i_ < s_.size() && s_[i_] != '"') {
      if (s_[i_] != '\\') {
        plain += s_[i_++];
        continue;
      }
      if (++i_ >= s_.size()) return std::nullopt;
      const char escaped = s_[i_++];
      switch (escaped) {
        case 'n':
          plain += '\n';
          break;
        case 'r':
          plain += '\r';
          break;
        case 't':
          plain += '\t';
          break;
        case 'b':
          plain += '\b';
          break;
        case 'f':
          plain += '\f';
          break;
        case 'u':
          if (i_ + 4 > s_.size()) return std::nullopt;
          flush();
          out += char16_t(std::stoi(s_.substr(i_, 4), nullptr, 16));
          i_ += 4;
          break;
        default:
          plain += escaped;
          break;
      }
    }
    if (!Take('"')) return std::nullopt;
    flush();
    return out;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace

std::vector<events::Event> ReadEventFile(const std::filesystem::path& file) {
  std::vector<events::Event> result;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    std::optional<events::Event> event = LineReader(line).Object();
    if (!event) break;
    result.push_back(std::move(*event));
  }
  return result;
}

}  // namespace qb::test
