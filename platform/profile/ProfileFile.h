// Profile (INI) files, read and written with the observable behaviour of
// the Windows profile calls.
//
// A file is UTF-8 text, optionally with a byte-order mark, in lines ending
// in "\n" or "\r\n". "[name]" starts a section; "key=value" lines belong to
// the section above them. Section and key names are compared without regard
// to letter case, and the first occurrence in the file counts.
#pragma once

#include <string>
#include <string_view>

// The value of the key, with blanks and tabs around it removed and, when it
// is enclosed in a matching pair of quotation marks (" or '), without them.
// The default when the file, the section or the key is missing. Either is
// cut to 2047 UTF-16 code units, the most the calls' buffers hold.
std::u16string GetPrivateProfileString(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view defaultValue, std::u16string_view file);

// Sets the first matching key to the value; a missing key is added after the
// last line of its section, a missing section at the end of the file, a
// missing file is created. Every other line stays byte for byte as it was.
// The file is replaced as a whole (platform/files/AtomicFile.h), so a failed
// write leaves the old file intact. False when the folder is missing or not
// writable, and for a section, key or value that would not read back as
// itself: a line break in any of them, "]" in the section or "=" in the key.
bool WritePrivateProfileString(std::u16string_view section, std::u16string_view key, std::u16string_view value,
                               std::u16string_view file);
