// The filter of a save dialog request ("description|pattern;pattern|…", the
// Windows form) taken apart for the Linux dialogs.
#pragma once

#include <string>
#include <vector>

namespace qb {

struct DialogFilter {
  std::string description;
  std::vector<std::string> patterns;  // "*.pdf"
};

// Entries without a pattern are left out; blanks around parts are dropped.
std::vector<DialogFilter> ParseDialogFilter(const std::u16string& filter);

}  // namespace qb
