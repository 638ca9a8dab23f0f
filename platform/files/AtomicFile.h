// Replacing a file's contents so that a failure at any point leaves the old
// file as it was.
#pragma once

#include <string_view>

namespace qb {

// Writes the contents to a new file in the same folder, flushes it to disk
// and renames it over the target, which thus holds either its old or its new
// contents, never a mix. An existing file keeps its permission bits; a new
// one gets 0666 less the umask. A symbolic link is written through to the
// file it leads to. False, with the target untouched and no temporary file
// left, when the folder is missing or not writable or the write fails.
bool ReplaceFileContents(std::u16string_view path, std::string_view contents);

}  // namespace qb
