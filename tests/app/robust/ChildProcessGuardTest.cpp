#include "app/ChildProcessGuard.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <optional>
#include <stdexcept>

#include "platform/process/Process.h"

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
    const ChildProcessGuard guard(*child);
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
    const ChildProcessGuard guard(*child);
    EXPECT_NE(Disposition(SIGTERM), SIG_DFL) << "a termination would end the child first";
    EXPECT_EQ(Disposition(SIGHUP), SIG_IGN) << "an ignored signal stays ignored";
    ASSERT_TRUE(child->Wait(10000));
  }
  EXPECT_EQ(Disposition(SIGTERM), SIG_DFL);
  EXPECT_EQ(Disposition(SIGHUP), SIG_IGN);
  EXPECT_EQ(child->ExitCode(), 0u);
}

}  // namespace
}  // namespace qb
