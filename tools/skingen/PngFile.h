// Writes a raster as an 8-bit RGB PNG file, for looking at the pictures.
#pragma once

#include <filesystem>

#include "tools/skingen/Raster.h"

namespace qb::skingen {

// Throws std::runtime_error when the file cannot be written.
void WritePng(const std::filesystem::path& path, const Raster& raster);

}  // namespace qb::skingen
