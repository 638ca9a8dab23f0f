// The staged program under conditions the scenario table leaves out: a job
// that disappears while the user decides, PDF paths that need quoting, an
// interpreter that takes its time, and the end of the tool while the
// interpreter still runs. The slow interpreter is a shell script in the
// sandbox's interpreter place that writes its process id, waits and then
// hands over to the real Ghostscript.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/text/Utf.h"
#include "tests/app/e2e/Sandbox.h"
#include "tests/support/FileText.h"
#include "tests/support/PngRead.h"
#include "tests/support/ProcessGone.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr char16_t kConversionError[] =
    u"Die PDF-Datei konnte leider nicht erstellt werden. Bitte überprüfen Sie, ob sie am gewählten Zielort über "
    u"Schreibrechte verfügen.";

// The window's resting place on the 1920 x 1040 work area: 200 x 30 (the
// skin's minimum width), so its caption, drawn by the layered frame above
// the window, is around y = 1010 - 15.
constexpr int kRestingLeft = 1920 - 200;
constexpr int kRestingTop = 1040 - 30;
constexpr char kCaptionPoint[] = "1820,995";

fs::path InterpreterOf(const Sandbox& box) { return box.ProgramFolder() / "gs/gs8.70/bin/gswin32c.exe"; }

fs::path PidFileOf(const Sandbox& box) { return box.Root() / "interpreter.pid"; }

// Replaces the interpreter by a shell script: it records its process id,
// then runs `body`.
void FakeInterpreter(const Sandbox& box, const std::string& body) {
  const fs::path interpreter = InterpreterOf(box);
  fs::remove(interpreter);
  std::ofstream(interpreter) << "#!/bin/sh\necho $$ >" << Quoted(PidFileOf(box)) << "\n" << body << "\n";
  fs::permissions(interpreter, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

pid_t RecordedPid(const Sandbox& box) {
  pid_t pid = 0;
  std::ifstream(PidFileOf(box)) >> pid;
  return pid;
}

bool IsPdf(const fs::path& file) { return Content(file).starts_with("%PDF-"); }

class Robustness : public ::testing::Test {
 protected:
  void ExpectNoScriptTimeout(const RunResult& run) {
    EXPECT_EQ(run.First("script-timeout"), nullptr) << ToUtf8(Text(run.First("script-timeout"), "step"));
  }

  Sandbox box{SandboxOptions{}};
};

TEST_F(Robustness, JobRemovedWhileTheDialogIsOpenFailsCleanly) {
  box.AddJob("ABCDEFGHIJKLMNOBrief.ps", kSampleJob);
  const fs::path claimed = box.Spool() / "ABCDEFGHIJKLMNOBrief.tmp";
  const RunResult run = box.Run("wait save-dialog\nremove " + Quoted(claimed) + "\nsave accept\n");
  ExpectNoScriptTimeout(run);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Text(run.First("message-box"), "text"), kConversionError);
  EXPECT_EQ(run.All("message-box").size(), 1u);
  EXPECT_NE(run.First("quit"), nullptr);
  EXPECT_TRUE(fs::is_empty(box.Desktop())) << "no PDF, not even an empty or partial one";
  EXPECT_TRUE(fs::is_empty(box.Spool()));
}

TEST_F(Robustness, PdfPathWithQuotationMarksAndBlanksIsWrittenExactlyThere) {
  // The suggested name comes from the job's title, so the user accepts a
  // name that holds quotation marks; the folder holds a blank.
  box.AddJob("ABCDEFGHIJKLMNOMein \"Brief\" an Anna.docx.ps", kSampleJob);
  const fs::path folder = box.Root() / "Meine Ablage";
  fs::create_directories(folder);
  const fs::path pdf = folder / "Mein \"Brief\" an Anna.pdf";
  // The save step quotes with the first and the next quotation mark, so a
  // path of our own cannot hold one: the folder is remembered instead, and
  // the dialog's own suggestion is accepted.
  fs::create_directories(box.SettingsFile().parent_path());
  std::ofstream(box.SettingsFile()) << "[settings]\nsavepath=" << folder.string() << "/\n";
  const RunResult run = box.Run("save accept\nwait visible CloseButton\nsleep 1500\nmouse click CloseButton\n");
  ExpectNoScriptTimeout(run);
  EXPECT_EQ(Text(run.First("save-result"), "file"), U16(pdf));
  EXPECT_EQ(run.First("message-box"), nullptr);
  EXPECT_TRUE(IsPdf(pdf));
  std::vector<fs::path> written;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) written.push_back(entry.path());
  EXPECT_EQ(written, std::vector<fs::path>{pdf}) << "nothing beside it under a torn name";
}

