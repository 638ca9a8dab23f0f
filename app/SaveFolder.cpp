#include "app/SaveFolder.h"

#include "app/SpoolSearch.h"
#include "platform/files/FileAttributes.h"

namespace qb {
namespace {

std::u16string BelowHome(const std::u16string& folder) {
  if (folder.starts_with(u'/')) return folder;
  std::u16string relative = folder;
  if (relative == u"~" || relative.starts_with(u"~/")) relative.erase(0, relative.size() > 1 ? 2 : 1);
  return GetHomeFolder() + u"/" + relative;
}

}  // namespace

std::u16string SaveFolder(const std::u16string& remembered) {
  if (!remembered.empty()) {
    const std::u16string folder = BelowHome(remembered);
    if (FolderExists(folder)) return folder;
  }
  const std::u16string desktop = GetDesktopFolder();
  if (FolderExists(desktop)) return desktop;
  const std::u16string home = GetHomeFolder();
  return FolderExists(home) ? home : desktop;
}

}  // namespace qb
