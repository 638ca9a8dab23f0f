#include "platform/events/JsonLine.h"

#include <cstdio>

#include "platform/text/Utf.h"

namespace qb::events {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

const char* ShortEscape(char16_t c) {
  switch (c) {
    case u'"': return "\\\"";
    case u'\\': return "\\\\";
    case u'\n': return "\\n";
    case u'\r': return "\\r";
    case u'\t': return "\\t";
    case u'\b': return "\\b";
    case u'\f': return "\\f";
    default: return nullptr;
  }
}

void AppendUnicodeEscape(std::string& out, char16_t unit) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
  out += escape;
}

void AppendValue(std::string& out, const Value& value) {
  if (const auto* text = std::get_if<std::u16string>(&value)) {
    AppendJsonString(out, *text);
  } else if (const auto* number = std::get_if<std::int64_t>(&value)) {
    out += std::to_string(*number);
  } else {
    out += std::get<bool>(value) ? "true" : "false";
  }
}

}  // namespace

void AppendJsonString(std::string& out, std::u16string_view text) {
  out += '"';
  // Characters that need no escape are gathered and converted in one go.
  std::size_t plain = 0;
  const auto flush = [&](std::size_t end) { out += ToUtf8(text.substr(plain, end - plain)); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      ++i;
      continue;
    }
    const char* escape = ShortEscape(c);
    if (!escape && c >= 0x20 && !IsHighSurrogate(c) && !IsLowSurrogate(c)) continue;
    flush(i);
    if (escape) {
      out += escape;
    } else {
      AppendUnicodeEscape(out, c);
    }
    plain = i + 1;
  }
  flush(text.size());
  out += '"';
}

std::string FormatJsonLine(const Event& event) {
  std::string line = "{\"t\":" + std::to_string(event.t) + ",\"ev\":";
  AppendJsonString(line, ToUtf16(event.name));
  for (const Field& field : event.fields) {
    line += ',';
    AppendJsonString(line, ToUtf16(field.name));
    line += ':';
    AppendValue(line, field.value);
  }
  line += "}\n";
  return line;
}

}  // namespace qb::events
