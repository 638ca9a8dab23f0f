// One section of the skin definition, its keys in the order they are set,
// with the value syntaxes of the definition (rectangles and points as
// comma-separated numbers, booleans as 0 or 1).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/WinTypes.h"

namespace qb::skingen {

class IniSection {
 public:
  explicit IniSection(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

  IniSection& Text(const std::string& key, const std::string& value);
  IniSection& Int(const std::string& key, long value);
  IniSection& Bool(const std::string& key, bool value);
  IniSection& Rect(const std::string& key, const RECT& value);
  IniSection& Point(const std::string& key, const POINT& value);

  // The section with CR LF line breaks, followed by an empty line.
  std::string Render() const;

 private:
  std::string name_;
  std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace qb::skingen
