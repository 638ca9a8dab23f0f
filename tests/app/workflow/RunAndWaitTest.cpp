#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <fstream>

#include "app/RunAndWait.h"
#include "app/TerminationSignals.h"
#include "platform/window/MessageApi.h"
#include "tests/support/NoScriptedUser.h"
#include "tests/support/ProcessGone.h"
#include "tests/support/TempDir.h"
#include "toolkit/app/TApplication.h"
#include "platform/text/Utf.h"
#include "toolkit/app/TTimer.h"

namespace qb {
namespace {

TEST(RunAndWait, GivesTheExitCodeOrMinusOneWhenNothingStarts) {
  struct Case {
    const char16_t* commandLine;
    int expected;
  };
  const Case cases[] = {
      {u"/bin/sh -c \"exit 0\"", 0},
      {u"/bin/sh -c \"exit 7\"", 7},
      {u"/nowhere/gs/gs8.70/bin/gswin32c.exe -q", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(RunAndWait(c.commandLine, 0), c.expected);
}

TEST(RunAndWait, TimersKeepRunningWhileTheProgramRuns) {
  test::NoScriptedUser noUser;
  TApplication application;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(50);
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  EXPECT_EQ(RunAndWait(u"/bin/sh -c \"sleep 0.5\"", 0), 0);
  EXPECT_GE(ticks, 2);
}

// The program signals the tool itself (it knows its parent), then would run
// for a minute; the wait ends with it, and nothing more is started.
TEST(RunAndWaitDeathTest, TerminationSignalEndsTheProgramAndTheWait) {
  const test::TempDir temp;
  const std::string pidFile = (temp.Path() / "pid").string();
  EXPECT_EXIT(
      {
        TerminationSignals signals;
        const int code =
            RunAndWait(u"/bin/sh -c \"echo $$ >'" + ToUtf16(pidFile) + u"'; kill -TERM $PPID; exec sleep 60\"", 0);
        const bool nothingMore = RunAndWait(u"/bin/sh -c \"exit 0\"", 0) == -1;
        if (code != 128 + SIGTERM || !nothingMore) std::exit(1);
        signals.EndAsSignalled();
      },
      ::testing::KilledBySignal(SIGTERM), "");
  pid_t program = 0;
  std::ifstream(pidFile) >> program;
  ASSERT_GT(program, 0);
  const bool gone = test::GoneWithin(program, std::chrono::seconds(10));
  if (!gone) kill(program, SIGKILL);
  EXPECT_TRUE(gone);
}

}  // namespace
}  // namespace qb
