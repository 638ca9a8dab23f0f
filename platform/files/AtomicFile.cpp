#include "platform/files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <string>

#include "platform/text/Utf.h"

namespace qb {
namespace {

std::string ResolveLink(const std::string& path) {
  struct stat entry {};
  if (lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// Opens a fresh file next to the target, named after it with a random
// suffix; -1 when none can be created.
int CreateSibling(const std::string& target, std::string& sibling) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    sibling = folder + "." + name + "." + std::to_string(random() % 1000000000) + ".tmp";
    const int fd = open(sibling.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void SyncFolderOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFileContents(std::u16string_view path, std::string_view contents) {
  const std::string target = ResolveLink(ToUtf8(path));
  struct stat old {};
  const bool existed = stat(target.c_str(), &old) == 0;

  std::string sibling;
  const int fd = CreateSibling(target, sibling);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, contents);
  if (ok && existed) ok = fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(sibling.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(sibling.c_str());
    return false;
  }
  SyncFolderOf(target);
  return true;
}

}  // namespace qb
