#include <signal.h>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/text/Utf.h"
#include "app/SpoolSearch.h"
#include "tests/app/print/support/ChildProgram.h"
#include "tests/support/FileText.h"
#include "tests/support/ProcessGone.h"
#include "tests/support/TempDir.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

// A stand-in for the tool: each run logs "start" with the jobs it sees,
// notes when another run is still going, then does what the file "mode"
// says: "take" (the default) removes the first job as a conversion would,
// "leave" leaves it, "hold" waits for SIGTERM. It logs "end" as it goes.
constexpr char kFakeTool[] = R"(#!/bin/sh
world=$(dirname "$0")/..
log=$world/log
spool=$world/data/quillbrook/default/$(id -un)
mkdir "$world/running" 2>/dev/null || echo overlap >>"$log"
echo "start $(cd "$spool" && ls *.ps 2>/dev/null | tr '\n' ' ')$$" >>"$log"
finish() { rmdir "$world/running"; echo "end" >>"$log"; exit 0; }
trap 'echo terminated >>"$log"; finish' TERM
case $(cat "$world/mode" 2>/dev/null) in
  leave) ;;
  hold) while :; do sleep 0.05; done ;;
  *) first=$(cd "$spool" && ls *.ps | head -n 1); rm -f "$spool/$first" ;;
esac
finish
)";

class SessionAgentTest : public ::testing::Test {
 protected:
  SessionAgentTest() {
    fs::create_directories(dir_.Path() / "program/res");
    fs::copy_file(fs::path(QB_PROGRAM_FOLDER) / "quillbrook-agent", dir_.Path() / "program/quillbrook-agent");
    dir_.Write("program/res/global.ini", "[settings]\nnamespace=default\n");
    fs::permissions(dir_.Write("program/quillbrook", kFakeTool), fs::perms::owner_all);
    fs::create_directories(dir_.Path() / "data/quillbrook");
  }

  std::unique_ptr<ChildProgram> StartAgent(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), (dir_.Path() / "program/quillbrook-agent").string());
    ChildOptions options(arguments);
    options.environment = Environment({"PROGRAMDATA=" + (dir_.Path() / "data").string(), "DISPLAY=:fake"});
    options.output = dir_.Path() / "agent.txt";
    return std::make_unique<ChildProgram>(options);
  }

  fs::path Spool() const { return dir_.Path() / "data/quillbrook/default" / ToUtf8(GetCurrentUserName()); }
  void AddJob(const std::string& name) const { std::ofstream(Spool() / name) << "%!PS\n"; }
  void SetMode(const std::string& mode) const { dir_.Write("mode", mode); }

  // The log's lines that start with `kind`.
  std::vector<std::string> Lines(const std::string& kind) const {
    std::vector<std::string> lines;
    std::ifstream in(dir_.Path() / "log");
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with(kind)) lines.push_back(line);
    }
    return lines;
  }
  // The jobs the run saw, without its process number.
  std::vector<std::string> Runs() const {
    std::vector<std::string> runs;
    for (const std::string& line : Lines("start ")) runs.push_back(line.substr(6, line.rfind(' ') + 1 - 6));
    return runs;
  }
  bool RunsReach(std::size_t count) const {
    return WaitFor([&] { return Runs().size() >= count && Lines("end").size() >= count; });
  }
  std::string AgentSaid() const { return Content(dir_.Path() / "agent.txt"); }

  TempDir dir_;
};

TEST_F(SessionAgentTest, StartsTheToolOnceForEachWaitingJobAndAgainForNewOnes) {
  fs::create_directories(Spool());
  AddJob("AAAAAAAAAAAAAAAerste.ps");
  AddJob("BBBBBBBBBBBBBBBzweite.ps");
  AddJob("waiting.tmp");
  const auto agent = StartAgent();
  ASSERT_TRUE(RunsReach(2)) << AgentSaid();
  AddJob("CCCCCCCCCCCCCCCdritte.ps");
  ASSERT_TRUE(RunsReach(3)) << AgentSaid();

  EXPECT_EQ(Runs(), (std::vector<std::string>{"AAAAAAAAAAAAAAAerste.ps BBBBBBBBBBBBBBBzweite.ps ",
                                              "BBBBBBBBBBBBBBBzweite.ps ", "CCCCCCCCCCCCCCCdritte.ps "}));
  EXPECT_TRUE(Lines("overlap").empty()) << "never two runs at once";
  EXPECT_TRUE(fs::exists(Spool() / "waiting.tmp"));
}

