#include "tests/support/FileText.h"

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

std::u16string U16(const std::filesystem::path& path) { return ToUtf16(path.string()); }

}  // namespace qb::test
