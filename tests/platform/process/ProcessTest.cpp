#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include "platform/events/EventLog.h"
#include "platform/process/Process.h"
#include "platform/text/Utf.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// Reports its arguments, working folder, session and standard input into
// the file that $QB_PROBE_OUT names.
constexpr std::string_view kProbe = R"sh(#!/bin/sh
{
  for a in "$@"; do printf '[%s]\n' "$a"; done
  printf 'cwd=%s\n' "$(pwd -P)"
  printf 'session-is-own=%s\n' "$(test "$(cut -d' ' -f6 /proc/$$/stat)" = "$$" && echo yes)"
  printf 'stdin=%s\n' "$(cat)"
} > "$QB_PROBE_OUT"
exit 3
)sh";

TEST(CreateProcess, StartsAnUnquotedProgramInAFolderWithBlanks) {
  test::TempDir dir;
  const fs::path probe = dir.Write("with blanks/gs 8/probe", kProbe);
  fs::permissions(probe, fs::perms::owner_all);
  const fs::path out = dir.Path() / "out.txt";
  test::EnvGuard env;
  env.Set("QB_PROBE_OUT", out.string());
  std::vector<std::string> events;
  const auto subscription = events::Subscribe([&](const events::Event& e) {
    if (e.name == "process-start") {
      events.push_back("start " + ToUtf8(std::get<std::u16string>(*e.Find("cmdline"))) + " " +
                       (std::get<bool>(*e.Find("started")) ? "ok" : "failed"));
    } else if (e.name == "process-exit") {
      events.push_back("exit " + std::to_string(std::get<std::int64_t>(*e.Find("code"))));
    }
  });

  const std::u16string line = ToUtf16(probe.string()) + uR"( plain "two words" -sOutputFile="a\"b" -f)";
  auto process = CreateProcess(line);
  ASSERT_TRUE(process.has_value());
  EXPECT_EQ(WaitForSingleObject(*process, INFINITE), WAIT_OBJECT_0);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(*process, &code));
  EXPECT_EQ(code, 3u);

  EXPECT_EQ(test::Content(out), "[plain]\n[two words]\n[-sOutputFile=a\"b]\n[-f]\ncwd=" +
                                    fs::canonical(fs::current_path()).string() + "\nsession-is-own=yes\nstdin=\n");
  EXPECT_EQ(events, (std::vector<std::string>{"start " + ToUtf8(line) + " ok", "exit 3"}));
}

TEST(CreateProcess, ExitCodesAndSignalsAreReported) {
  struct Case {
    std::u16string line;
    DWORD code;
  };
  const Case cases[] = {
      {u"/bin/sh -c \"exit 0\"", 0},
      {u"/bin/sh -c \"exit 7\"", 7},
      {u"sh -c \"exit 255\"", 255},
      {u"/bin/sh -c \"kill -TERM $$; sleep 5\"", 128 + SIGTERM},
      {u"/bin/sh -c \"kill -KILL $$; sleep 5\"", 128 + SIGKILL},
  };
  for (const Case& c : cases) {
    auto process = CreateProcess(c.line);
    ASSERT_TRUE(process.has_value()) << ToUtf8(c.line);
    ASSERT_TRUE(process->Wait(INFINITE));
    EXPECT_EQ(process->ExitCode(), c.code) << ToUtf8(c.line);
  }
}

TEST(CreateProcess, FailsForWhatCannotBeStarted) {
  test::TempDir dir;
  const fs::path plain = dir.Write("not executable", "#!/bin/sh\n");
  fs::create_directory(dir.Path() / "folder");
  const fs::path cases[] = {dir.Path() / "missing", plain, dir.Path() / "folder"};
  for (const fs::path& program : cases) {
    EXPECT_FALSE(CreateProcess(u"\"" + ToUtf16(program.string()) + u"\" x").has_value()) << program;
    EXPECT_FALSE(CreateProcess(ToUtf16(program.string())).has_value()) << program;
  }
  EXPECT_FALSE(CreateProcess(u"").has_value());
}

TEST(WaitForSingleObject, ZeroTimeoutLooksWithoutWaiting) {
  auto process = CreateProcess(u"/bin/sleep 60");
  ASSERT_TRUE(process.has_value());
  EXPECT_EQ(WaitForSingleObject(*process, 0), WAIT_TIMEOUT);
  EXPECT_EQ(WaitForSingleObject(*process, 20), WAIT_TIMEOUT);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(*process, &code));
  EXPECT_EQ(code, STILL_ACTIVE);

  ASSERT_EQ(kill(process->Id(), SIGTERM), 0);
  EXPECT_EQ(WaitForSingleObject(*process, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(*process, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(*process, &code));
  EXPECT_EQ(code, 128u + SIGTERM);
}

}  // namespace
}  // namespace qb
