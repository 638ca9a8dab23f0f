// File attributes in the Windows form, taken from the file system.
#pragma once

#include <string_view>

#include "platform/WinTypes.h"

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x00000002;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x00000400;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

// A symbolic link carries FILE_ATTRIBUTE_REPARSE_POINT, and
// FILE_ATTRIBUTE_DIRECTORY when it leads to a folder. A name that starts
// with "." is FILE_ATTRIBUTE_HIDDEN. INVALID_FILE_ATTRIBUTES when the path
// does not exist or cannot be reached.
DWORD GetFileAttributes(std::u16string_view path);

namespace qb {

// The attributes of the entry `name` of an open folder (a folder
// descriptor), from what the listing already knows when it can.
DWORD AttributesAt(int folderFd, const char* name, unsigned char direntType);

bool FolderExists(std::u16string_view path);

}  // namespace qb
