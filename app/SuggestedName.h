// The PDF name the save dialog suggests for a claimed print job.
#pragma once

#include <string>
#include <string_view>

namespace qb {

// The printer side names each job with 15 characters of its own, the
// document title and ".ps" (".tmp" once claimed). The suggestion is the
// title with its extension replaced by ".pdf" and every "Microsoft Word - "
// (in any letter case) removed: "ABCDEFGHIJKLMNOMicrosoft Word - Brief.docx.tmp"
// gives "Brief.pdf". Only the part after the last "/" counts. A character
// of two code units that the cut after 15 code units halves is dropped, and
// bytes of the job's name that are not UTF-8 are read as Latin-1 (0x80 to
// 0x9F as Windows writes them), so that the suggestion is always text.
std::u16string SuggestedPdfName(std::u16string_view jobPath);

}  // namespace qb
