// Small conveniences for tests that look at files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qb::test {

// The whole file as bytes; empty when it cannot be read.
std::string Content(const std::filesystem::path& file);

// The names of a folder's entries, sorted.
std::vector<std::string> Names(const std::filesystem::path& folder);

// The path as the product's interfaces take it.
std::u16string U16(const std::filesystem::path& path);

}  // namespace qb::test
