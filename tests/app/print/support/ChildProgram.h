// A program of the test's world run as a child: its arguments, its whole
// environment, its standard input from a file (or /dev/null) and its
// messages into a file. Ended with SIGKILL when the object goes while it
// still runs.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qb::test {

// The test's own environment with `changes` ("NAME=VALUE" sets, "NAME"
// alone removes).
std::vector<std::string> Environment(const std::vector<std::string>& changes);

struct ChildOptions {
  explicit ChildOptions(std::vector<std::string> arguments) : arguments(std::move(arguments)) {}

  std::vector<std::string> arguments;  // the program first
  std::vector<std::string> environment = Environment({});
  std::filesystem::path input = "/dev/null";
  std::filesystem::path output;  // standard output and error; none: /dev/null
  // Standard output and error into this descriptor instead.
  int outputDescriptor = -1;
  // Run as this account (needs root); none: as the test.
  std::optional<uid_t> uid;
  // Given to the child as its descriptor 3.
  int descriptor3 = -1;
};

class ChildProgram {
 public:
  explicit ChildProgram(const ChildOptions& options);
  ~ChildProgram();
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  pid_t Id() const { return pid_; }
  bool Started() const { return pid_ > 0; }
  void Signal(int signal) const;
  // The exit status (128 + the signal for a signalled end) once it ended
  // within `limit`; nothing when it still runs.
  std::optional<int> Wait(std::chrono::milliseconds limit);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Runs a program to its end (at most two minutes) and gives its status
// and its output.
struct Ran {
  int status = -1;
  std::string output;
};
Ran RunProgram(ChildOptions options);

// Waits, checking now and then, until `ready` holds or `limit` has passed;
// gives what `ready` gave last.
template <typename Check>
bool WaitFor(Check ready, std::chrono::milliseconds limit = std::chrono::seconds(60));

}  // namespace qb::test

#include "tests/app/print/support/WaitFor.inl"
