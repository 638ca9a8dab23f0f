#include "app/GhostscriptCommand.h"

#include "platform/process/CommandLine.h"

namespace qb {

std::u16string GhostscriptCommandLine(std::u16string_view programFolder, std::u16string_view pdfPath,
                                      std::u16string_view jobPath) {
  std::u16string line(programFolder);
  line += kGhostscriptPath;
  line +=
      u" -q -dNOPAUSE -dBATCH -sPAPERSIZE=a4 -dPDFFitPage -dPDFSETTINGS=/prepress -dEmbedAllFonts=true"
      u" -sDEVICE=pdfwrite -dDoNumCopies -sOutputFile=";
  line += QuoteArgument(pdfPath);
  line += u" -c save pop -f ";
  line += QuoteArgument(jobPath);
  return line;
}

}  // namespace qb
