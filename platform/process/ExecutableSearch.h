// Finding the file that a program name stands for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qb {

// A name with a "/" names the file itself (relative names from the working
// folder); a bare name is looked for in the folders of $PATH. Only regular
// files that may be executed count.
std::optional<std::u16string> FindExecutable(std::u16string_view program);

}  // namespace qb
