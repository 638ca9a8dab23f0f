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

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
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
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (const char* escape = ShortEscape(c)) {
      out += escape;
    } else if (c < 0x20) {
      AppendUnicodeEscape(out, c);
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUnicodeEscape(out, c);
    } else {
      AppendUtf8(out, c);
    }
  }
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
