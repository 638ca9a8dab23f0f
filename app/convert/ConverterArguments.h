// The converter's command line: the interpreter's own, as the tool writes
// it (switches, "-sOutputFile=PDF", "-c" PostScript "-f" and the job).
//
// The converter hands Ghostscript no file name at all: it opens the files
// the command line names itself and gives them to Ghostscript as open
// descriptors ("/dev/fd/N"). Ghostscript reads a "%" in an output name as
// a page-number template ("Umsatz 50%.pdf" fails, "Seite %d.pdf" becomes
// "Seite 1.pdf") and drops every byte of a name that is not UTF-8, so a
// name given to it is not always the file it writes or reads.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace qb::convert {

// A command line the converter cannot carry out; the text says why.
class EConverterUsage : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

struct ConverterArguments {
  // The arguments in their order. An input file's place holds its index
  // in `inputFiles`, the output's place the output; everything else is
  // passed on as written.
  struct Item {
    enum class Kind { kPassed, kInput, kOutput } kind = Kind::kPassed;
    std::string text;         // kPassed: the argument; kOutput: its switch
    std::size_t input = 0;    // kInput: index into inputFiles
  };
  std::vector<Item> items;
  std::string outputFile;
  std::vector<std::string> inputFiles;
};

// Reads the arguments as Ghostscript would: "-sOutputFile=NAME" and "-o
// NAME" name the output, which must be named exactly once; "-c" starts
// PostScript text that runs up to the next argument beginning with "-";
// "-fNAME" and every other argument that is not a switch name a file to
// run ("-" alone, standard input, is passed on). Argument files ("@NAME")
// and the forms that pass arguments to a file ("--", "-+", "-_") are
// refused.
ConverterArguments ParseConverterArguments(const std::vector<std::string>& arguments);

// Ghostscript's command line (without the program): "-dSAFER" first, then
// the items, the output as its switch + "/dev/fd/" + outputDescriptor and
// input i as "/dev/fd/" + (firstInputDescriptor + i).
std::vector<std::string> GhostscriptArguments(const ConverterArguments& arguments, int outputDescriptor,
                                              int firstInputDescriptor);

}  // namespace qb::convert
