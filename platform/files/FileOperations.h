// Moving, deleting and creating files and folders with the outcomes of the
// Windows calls the workflow makes. Paths use "/" and are converted
// losslessly, so a name that is not valid UTF-8 reaches the same file.
#pragma once

#include <string_view>

// Renames or moves a file or folder. Fails when `to` exists, and never
// replaces it, unlike a plain rename on Linux.
bool MoveFile(std::u16string_view from, std::u16string_view to);

// Removes a file; fails for folders and for missing files.
bool DeleteFile(std::u16string_view path);

namespace qb {

// Creates the folder and every missing parent, one level at a time from the
// outermost missing one. True when the folder exists afterwards.
bool CreateFolderWithParents(std::u16string_view path);

}  // namespace qb
