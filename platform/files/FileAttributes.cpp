#include "platform/files/FileAttributes.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/text/Utf.h"

namespace {

DWORD Combine(bool isLink, bool isFolder, const char* name) {
  DWORD attributes = 0;
  if (isLink) attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
  if (isFolder) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (name[0] == '.') attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

const char* BaseName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

}  // namespace

DWORD GetFileAttributes(std::u16string_view path) {
  std::string native = qb::ToUtf8(path);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  struct stat entry {};
  if (lstat(native.c_str(), &entry) != 0) return INVALID_FILE_ATTRIBUTES;
  if (!S_ISLNK(entry.st_mode)) return Combine(false, S_ISDIR(entry.st_mode), BaseName(native));
  struct stat target {};
  return Combine(true, stat(native.c_str(), &target) == 0 && S_ISDIR(target.st_mode), BaseName(native));
}

namespace qb {

DWORD AttributesAt(int folderFd, const char* name, unsigned char direntType) {
  if (direntType == DT_DIR || direntType == DT_REG) return Combine(false, direntType == DT_DIR, name);
  struct stat entry {};
  if (fstatat(folderFd, name, &entry, AT_SYMLINK_NOFOLLOW) != 0) return Combine(false, false, name);
  if (!S_ISLNK(entry.st_mode)) return Combine(false, S_ISDIR(entry.st_mode), name);
  struct stat target {};
  return Combine(true, fstatat(folderFd, name, &target, 0) == 0 && S_ISDIR(target.st_mode), name);
}

bool FolderExists(std::u16string_view path) {
  const DWORD attributes = GetFileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace qb
