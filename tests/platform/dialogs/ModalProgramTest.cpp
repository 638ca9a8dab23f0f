#include "platform/dialogs/ModalProgram.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/window/MessageApi.h"
#include "platform/window/ModalLoop.h"
#include "tests/support/NoScriptedUser.h"
#include "tests/support/ProcessGone.h"
#include "tests/support/TempDir.h"

namespace qb::test {
namespace {

// The signal mask of /proc/self/status's line `field` ("SigIgn", "SigBlk").
unsigned long long MaskIn(const std::string& status, const std::string& field) {
  const std::size_t at = status.find(field + ":");
  if (at == std::string::npos) return ~0ULL;
  return std::stoull(status.substr(at + field.size() + 1), nullptr, 16);
}

class KeepDisposition {
 public:
  explicit KeepDisposition(int signal) : signal_(signal) { sigaction(signal, nullptr, &saved_); }
  ~KeepDisposition() { sigaction(signal_, &saved_, nullptr); }

 private:
  int signal_;
  struct sigaction saved_ {};
};

TEST(ModalProgram, TheProgramStartsWithNoSignalIgnoredOrBlocked) {
  NoScriptedUser noUser;
  const KeepDisposition terminate(SIGTERM);
  signal(SIGTERM, SIG_IGN);
  const auto outcome = RunModalProgram("/bin/cat", {"/proc/self/status"});
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(MaskIn(outcome->output, "SigIgn") & (1ULL << (SIGTERM - 1)), 0u) << outcome->output;
  EXPECT_EQ(MaskIn(outcome->output, "SigBlk"), 0u) << outcome->output;
}

// The tool is ending (a quit request): a dialog that does not end on
// SIGTERM must not keep it waiting.
TEST(ModalProgram, AQuitRequestEndsEvenAProgramThatIgnoresSigterm) {
  NoScriptedUser noUser;
  const TempDir temp;
  const std::filesystem::path pidFile = temp.Path() / "pid";
  // Once the program has said it is ready, the quit comes.
  SetLoopAgent([&]() -> std::optional<Clock::time_point> {
    if (std::filesystem::exists(pidFile) && std::filesystem::file_size(pidFile) > 0) {
      SetLoopAgent({});
      PostQuitMessage(0);
    }
    return Clock::now() + std::chrono::milliseconds(10);
  });
  const auto outcome = RunModalProgram(
      "/bin/sh", {"-c", "trap '' TERM; echo $$ >'" + pidFile.string() + "'; while :; do sleep 1; done"});
  MSG quit;
  EXPECT_TRUE(PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is left for the outer loop";
  ASSERT_TRUE(outcome.has_value());
  EXPECT_TRUE(outcome->interrupted);
  EXPECT_EQ(outcome->exitCode, 128 + SIGKILL);
  pid_t program = 0;
  std::ifstream(pidFile) >> program;
  EXPECT_FALSE(ProcessRuns(program));
}

}  // namespace
}  // namespace qb::test
