// The entries of one folder, one at a time, in the order the file system
// returns them: the listing that a FindFirstFile / FindNextFile / FindClose
// loop over folder + "*" gives. Every entry is listed, hidden ones and the
// "." and ".." entries included; nothing is sorted.
#pragma once

#include <dirent.h>

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace qb {

struct FolderEntry {
  // The name as stored, converted losslessly (see platform/text/Utf.h).
  std::u16string name;
  DWORD attributes = 0;  // FILE_ATTRIBUTE_* (platform/files/FileAttributes.h)
};

class FolderListing {
 public:
  // A folder that cannot be opened gives a listing that is not open and
  // has no entries.
  explicit FolderListing(std::u16string_view folder);
  ~FolderListing();
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  bool IsOpen() const { return dir_ != nullptr; }
  // Fills entry with the next one; false when there is none left.
  bool Next(FolderEntry& entry);

 private:
  DIR* dir_ = nullptr;
};

}  // namespace qb
