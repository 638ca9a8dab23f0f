#include "tools/skingen/IniSection.h"

namespace qb::skingen {

IniSection& IniSection::Text(const std::string& key, const std::string& value) {
  entries_.emplace_back(key, value);
  return *this;
}

IniSection& IniSection::Int(const std::string& key, long value) { return Text(key, std::to_string(value)); }

IniSection& IniSection::Bool(const std::string& key, bool value) { return Int(key, value ? 1 : 0); }

IniSection& IniSection::Rect(const std::string& key, const RECT& value) {
  return Text(key, std::to_string(value.left) + "," + std::to_string(value.top) + "," + std::to_string(value.right) +
                       "," + std::to_string(value.bottom));
}

IniSection& IniSection::Point(const std::string& key, const POINT& value) {
  return Text(key, std::to_string(value.x) + "," + std::to_string(value.y));
}

std::string IniSection::Render() const {
  std::string text = "[" + name_ + "]\r\n";
  for (const auto& [key, value] : entries_) text += key + "=" + value + "\r\n";
  text += "\r\n";
  return text;
}

}  // namespace qb::skingen
