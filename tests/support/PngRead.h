// Reading back the PNG screenshots that the scripted user writes.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/gdi/Surface.h"

namespace qb::test {

// The picture as a surface (BGRA, alpha as stored); nothing when the file is
// missing or is not a PNG.
std::optional<Surface> ReadPng(const std::filesystem::path& file);

}  // namespace qb::test
