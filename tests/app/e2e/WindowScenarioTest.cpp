// The notification window as the user handles it, on the headless backend
// with the staged program and real Ghostscript: closing it through its
// frame, keys while it is busy or while its system menu is open, the
// countdown label under the pointer, and the quit the tool makes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/text/Utf.h"
#include "tests/app/e2e/Sandbox.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr char kJob[] = "ABCDEFGHIJKLMNOBrief.ps";
// Until the countdown has started: the expansion shows the buttons first.
constexpr char kExpanded[] = "save accept\nwait visible CloseButton\nsleep 1500\n";

// A job that keeps the interpreter busy for a second or more before its page.
constexpr char kSlowJob[] =
    "%!PS-Adobe-3.0\n"
    "0 1 20000000 { pop } for\n"
    "/Helvetica findfont 14 scalefont setfont\n"
    "72 760 moveto (Brief) show\n"
    "showpage\n";

RunResult RunWithJob(const std::string& script, const char* job = kSampleJob) {
  Sandbox box({});
  box.AddJob(kJob, job);
  RunResult run = box.Run(script);
  EXPECT_EQ(run.First("script-timeout"), nullptr) << ToUtf8(Text(run.First("script-timeout"), "step"));
  EXPECT_TRUE(fs::exists(box.Desktop() / "Brief.pdf"));
  return run;
}

int CountdownTicks(const RunResult& run) {
  int ticks = 0;
  for (const events::Event* label : run.All("label")) ticks += Text(label, "text").starts_with(u"Fenster schließt in ");
  return ticks;
}

// Each way of closing the window through its frame ends the tool at once
// and cleanly: one quit request with code 0, long before the countdown
// would have run out.
TEST(WindowScenario, ClosingTheWindowThroughItsFrameEndsTheTool) {
  struct Case {
    const char* what;
    const char* steps;
  };
  const Case cases[] = {
      {"the caption's close button", "mouse click closebutton\n"},
      {"Alt+F4", "key Alt+F4\n"},
      {"Close in the system menu", "mouse rclick caption\nkey Down\nkey Return\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RunResult run = RunWithJob(std::string(kExpanded) + c.steps);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.All("quit").size(), 1u);
    EXPECT_EQ(Number(run.First("quit"), "code"), 0);
    EXPECT_LT(CountdownTicks(run), 10) << "the tool ended with the window, not with the countdown";
    EXPECT_EQ(run.First("shell-open"), nullptr);
  }
}

// While the window slides in and converts, its buttons are still hidden:
// Return must not open the PDF that is being written.
TEST(WindowScenario, ReturnDuringTheConversionOpensNothing) {
  const RunResult run = RunWithJob(
      "save accept\nsleep 300\nkey Return\nwait visible CloseButton\nsleep 1500\nmouse click CloseButton\n", kSlowJob);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.First("shell-open"), nullptr);
  EXPECT_EQ(Text(run.Last("caption"), "text"), u"PDF-Datei erzeugt");
  EXPECT_LT(CountdownTicks(run), 10) << "closed by its button";
}

// With the system menu open, Escape and Return belong to the menu; neither
// reaches the default button "PDF-Datei öffnen" behind it.
TEST(WindowScenario, KeysForTheOpenSystemMenuStayInTheMenu) {
  for (const char* key : {"Escape", "Return"}) {
    SCOPED_TRACE(key);
    const RunResult run =
        RunWithJob(std::string(kExpanded) + "mouse rclick caption\nkey " + key + "\nsleep 300\nmouse click CloseButton\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.First("shell-open"), nullptr);
  }
}

// The countdown label lies on the window's free area: the pointer on it
// stops the countdown and hides the label, as anywhere else there.
TEST(WindowScenario, ThePointerOnTheCountdownLabelStopsTheCountdown) {
  const RunResult run =
      RunWithJob(std::string(kExpanded) + "mouse move Label3\nwait hidden Label3\nsleep 2500\nmouse click CloseButton\n");
  const events::Event* hidden = nullptr;
  for (const events::Event* show : run.All("show")) {
    if (Text(show, "name") == u"Label3" && !Flag(show, "visible")) hidden = show;
  }
  ASSERT_NE(hidden, nullptr);
  for (const events::Event* label : run.All("label")) EXPECT_LT(label->t, hidden->t) << "counted on";
}

// A shutdown signal while the save dialog is open ends the dialog's loop
// and then the tool: one quit request, logged once.
TEST(WindowScenario, AShutdownSignalIsOneQuit) {
  Sandbox box({});
  box.AddJob(kJob, kSampleJob);
  const RunResult run = box.Run("wait save-dialog\ntouch " + Quoted(box.Res() / "stop") + "\nsleep 300\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.All("quit").size(), 1u);
}

}  // namespace
}  // namespace qb::test
