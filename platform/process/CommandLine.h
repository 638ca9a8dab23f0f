// Command lines as one text, read with the rules of Windows: the program
// first, then the arguments.
//
// The program is the first token. In quotation marks it runs to the next
// quotation mark. Unquoted, the blank-separated prefixes of the text are
// tried in turn, so that "/opt/my tools/gs/x.exe -q" tries "/opt/my", then
// "/opt/my tools/gs/x.exe"; the first prefix that names an executable wins
// and the text after it holds the arguments.
//
// Arguments are separated by blanks and tabs outside quotation marks. A
// quotation mark starts or ends a quoted part; inside one, "" is a literal
// quotation mark. 2n backslashes before a quotation mark give n backslashes
// and the mark keeps its meaning; 2n+1 backslashes before one give n
// backslashes and a literal quotation mark. Backslashes elsewhere are
// literal.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct CommandLine {
  std::u16string program;     // the program's token as written
  std::u16string executable;  // the file that runs it
  std::vector<std::u16string> arguments;
};

// Gives the file that a program token names, or nothing when it names no
// executable file.
using ExecutableResolver = std::function<std::optional<std::u16string>(std::u16string_view program)>;

// Nothing when the text holds no program or no prefix names an executable.
std::optional<CommandLine> ParseCommandLine(std::u16string_view text, const ExecutableResolver& resolve);

std::vector<std::u16string> SplitArguments(std::u16string_view text);

// The argument in quotation marks, escaped so that SplitArguments gives it
// back exactly, whatever characters it holds. For a text without quotation
// marks and without trailing backslashes this is just the text in
// quotation marks.
std::u16string QuoteArgument(std::u16string_view argument);

}  // namespace qb
