#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/events/EventLog.h"
#include "platform/shell/ShellExecute.h"
#include "platform/text/Utf.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(ShellExecute, LogsAndHandsTheRequestToTheInstalledHandler) {
  std::vector<std::u16string> logged;
  const auto subscription = events::Subscribe([&](const events::Event& e) {
    if (e.name == "shell-open") {
      logged.push_back(std::get<std::u16string>(*e.Find("verb")) + u" " + std::get<std::u16string>(*e.Find("target")));
    }
  });
  std::vector<std::u16string> handled;
  SetShellHandler([&](std::u16string_view verb, std::u16string_view target) {
    handled.push_back(std::u16string(verb) + u" " + std::u16string(target));
  });
  ShellExecute(u"open", u"/home/anna/Brief.pdf");
  ShellExecute(u"open", u"/home/anna/");
  SetShellHandler({});

  const std::vector<std::u16string> expected = {u"open /home/anna/Brief.pdf", u"open /home/anna/"};
  EXPECT_EQ(logged, expected);
  EXPECT_EQ(handled, expected);
}

TEST(ShellExecute, DefaultStartsXdgOpenDetachedWithoutLeavingAChild) {
  test::TempDir dir;
  const fs::path out = dir.Path() / "opened.txt";
  const fs::path opener = dir.Write(
      "bin/xdg-open",
      "#!/bin/sh\nprintf '%s' \"$1\" > \"$QB_PROBE_OUT.part\"\nmv \"$QB_PROBE_OUT.part\" \"$QB_PROBE_OUT\"\n");
  fs::permissions(opener, fs::perms::owner_all);
  test::EnvGuard env;
  env.Set("PATH", (dir.Path() / "bin").string() + ":/usr/bin:/bin");
  env.Set("QB_PROBE_OUT", out.string());

  const std::string target = "/tmp/Meine Dateien/\"Brief\" -x.pdf";
  ShellExecute(u"open", ToUtf16(target));

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!fs::exists(out) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(test::Content(out), target);
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace qb
