#include <gtest/gtest.h>

#include "app/RunAndWait.h"
#include "platform/window/MessageApi.h"
#include "tests/support/NoScriptedUser.h"
#include "toolkit/app/TApplication.h"
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

}  // namespace
}  // namespace qb
