// The command line that converts one job with the Ghostscript interpreter
// installed below the program folder.
#pragma once

#include <string>
#include <string_view>

namespace qb {

// The interpreter below the program folder.
inline constexpr std::u16string_view kGhostscriptPath = u"gs/gs8.70/bin/gswin32c.exe";

// programFolder (with its trailing "/", not quoted, so that the system's
// resolution of an unquoted program path finds the interpreter in a folder
// with blanks) + the interpreter and its switches, the PDF path and the job
// path each in quotation marks. Both paths go through the platform's
// quoting, so a path holding a quotation mark stays one argument and cannot
// add switches; an ordinary path is just enclosed in quotation marks.
std::u16string GhostscriptCommandLine(std::u16string_view programFolder, std::u16string_view pdfPath,
                                      std::u16string_view jobPath);

}  // namespace qb
