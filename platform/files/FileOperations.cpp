#include "platform/files/FileOperations.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/files/FileAttributes.h"
#include "platform/text/Utf.h"

bool MoveFile(std::u16string_view from, std::u16string_view to) {
  const std::string source = qb::ToUtf8(from);
  const std::string target = qb::ToUtf8(to);
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // Some file systems cannot rename without replacing; a hard link fails
  // when the target exists, which gives the same guarantee for files.
  if (link(source.c_str(), target.c_str()) != 0) return false;
  if (unlink(source.c_str()) != 0) {
    unlink(target.c_str());
    return false;
  }
  return true;
}

bool DeleteFile(std::u16string_view path) {
  const std::string native = qb::ToUtf8(path);
  struct stat entry {};
  if (lstat(native.c_str(), &entry) != 0 || S_ISDIR(entry.st_mode)) return false;
  return unlink(native.c_str()) == 0;
}

namespace qb {

bool CreateFolderWithParents(std::u16string_view path) {
  std::u16string folder(path);
  while (folder.size() > 1 && folder.back() == u'/') folder.pop_back();
  if (folder.empty()) return false;

  // Every level of the path, innermost last.
  std::vector<std::u16string> levels;
  for (std::size_t slash = folder.find(u'/', 1); slash != std::u16string::npos; slash = folder.find(u'/', slash + 1)) {
    if (folder[slash - 1] != u'/') levels.push_back(folder.substr(0, slash));
  }
  levels.push_back(folder);

  std::size_t missing = levels.size();
  while (missing > 0 && !FolderExists(levels[missing - 1])) --missing;
  for (std::size_t i = missing; i < levels.size(); ++i) {
    mkdir(ToUtf8(levels[i]).c_str(), 0777);
  }
  return FolderExists(folder);
}

}  // namespace qb
