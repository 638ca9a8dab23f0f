#include "app/convert/ConverterArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb::convert {
namespace {

using Lines = std::vector<std::string>;

// The tool's own command line, split as the system splits it.
const Lines kToolLine = {"-q", "-dNOPAUSE", "-dBATCH", "-sPAPERSIZE=a4", "-dPDFFitPage", "-dPDFSETTINGS=/prepress",
                         "-dEmbedAllFonts=true", "-sDEVICE=pdfwrite", "-dDoNumCopies",
                         "-sOutputFile=/home/u/Umsatz 50%.pdf", "-c", "save", "pop", "-f", "/spool/u/job.tmp"};

TEST(ConverterArguments, NoFileNameReachesGhostscript) {
  struct Case {
    const char* what;
    Lines line;
    std::string output;
    Lines inputs;
    Lines ghostscript;
  };
  const Case cases[] = {
      {"the tool's line",
       kToolLine,
       "/home/u/Umsatz 50%.pdf",
       {"/spool/u/job.tmp"},
       {"-dSAFER", "-q", "-dNOPAUSE", "-dBATCH", "-sPAPERSIZE=a4", "-dPDFFitPage", "-dPDFSETTINGS=/prepress",
        "-dEmbedAllFonts=true", "-sDEVICE=pdfwrite", "-dDoNumCopies", "-sOutputFile=/dev/fd/3", "-c", "save", "pop",
        "-f", "/dev/fd/4"}},
      {"-o, files before and after, -f with its name, standard input",
       {"a.ps", "-o", "x.pdf", "-fb.ps", "-", "c.ps"},
       "x.pdf",
       {"a.ps", "b.ps", "c.ps"},
       {"-dSAFER", "/dev/fd/4", "-o/dev/fd/3", "/dev/fd/5", "-", "/dev/fd/6"}},
      {"PostScript text runs to the next switch", {"-c", "showpage", "(x)", "-oy", "z"}, "y", {"z"},
       {"-dSAFER", "-c", "showpage", "(x)", "-o/dev/fd/3", "/dev/fd/4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ConverterArguments parsed = ParseConverterArguments(c.line);
    EXPECT_EQ(parsed.outputFile, c.output);
    EXPECT_EQ(parsed.inputFiles, c.inputs);
    EXPECT_EQ(GhostscriptArguments(parsed, 3, 4), c.ghostscript);
  }
}

TEST(ConverterArguments, LinesItCannotCarryOutAreRefused) {
  const Lines refused[] = {
      {"-q", "job.ps"},
      {"-sOutputFile=a.pdf", "-o", "b.pdf", "job.ps"},
      {"-sOutputFile=", "job.ps"},
      {"-sOutputFile=a.pdf", "-o"},
      {"-sOutputFile=a.pdf", "@options"},
      {"-sOutputFile=a.pdf", "--", "job.ps", "argument"},
  };
  for (const Lines& line : refused) {
    EXPECT_THROW(ParseConverterArguments(line), EConverterUsage) << line.size() << " arguments";
  }
}

}  // namespace
}  // namespace qb::convert
