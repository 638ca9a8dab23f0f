#pragma once

#include <string>

namespace qb {

// The folder of the running executable, with symbolic links resolved and a
// trailing "/"; empty when it cannot be found.
std::u16string GetProgramFolder();

}  // namespace qb
