#include "platform/files/ProgramFolder.h"

#include <unistd.h>

#include <climits>

#include "platform/text/Utf.h"

namespace qb {

std::u16string GetProgramFolder() {
  std::string path(PATH_MAX, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return ToUtf16(path.substr(0, slash + 1));
}

}  // namespace qb
