#include "platform/files/FolderListing.h"

#include "platform/files/FileAttributes.h"
#include "platform/text/Utf.h"

namespace qb {

FolderListing::FolderListing(std::u16string_view folder) {
  const std::string native = ToUtf8(folder);
  dir_ = opendir(native.c_str());
}

FolderListing::~FolderListing() {
  if (dir_) closedir(dir_);
}

bool FolderListing::Next(FolderEntry& entry) {
  if (!dir_) return false;
  const dirent* found = readdir(dir_);
  if (!found) return false;
  entry.name = ToUtf16(found->d_name);
  entry.attributes = AttributesAt(dirfd(dir_), found->d_name, found->d_type);
  return true;
}

}  // namespace qb
