// The small services that start-up and the save dialog rest on: the special
// folders, the user's name, and the search that finds the print jobs in the
// spool folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qb {

// One entry found by FindFiles: its full path and 0 for a file, 1 for a
// folder.
struct FoundEntry {
  std::u16string path;
  int tag = 0;
  friend bool operator==(const FoundEntry&, const FoundEntry&) = default;
};

using FoundList = std::vector<FoundEntry>;

// The special folders, without a trailing "/"; empty when the lookup fails.
// None of them is created.
std::u16string GetCommonAppDataFolder();
std::u16string GetAppDataFolder();
std::u16string GetDesktopFolder();
// The user's home folder.
std::u16string GetHomeFolder();

// The user's login name, or "Unknown" when there is none or it is longer
// than 254 characters.
std::u16string GetCurrentUserName();

// Appends to `list` every entry of `folder` whose name matches `mask`
// (ignoring letter case), in the order the system lists them. Folders are
// appended only with ListFolders, and then whether or not they match when
// FoldersBypassMask is set. With Recurse, every subfolder is searched too,
// right after it has been appended; a symbolic link to a folder is appended
// like a folder but not searched, so that a link cycle cannot make the
// search endless. A folder that cannot be listed adds nothing.
void FindFiles(FoundList& list, std::u16string_view folder, std::u16string_view mask, bool Recurse, bool ListFolders,
               bool FoldersBypassMask);

// True when the whole name matches the whole mask: "*" stands for any run
// of characters, the empty one included, "?" for exactly one; every other
// character only for itself (UTF-16 code units, letter case counts).
bool WildcardMatch(std::u16string_view name, std::u16string_view mask);

}  // namespace qb
