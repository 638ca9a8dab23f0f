#include "app/print/PrintCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "app/print/AgentLock.h"
#include "app/print/EPrintError.h"
#include "app/print/JobSpooler.h"
#include "app/print/PrintSpoolFolder.h"
#include "platform/process/CommandLine.h"
#include "platform/process/Process.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr std::string_view kUsage = "usage: quillbrook-print [-t TITLE | --title TITLE] [FILE | -]\n";

struct PrintOptions {
  std::optional<std::u16string> title;
  std::optional<std::string> file;
  bool help = false;
};

class EPrintUsage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

PrintOptions ParseOptions(const std::vector<std::string>& arguments) {
  PrintOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && (argument == "-t" || argument == "--title")) {
      if (i + 1 == arguments.size()) throw EPrintUsage(argument + " needs a title");
      options.title = ToUtf16(arguments[++i]);
    } else if (!optionsEnded && argument.starts_with("--title=")) {
      options.title = ToUtf16(std::string_view(argument).substr(8));
    } else if (!optionsEnded && (argument == "-h" || argument == "--help")) {
      options.help = true;
    } else if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.size() > 1 && argument.starts_with('-')) {
      throw EPrintUsage("unknown option " + argument);
    } else if (options.file) {
      throw EPrintUsage("one job at a time: " + argument);
    } else {
      options.file = argument;
    }
  }
  if (options.file == "-") options.file.reset();
  return options;
}

// Owns the descriptor of a named input.
class InputFile {
 public:
  explicit InputFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw EPrintError("Cannot open " + path + ": " + std::strerror(errno));
  }
  ~InputFile() { close(fd_); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

void StartTool(std::u16string_view programFolder) {
  const std::u16string tool = std::u16string(programFolder) + u"quillbrook";
  if (!CreateProcess(QuoteArgument(tool))) {
    throw EPrintError("The job is in the spool folder, but " + ToUtf8(tool) +
                      " could not be started; it takes the job when it next runs");
  }
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& arguments, std::u16string_view programFolder, int input,
                    std::ostream& errors, int cancelFd) {
  try {
    const PrintOptions options = ParseOptions(arguments);
    if (options.help) {
      errors << kUsage;
      return 0;
    }
    const std::u16string folder = PrepareSpoolFolder(programFolder);
    JobSpooler spooler(folder);
    spooler.SetCancelFd(cancelFd);
    if (options.file) {
      const InputFile file(*options.file);
      spooler.Spool(file.Fd(), *options.file, options.title);
    } else {
      spooler.Spool(input, "standard input", options.title);
    }
    // A session agent that works for the user starts the tool itself, one
    // run at a time.
    if (!AgentLock::IsHeld(folder)) StartTool(programFolder);
    return 0;
  } catch (const EPrintUsage& error) {
    errors << "quillbrook-print: " << error.what() << '\n' << kUsage;
    return kPrintUsage;
  } catch (const EPrintError& error) {
    errors << "quillbrook-print: " << error.what() << '\n';
    return kPrintFailed;
  }
}

}  // namespace qb
