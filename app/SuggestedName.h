// The PDF name the save dialog suggests for a claimed print job.
#pragma once

#include <string>
#include <string_view>

namespace qb {

// The printer side names each job with 15 characters of its own, the
// document title and ".ps" (".tmp" once claimed). The suggestion is the
// title with its extension replaced by ".pdf" and every "Microsoft Word - "
// (in any letter case) removed: "ABCDEFGHIJKLMNOMicrosoft Word - Brief.docx.tmp"
// gives "Brief.pdf". Only the part after the last "/" counts.
std::u16string SuggestedPdfName(std::u16string_view jobPath);

}  // namespace qb
