#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace qb::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quillbrook-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::Write(std::string_view relative, std::string_view content) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file;
}

}  // namespace qb::test
