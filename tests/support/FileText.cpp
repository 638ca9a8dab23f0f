#include "tests/support/FileText.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/text/Utf.h"

namespace qb::test {

std::string Content(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::u16string U16(const std::filesystem::path& path) { return ToUtf16(path.string()); }

}  // namespace qb::test
