#include "app/ChildProcessGuard.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "platform/process/Process.h"
#include "tests/support/ProcessGone.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

sighandler_t Disposition(int signal) {
  struct sigaction current {};
  sigaction(signal, nullptr, &current);
  return current.sa_handler;
}

// Restores the test program's own disposition of a signal.
class KeepDisposition {
 public:
  explicit KeepDisposition(int signal) : signal_(signal) { sigaction(signal, nullptr, &saved_); }
  ~KeepDisposition() { sigaction(signal_, &saved_, nullptr); }

 private:
  int signal_;
  struct sigaction saved_ {};
};

TEST(ChildProcessGuard, ChildStillRunningWhenTheWaitIsLeftEarlyIsEnded) {
  std::optional<Process> child = CreateProcess(u"/bin/sleep 60");
  ASSERT_TRUE(child.has_value());
  try {
    ChildProcessGuard guard;
    guard.Guard(*child);
    throw std::runtime_error("the pump failed");
  } catch (const std::runtime_error&) {
  }
  ASSERT_TRUE(child->Wait(10000)) << "generous: the child only has to go at all";
  EXPECT_EQ(child->ExitCode(), 128u + SIGTERM);
}

TEST(ChildProcessGuard, EndedChildIsLeftAloneAndDispositionsComeBack) {
  const KeepDisposition hangUp(SIGHUP);
  signal(SIGHUP, SIG_IGN);
  const sighandler_t terminate = Disposition(SIGTERM);
  ASSERT_EQ(terminate, SIG_DFL);

  std::optional<Process> child = CreateProcess(u"/bin/true");
  ASSERT_TRUE(child.has_value());
  {
    ChildProcessGuard guard;
    guard.Guard(*child);
    EXPECT_NE(Disposition(SIGTERM), SIG_DFL) << "a termination would end the child first";
    EXPECT_EQ(Disposition(SIGHUP), SIG_IGN) << "an ignored signal stays ignored";
    ASSERT_TRUE(child->Wait(10000));
  }
  EXPECT_EQ(Disposition(SIGTERM), SIG_DFL);
  EXPECT_EQ(Disposition(SIGHUP), SIG_IGN);
  EXPECT_EQ(child->ExitCode(), 0u);
}

// The child may signal the tool before the tool knows the child's id: the
// signal waits for the guard to learn it, then ends both.
TEST(ChildProcessGuardDeathTest, SignalThatComesWhileTheChildStartsEndsTheChildToo) {
  const test::TempDir temp;
  const std::filesystem::path pidFile = temp.Path() / "child.pid";
  EXPECT_EXIT(
      {
        ChildProcessGuard guard;
        raise(SIGTERM);
        std::optional<Process> child = CreateProcess(u"/bin/sleep 60");
        std::ofstream(pidFile) << child->Id() << std::endl;
        guard.Guard(*child);
        std::exit(0);
      },
      ::testing::KilledBySignal(SIGTERM), "");
  pid_t child = 0;
  std::ifstream(pidFile) >> child;
  ASSERT_GT(child, 0);
  const bool gone = test::GoneWithin(child, std::chrono::seconds(10));
  if (!gone) kill(child, SIGKILL);
  EXPECT_TRUE(gone) << "generous: the child only has to go at all";
}

}  // namespace
}  // namespace qb
