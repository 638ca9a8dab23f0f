// The staged program on the test's own X display (scripts/test runs the
// suite under a private Xvfb; without a display these tests skip), with
// stand-ins for the desktop's dialog programs on the PATH and no session
// bus, so that no portal answers first.
//
// A termination signal while the dialog program is open ends the program
// with the tool and puts the job back; a desktop without any dialog
// program says what to install and leaves the job waiting.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/dialogs/DesktopSaveDialog.h"
#include "platform/text/Utf.h"
#include "tests/app/e2e/Sandbox.h"
#include "tests/support/FileText.h"
#include "tests/support/ProcessGone.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr char kJob[] = "ABCDEFGHIJKLMNOBrief.ps";

// The X11 tests' lock: one test process at a time puts windows on the
// display, so that nobody's window takes another test's pointer and keys.
class DisplayTurn {
 public:
  explicit DisplayTurn(const std::string& display) {
    std::string name = "/tmp/quillbrook-x11-tests-";
    for (char c : display) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    lock_ = open((name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ >= 0) flock(lock_, LOCK_EX);
  }
  ~DisplayTurn() {
    if (lock_ >= 0) close(lock_);
  }
  DisplayTurn(const DisplayTurn&) = delete;
  DisplayTurn& operator=(const DisplayTurn&) = delete;

 private:
  int lock_ = -1;
};

class DesktopRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no X display to run on (scripts/test has one)";
    turn_.emplace(display);
    SandboxOptions options;
    options.backend = "x11";
    options.keepDisplay = true;
    box_.emplace(options);
    fs::create_directories(Bin());
    box_->SetEnvironment("PATH=" + Bin().string());
    box_->SetEnvironment("DBUS_SESSION_BUS_ADDRESS=");
    box_->AddJob(kJob, kSampleJob);
  }

  Sandbox& Box() { return *box_; }
  fs::path Bin() { return box_->Root() / "bin"; }
  fs::path PidFile() { return box_->Root() / "dialog.pid"; }

  // A dialog program that stays open until it is ended.
  void DialogThatWaits(const std::string& program) {
    box_->WriteScript(Bin() / program, "echo $$ >" + Quoted(PidFile()) + "\nexec /bin/sleep 60");
  }

  pid_t DialogRunning() { return RecordedProcess(PidFile()); }

 private:
  std::optional<DisplayTurn> turn_;
  std::optional<Sandbox> box_;
};

TEST_F(DesktopRun, TheDialogProgramEndsWithTheTool) {
  struct Case {
    const char* program;
    int signal;
  };
  for (const Case& c : {Case{"zenity", SIGTERM}, Case{"kdialog", SIGHUP}, Case{"zenity", SIGINT}}) {
    SCOPED_TRACE(std::string(c.program) + " " + std::to_string(c.signal));
    fs::remove_all(Bin());
    fs::create_directories(Bin());
    fs::remove(PidFile());
    DialogThatWaits(c.program);
    const std::unique_ptr<RunningProgram> tool = Box().Start("");
    ASSERT_NE(tool, nullptr);
    const pid_t dialog = DialogRunning();
    tool->Signal(c.signal);
    const RunResult run = tool->Finish();
    EXPECT_EQ(run.exitCode, 128 + c.signal) << run.errors;
    const bool gone = GoneWithin(dialog, std::chrono::seconds(10));
    if (!gone) kill(dialog, SIGKILL);
    EXPECT_TRUE(gone) << "the dialog is still on the screen";
    EXPECT_EQ(Names(Box().Spool()), std::vector<std::string>{kJob});
    EXPECT_TRUE(fs::is_empty(Box().Desktop()));
  }
}

TEST_F(DesktopRun, WithoutADialogProgramTheUserIsToldWhatToInstallAndTheJobWaits) {
  const RunResult run = Box().Run("wait message-box\nmessage ok\n");
  EXPECT_EQ(run.exitCode, 5) << run.errors;
  EXPECT_EQ(Text(run.First("message-box"), "text"), kNoDialogProgramText);
  EXPECT_EQ(run.First("process-start"), nullptr);
  EXPECT_EQ(Names(Box().Spool()), std::vector<std::string>{kJob});
  EXPECT_TRUE(fs::is_empty(Box().Desktop()));
}

// On a real display the scripted user answers only what its script says:
// the message box waits for the real user, who ends the tool instead.
TEST_F(DesktopRun, WhatTheScriptLeavesOpenIsTheRealUsers) {
  const std::unique_ptr<RunningProgram> tool = Box().Start("");
  ASSERT_NE(tool, nullptr);
  ASSERT_TRUE(tool->WaitForEvent("message-box"));
  // The headless backend's user would have pressed OK within 100 ms.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  tool->Signal(SIGTERM);
  const RunResult run = tool->Finish();
  EXPECT_EQ(run.exitCode, 128 + SIGTERM) << "the box was answered: " << run.exitCode;
  EXPECT_EQ(Names(Box().Spool()), std::vector<std::string>{kJob});
}

}  // namespace
}  // namespace qb::test