TEST_F(Robustness, SlowInterpreterLeavesTheWindowAliveGaugeMovingAndDraggable) {
  box.AddJob("ABCDEFGHIJKLMNOBrief.ps", kSampleJob);
  FakeInterpreter(box, "sleep 5\nexec gs \"$@\"");
  const fs::path shots[] = {box.Root() / "gauge1.png", box.Root() / "gauge2.png", box.Root() / "gauge3.png"};
  std::string script = "save accept\nsleep 1200\n";
  for (const fs::path& shot : shots) script += "screenshot " + Quoted(shot) + "\nsleep 400\n";
  script += "mouse drag " + std::string(kCaptionPoint) + " -100,-50\n";
  script += "wait visible CloseButton\nsleep 1500\nmouse click CloseButton\n";
  const RunResult run = box.Run(script);
  ExpectNoScriptTimeout(run);
  const events::Event* exit = run.First("process-exit");
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(Number(exit, "code"), 0);

  // The gauge fills the window; its middle row must change between shots
  // taken while the interpreter still sleeps.
  std::vector<std::vector<std::uint32_t>> rows;
  for (const fs::path& shot : shots) {
    const std::optional<Surface> screen = ReadPng(shot);
    ASSERT_TRUE(screen.has_value()) << shot;
    const std::uint32_t* row = screen->Row(kRestingTop + 15);
    rows.emplace_back(row + kRestingLeft, row + kRestingLeft + 200);
  }
  EXPECT_NE(rows[0], rows[1]);
  EXPECT_NE(rows[1], rows[2]);

  // The drag moved the window up and left while the interpreter ran; the
  // edges its frame rests against hold it for the first few pixels.
  const events::Event* moved = nullptr;
  for (const events::Event* window : run.All("window")) {
    if (window->t < exit->t && Number(window, "left") < kRestingLeft - 50 && Number(window, "top") < kRestingTop - 25) {
      moved = window;
    }
  }
  EXPECT_NE(moved, nullptr) << "the window did not follow the drag during the conversion";
  EXPECT_EQ(Text(run.Last("caption"), "text"), u"PDF-Datei erzeugt");
}

TEST_F(Robustness, ShutdownSignalDuringConversionEndsTheToolOnlyAfterTheInterpreter) {
  box.AddJob("ABCDEFGHIJKLMNOBrief.ps", kSampleJob);
  FakeInterpreter(box, "sleep 3\nexec gs \"$@\"");
  const RunResult run = box.Run("save accept\nsleep 1000\ntouch " + Quoted(box.Res() / "stop") + "\n");
  ExpectNoScriptTimeout(run);
  EXPECT_EQ(run.exitCode, 0);
  // The quit request comes with the signal; the conversion still runs to
  // its end before the tool goes.
  EXPECT_NE(run.First("quit"), nullptr);
  EXPECT_EQ(Number(run.First("process-exit"), "code"), 0);
  EXPECT_TRUE(IsPdf(box.Desktop() / "Brief.pdf"));
  const pid_t interpreter = RecordedPid(box);
  ASSERT_GT(interpreter, 0);
  EXPECT_FALSE(ProcessRuns(interpreter));
}

// A termination signal (here from the interpreter itself, which knows its
// parent) ends the tool; the interpreter it started must not run on
// without it.
TEST_F(Robustness, TerminatedToolLeavesNoInterpreterRunning) {
  box.AddJob("ABCDEFGHIJKLMNOBrief.ps", kSampleJob);
  FakeInterpreter(box, "kill -TERM $PPID\nexec sleep 60");
  const RunResult run = box.Run("save accept\n");
  EXPECT_EQ(run.exitCode, 128 + SIGTERM) << "the tool still ends as the signal says";
  const pid_t interpreter = RecordedPid(box);
  ASSERT_GT(interpreter, 0);
  const bool gone = GoneWithin(interpreter, std::chrono::seconds(10));
  if (!gone) kill(interpreter, SIGKILL);
  EXPECT_TRUE(gone);
}

}  // namespace
}  // namespace qb::test
