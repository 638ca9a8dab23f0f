#include "app/ChildProcessGuard.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <thread>

#include "platform/process/Process.h"
#include "platform/text/Utf.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

using namespace std::chrono_literals;

TEST(ChildProcessGuard, ChildStillRunningWhenTheWaitIsLeftEarlyIsEnded) {
  std::optional<Process> child = CreateProcess(u"/bin/sleep 60");
  ASSERT_TRUE(child.has_value());
  try {
    ChildProcessGuard guard(*child);
    throw std::runtime_error("the pump failed");
  } catch (const std::runtime_error&) {
  }
  ASSERT_TRUE(child->Wait(10000)) << "generous: the child only has to go at all";
  EXPECT_EQ(child->ExitCode(), 128u + SIGTERM);
}

TEST(ChildProcessGuard, EndingTheChildOvercomesAnIgnoredSigterm) {
  struct Case {
    const char* what;
    std::u16string commands;  // of the shell; they say when they are ready
    DWORD expected;
  };
  const test::TempDir temp;
  const std::u16string ready = ToUtf16((temp.Path() / "ready").string());
  const Case cases[] = {
      {"ends on SIGTERM", u"touch '" + ready + u"'; exec sleep 60", 128 + SIGTERM},
      {"ignores SIGTERM", u"trap '' TERM; touch '" + ready + u"'; sleep 60 & wait", 128 + SIGKILL},
      {"has ended already", u"touch '" + ready + u"'", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(temp.Path() / "ready");
    std::optional<Process> child = CreateProcess(u"/bin/sh -c \"" + c.commands + u"\"");
    ASSERT_TRUE(child.has_value());
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!std::filesystem::exists(temp.Path() / "ready") && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(10ms);
    }
    if (c.expected == 0) {
      ASSERT_TRUE(child->Wait(10000));
    }
    ChildProcessGuard guard(*child);
    guard.EndChild(300ms);
    EXPECT_EQ(child->ExitCode(), c.expected);
  }
}

}  // namespace
}  // namespace qb
