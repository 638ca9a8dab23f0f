// The claimed job is removed only once the run is done with it: converted,
// failed, or cancelled by the user. Every other end of the tool gives it
// its ".ps" name back for the next start, and leaves no PDF, no part of one
// and no interpreter behind: a termination signal (SIGTERM, SIGINT, SIGHUP)
// while the save dialog is open, while the interpreter writes, or after a
// shutdown signal; and a start without a display, which claims nothing.
//
// The slow interpreter is our converter with a stand-in for Ghostscript
// (QUILLBROOK_GHOSTSCRIPT): it records its process id, writes the start of
// a PDF to the converter's file and then waits.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/text/Utf.h"
#include "tests/app/e2e/Sandbox.h"
#include "tests/support/FileText.h"
#include "tests/support/ProcessGone.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr char kJob[] = "ABCDEFGHIJKLMNOBrief.ps";

const char* NameOf(int signal) { return signal == SIGTERM ? "SIGTERM" : signal == SIGINT ? "SIGINT" : "SIGHUP"; }

class KeptJob : public ::testing::Test {
 protected:
  void SetUp() override { box.AddJob(kJob, kSampleJob); }

  void ArrangeSlowGhostscript() {
    box.SetEnvironment("QUILLBROOK_GHOSTSCRIPT=" + (box.Root() / "slow-gs").string());
    box.WriteScript(box.Root() / "slow-gs",
                    "echo $$ >" + Quoted(PidFile()) + "\nprintf '%%PDF-1.7\\n%% unfinished' >&3\nexec sleep 60");
  }
  fs::path PidFile() const { return box.Root() / "gs.pid"; }

  // Waits until the stand-in runs; its process id.
  pid_t GhostscriptRunning() const { return RecordedProcess(PidFile()); }

  // Nothing done, nothing lost: the job waits under its own name, and
  // nothing was written beside the existing file.
  void ExpectNothingDone() {
    EXPECT_EQ(Names(box.Spool()), std::vector<std::string>{kJob});
    EXPECT_EQ(Names(box.Desktop()), std::vector<std::string>{"Brief.pdf"});
    EXPECT_EQ(Content(box.Desktop() / "Brief.pdf"), "alt");
  }

  void ExpectGone(pid_t pid) {
    const bool gone = GoneWithin(pid, std::chrono::seconds(10));
    if (!gone) kill(pid, SIGKILL);
    EXPECT_TRUE(gone) << "process " << pid << " still runs";
  }

  Sandbox box{SandboxOptions{}};
};

TEST(KeptJobClaim, OnlyTheFirstJobIsClaimedAndItGetsItsOwnNameBack) {
  Sandbox box{SandboxOptions{}};
  box.AddJob("Report.PS", kSampleJob);
  box.AddJob("zweiter.ps", kSampleJob);
  const std::unique_ptr<RunningProgram> tool = box.Start("wait save-dialog\nsleep 30000\n");
  ASSERT_NE(tool, nullptr);
  ASSERT_TRUE(tool->WaitForEvent("save-dialog"));
  // Which one the listing returned first is the file system's choice.
  const std::vector<std::string> claimed = Names(box.Spool());
  EXPECT_TRUE(claimed == (std::vector<std::string>{"Report.tmp", "zweiter.ps"}) ||
              claimed == (std::vector<std::string>{"Report.PS", "zweiter.tmp"}))
      << claimed.front() << " " << claimed.back();
  std::ofstream(box.Res() / "stop");
  const RunResult run = tool->Finish();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Names(box.Spool()), (std::vector<std::string>{"Report.PS", "zweiter.ps"}));
}

TEST(KeptJobSignal, WhileTheSaveDialogIsOpen) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(NameOf(signal));
    Sandbox box{SandboxOptions{}};
    box.AddJob(kJob, kSampleJob);
    const std::unique_ptr<RunningProgram> tool = box.Start("wait save-dialog\nsleep 30000\n");
    ASSERT_NE(tool, nullptr);
    ASSERT_TRUE(tool->WaitForEvent("save-dialog"));
    tool->Signal(signal);
    const RunResult run = tool->Finish();
    EXPECT_EQ(run.exitCode, 128 + signal) << "the tool ends as the signal says";
    EXPECT_EQ(Text(run.First("signal"), "name"), ToUtf16(NameOf(signal)));
    EXPECT_NE(run.First("quit"), nullptr);
    EXPECT_EQ(run.First("process-start"), nullptr);
    EXPECT_EQ(Names(box.Spool()), std::vector<std::string>{kJob});
    EXPECT_TRUE(fs::is_empty(box.Desktop()));
    EXPECT_FALSE(fs::exists(box.SettingsFile()));
  }
}

TEST_F(KeptJob, SignalWhileTheInterpreterWrites) {
  ArrangeSlowGhostscript();
  std::ofstream(box.Desktop() / "Brief.pdf") << "alt";
  // The user confirms replacing the file they have.
  const std::unique_ptr<RunningProgram> tool = box.Start("save accept\n");
  ASSERT_NE(tool, nullptr);
  const pid_t ghostscript = GhostscriptRunning();
  tool->Signal(SIGTERM);
  const RunResult run = tool->Finish();
  EXPECT_EQ(run.exitCode, 128 + SIGTERM);
  EXPECT_EQ(run.First("message-box"), nullptr) << "no failure to report: the user ended it";
  ExpectNothingDone();
  ExpectGone(ghostscript);
}

// The shutdown signal lets the conversion run to its end; a termination
// signal after it still ends the conversion.
TEST_F(KeptJob, SignalAfterTheShutdownSignal) {
  ArrangeSlowGhostscript();
  std::ofstream(box.Desktop() / "Brief.pdf") << "alt";
  const std::unique_ptr<RunningProgram> tool = box.Start("save accept\n");
  ASSERT_NE(tool, nullptr);
  const pid_t ghostscript = GhostscriptRunning();
  std::ofstream(box.Res() / "stop");
  ASSERT_TRUE(tool->WaitForEvent("quit"));
  tool->Signal(SIGHUP);
  const RunResult run = tool->Finish();
  EXPECT_EQ(run.exitCode, 128 + SIGHUP);
  ExpectNothingDone();
  ExpectGone(ghostscript);
}

// Nobody could be asked, so nothing is claimed and nothing saved; the
// virtual user answers only on the headless backend asked for by name.
TEST(KeptJobWithoutDisplay, NothingIsClaimedAndTheStatusSaysSo) {
  struct Case {
    const char* what;
    std::string backend;
    std::vector<std::string> environment;
    const char* said;
  };
  const Case cases[] = {
      {"no DISPLAY", "", {}, "DISPLAY is not set"},
      {"a DISPLAY without a server", "", {"DISPLAY=:4711"}, "cannot open the X display \":4711\""},
      {"x11 asked for without a DISPLAY", "x11", {}, "DISPLAY is not set"},
      {"an unknown backend", "wayland", {}, "unknown QUILLBROOK_BACKEND \"wayland\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SandboxOptions options;
    options.backend = c.backend;
    options.environment = c.environment;
    Sandbox box(options);
    box.AddJob(kJob, kSampleJob);
    const RunResult run = box.Run("");
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.errors.find(c.said), std::string::npos) << run.errors;
    EXPECT_EQ(run.First("save-dialog"), nullptr);
    EXPECT_EQ(Names(box.Spool()), std::vector<std::string>{kJob});
    EXPECT_TRUE(fs::is_empty(box.Desktop()));
    EXPECT_FALSE(fs::exists(box.AppData() / "quillbrook"));
  }
}

}  // namespace
}  // namespace qb::test
