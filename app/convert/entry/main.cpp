// The converter the tool runs in the interpreter's place: it takes the
// interpreter's command line, runs the system's Ghostscript on it and puts
// the PDF in place under exactly the name the command line gives, only
// when Ghostscript has ended with 0. Exit code 0 exactly when the PDF is in
// place; otherwise nothing at that name has changed and nothing of ours is
// left behind. A termination signal ends Ghostscript, then the converter
// by that signal.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/convert/ConverterArguments.h"
#include "app/convert/GhostscriptRun.h"
#include "app/convert/PendingOutput.h"

namespace qb::convert {
namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

void Say(const std::string& text) { std::fprintf(stderr, "quillbrook converter: %s\n", text.c_str()); }

class InputFiles {
 public:
  // Nothing when one of them cannot be read; the message says which.
  static std::optional<InputFiles> Open(const std::vector<std::string>& paths) {
    InputFiles files;
    for (const std::string& path : paths) {
      const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
      if (descriptor < 0) {
        Say("cannot read " + path + ": " + std::strerror(errno));
        return std::nullopt;
      }
      files.descriptors_.push_back(descriptor);
    }
    return files;
  }
  InputFiles() = default;
  InputFiles(InputFiles&& other) noexcept : descriptors_(std::move(other.descriptors_)) { other.descriptors_.clear(); }
  InputFiles(const InputFiles&) = delete;
  InputFiles& operator=(const InputFiles&) = delete;
  ~InputFiles() {
    for (int descriptor : descriptors_) close(descriptor);
  }
  const std::vector<int>& Descriptors() const { return descriptors_; }

 private:
  std::vector<int> descriptors_;
};

// Everything that must be cleaned up lives in here, so that it is gone
// when the caller ends the converter by a signal it took.
int Convert(const std::vector<std::string>& commandLine, int& endingSignal) {
  try {
    const ConverterArguments arguments = ParseConverterArguments(commandLine);
    std::optional<InputFiles> inputs = InputFiles::Open(arguments.inputFiles);
    if (!inputs) return kFailed;
    PendingOutput output(arguments.outputFile);
    if ((endingSignal = PendingTerminationSignal()) != 0) return kFailed;

    std::vector<int> descriptors{output.Descriptor()};
    descriptors.insert(descriptors.end(), inputs->Descriptors().begin(), inputs->Descriptors().end());
    const GhostscriptEnd end = RunGhostscript(GhostscriptProgram(), GhostscriptArguments(arguments, 3, 4), descriptors);
    if ((endingSignal = end.takenSignal) != 0) return kFailed;
    if (end.exitCode != 0) return end.exitCode;
    if ((endingSignal = PendingTerminationSignal()) != 0) return kFailed;
    output.PutInPlace();
    return 0;
  } catch (const EConverterUsage& error) {
    Say(error.what());
    return kUsage;
  } catch (const EOutputFailed& error) {
    Say(error.what());
    return kFailed;
  }
}

}  // namespace
}  // namespace qb::convert

int main(int argc, char** argv) {
  qb::convert::HoldTerminationSignals();
  int endingSignal = 0;
  const int code = qb::convert::Convert(std::vector<std::string>(argv + 1, argv + argc), endingSignal);
  if (endingSignal != 0) qb::convert::EndBySignal(endingSignal);
  return code;
}
