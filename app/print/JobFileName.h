// The names of job files: 15 characters of the printer side's own, the
// document title made safe for a file name, ".ps".
#pragma once

#include <string>
#include <string_view>

namespace qb {

// The title used when a job has none.
inline constexpr std::u16string_view kUntitledJob = u"Dokument";

// The longest title part of a job name, in UTF-8 bytes: with the prefix and
// the extension, the name stays well inside the 255 bytes Linux allows.
inline constexpr std::size_t kMaxTitleBytes = 200;

// The title as it can stand in a file name: "/" becomes "_"; control
// characters and line breaks become blanks, and runs of blanks one blank;
// blanks at both ends and leading dots go; text that is not valid Unicode
// becomes U+FFFD; the whole is cut at a character boundary to at most
// kMaxTitleBytes of UTF-8. kUntitledJob when nothing is left.
std::u16string JobTitleForFileName(std::u16string_view title);

// 15 letters and digits from the system's random source.
std::u16string RandomJobPrefix();

// prefix + JobTitleForFileName(title) + ".ps"
std::u16string JobFileName(std::u16string_view prefix, std::u16string_view title);

}  // namespace qb
