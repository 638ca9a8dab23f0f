#include "platform/process/ExecutableSearch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/text/Utf.h"

namespace qb {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat entry {};
  return stat(path.c_str(), &entry) == 0 && S_ISREG(entry.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::u16string> FindExecutable(std::u16string_view program) {
  const std::string name = ToUtf8(program);
  if (name.empty()) return std::nullopt;
  if (name.find('/') != std::string::npos) {
    if (IsExecutableFile(name)) return std::u16string(program);
    return std::nullopt;
  }
  const char* path = std::getenv("PATH");
  const std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const std::string candidate = folder + "/" + name;
    if (IsExecutableFile(candidate)) return ToUtf16(candidate);
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace qb
