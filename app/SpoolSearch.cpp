#include "app/SpoolSearch.h"

#include "platform/files/FileAttributes.h"
#include "platform/files/FolderListing.h"
#include "platform/shell/KnownFolders.h"
#include "platform/shell/UserName.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

struct Search {
  FoundList& list;
  std::u16string mask;
  bool Recurse;
  bool ListFolders;
  bool FoldersBypassMask;

  // `folder` ends in "/".
  void In(const std::u16string& folder) const {
    FolderListing listing(folder);
    for (FolderEntry entry; listing.Next(entry);) {
      if (entry.name == u"." || entry.name == u"..") continue;
      const std::u16string path = folder + entry.name;
      if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (WildcardMatch(LowerCase(entry.name), mask)) list.push_back({path, 0});
        continue;
      }
      if (ListFolders && (FoldersBypassMask || WildcardMatch(LowerCase(entry.name), mask))) {
        list.push_back({path, 1});
      }
      if (Recurse && !(entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT)) In(path + u"/");
    }
  }
};

}  // namespace

std::u16string GetCommonAppDataFolder() { return SHGetSpecialFolderPath(CSIDL_COMMON_APPDATA); }

std::u16string GetAppDataFolder() { return SHGetSpecialFolderPath(CSIDL_APPDATA); }

std::u16string GetDesktopFolder() { return SHGetSpecialFolderPath(CSIDL_DESKTOPDIRECTORY); }

std::u16string GetHomeFolder() { return SHGetSpecialFolderPath(CSIDL_PROFILE); }

std::u16string GetCurrentUserName() {
  char16_t buffer[255];
  DWORD size = 255;
  if (!GetUserName(buffer, &size)) return u"Unknown";
  return std::u16string(buffer, size - 1);
}

void FindFiles(FoundList& list, std::u16string_view folder, std::u16string_view mask, bool Recurse, bool ListFolders,
               bool FoldersBypassMask) {
  std::u16string start(folder);
  if (!start.ends_with(u'/')) start += u'/';
  Search{list, LowerCase(mask), Recurse, ListFolders, FoldersBypassMask}.In(start);
}

bool WildcardMatch(std::u16string_view name, std::u16string_view mask) {
  std::size_t n = 0;
  std::size_t m = 0;
  // The one resume point: the mask position after the last star seen and
  // the name position that star's run started from.
  std::size_t starMask = std::u16string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      starMask = ++m;
      starName = n;
    } else if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n])) {
      ++m;
      ++n;
    } else if (starMask != std::u16string_view::npos) {
      m = starMask;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  return m == mask.size();
}

}  // namespace qb
