// Writing the skin folder: the definition file and every picture as a BMP
// file beside it, ready to be packed into a stored skin.
#pragma once

#include <filesystem>
#include <string_view>

#include "tools/skingen/PaintedSkin.h"

namespace qb::skingen {

constexpr std::string_view kDefinitionFileName = "skin.ini";

// Creates the folder when needed; throws std::runtime_error when a file
// cannot be written.
void WriteSkinFolder(const PaintedSkin& skin, const std::filesystem::path& folder);

}  // namespace qb::skingen
