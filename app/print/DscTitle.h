// The document title that a PostScript job names in its header comments.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qb {

// The value of the first "%%Title:" comment of the job's header, which runs
// from the "%!" line (anything before it, such as a printer-language
// preamble, is skipped) to "%%EndComments" or the first line that is not a
// comment. The value is a string in parentheses or bare text to the end of
// the line; escapes are decoded in both (see DecodePostScriptString), and
// the bytes are read as UTF-8 when they are valid UTF-8, as UTF-16 after a
// byte-order mark, and as Windows-1252 otherwise. Nothing when the header
// holds no title or an empty one. `head` is the start of the job; a title
// cut off by its end is taken as far as it goes.
std::optional<std::u16string> FindDscTitle(std::string_view head);

// Decodes the escapes of a PostScript string: \n \r \t \b \f \\ \( \) and
// \ddd (one to three octal digits). A backslash before a line break drops
// both. A backslash before any other character is dropped (KeepUnknown:
// kept, as bare text written with backslashes needs).
std::string DecodePostScriptString(std::string_view text, bool KeepUnknown = false);

}  // namespace qb