TEST_F(SessionAgentTest, PreparesAMissingSpoolFolderAndRefusesToRunWithoutADisplay) {
  {
    const auto agent = StartAgent();
    ASSERT_TRUE(WaitFor([&] { return fs::exists(Spool()); }));
    EXPECT_EQ(fs::status(Spool()).permissions(), fs::perms::owner_all);
    AddJob("AAAAAAAAAAAAAAABrief.ps");
    EXPECT_TRUE(RunsReach(1)) << AgentSaid();
  }
  ChildOptions withoutDisplay({(dir_.Path() / "program/quillbrook-agent").string()});
  withoutDisplay.environment = Environment({"PROGRAMDATA=" + (dir_.Path() / "data").string(), "DISPLAY"});
  const Ran ran = RunProgram(withoutDisplay);
  EXPECT_EQ(ran.status, 1);
  EXPECT_NE(ran.output.find("DISPLAY is not set"), std::string::npos) << ran.output;
}

// A run that leaves its job waiting (no display, no dialog program) must
// not be repeated at once: the next run comes with the next job, and sees
// that job as well.
TEST_F(SessionAgentTest, AJobARunLeftWaitingIsTriedAgainAtTheNextJobNotAtOnce) {
  fs::create_directories(Spool());
  SetMode("leave");
  AddJob("AAAAAAAAAAAAAAAerste.ps");
  const auto agent = StartAgent();
  ASSERT_TRUE(RunsReach(1)) << AgentSaid();
  AddJob("BBBBBBBBBBBBBBBzweite.ps");
  ASSERT_TRUE(RunsReach(2)) << AgentSaid();
  EXPECT_EQ(Runs()[1], "AAAAAAAAAAAAAAAerste.ps BBBBBBBBBBBBBBBzweite.ps ");
  EXPECT_NE(AgentSaid().find("left 1 job(s) waiting"), std::string::npos) << AgentSaid();
}

TEST_F(SessionAgentTest, AJobARunLeftWaitingIsTriedAgainAfterTheBackOff) {
  fs::create_directories(Spool());
  SetMode("leave");
  AddJob("AAAAAAAAAAAAAAAerste.ps");
  const auto agent = StartAgent({"--retry-after", "0.2"});
  ASSERT_TRUE(RunsReach(3)) << AgentSaid();
  EXPECT_EQ(Runs()[2], "AAAAAAAAAAAAAAAerste.ps ");
  EXPECT_NE(AgentSaid().find("in 0.4 s"), std::string::npos) << "the back-off doubles: " << AgentSaid();
}

TEST_F(SessionAgentTest, SigtermEndsTheRunningToolAndThenTheAgent) {
  fs::create_directories(Spool());
  SetMode("hold");
  AddJob("AAAAAAAAAAAAAAAerste.ps");
  const auto agent = StartAgent();
  ASSERT_TRUE(WaitFor([&] { return Runs().size() == 1; })) << AgentSaid();
  const std::string start = Lines("start ")[0];
  const pid_t tool = std::stoi(start.substr(start.rfind(' ') + 1));

  agent->Signal(SIGTERM);
  EXPECT_EQ(agent->Wait(std::chrono::seconds(30)), 0);
  EXPECT_EQ(Lines("terminated").size(), 1u);
  EXPECT_TRUE(GoneWithin(tool, std::chrono::seconds(10)));
}

TEST_F(SessionAgentTest, ASecondAgentOfTheUserWaitsAndTakesOverWhenTheFirstEnds) {
  fs::create_directories(Spool());
  SetMode("hold");
  const auto first = StartAgent();
  ASSERT_TRUE(WaitFor([&] { return fs::exists(Spool() / ".quillbrook-agent.lock"); }));
  const auto second = StartAgent();
  ASSERT_TRUE(WaitFor([&] { return AgentSaid().find("another agent of yours runs") != std::string::npos; }));
  AddJob("AAAAAAAAAAAAAAAerste.ps");
  ASSERT_TRUE(WaitFor([&] { return Runs().size() == 1; })) << AgentSaid();

  first->Signal(SIGTERM);
  EXPECT_EQ(first->Wait(std::chrono::seconds(30)), 0);
  ASSERT_TRUE(WaitFor([&] { return Runs().size() == 2; })) << "the second agent takes the job up: " << AgentSaid();
  EXPECT_TRUE(Lines("overlap").empty());
  second->Signal(SIGTERM);
  EXPECT_EQ(second->Wait(std::chrono::seconds(30)), 0);
}

}  // namespace
}  // namespace qb::test
