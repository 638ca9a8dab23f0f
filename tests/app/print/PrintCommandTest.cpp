#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/print/AgentLock.h"
#include "app/print/PrintCommand.h"
#include "platform/shell/UserName.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// A program folder with res/global.ini and a stand-in for the tool that
// records its arguments, one variable of its environment and its session;
// the all-users data folder with the spool root, both in a temporary folder.
class PrintCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareFolders();
    env_.Set("PROGRAMDATA", (dir_.Path() / "data").string());
    env_.Set("QB_TEST_MARK", "from the user");
    env_.Set("QB_TEST_RECORD", Record().string());
  }

  void PrepareFolders() {
    dir_.Write("program/res/global.ini", "[settings]\nnamespace=default\n");
    const fs::path tool = dir_.Write("program/quillbrook",
                                     "#!/bin/sh\n"
                                     "printf '%s|%s|%s\\n' \"$#\" \"$QB_TEST_MARK\" \"$(cut -d' ' -f6 /proc/$$/stat)\" "
                                     "> \"$QB_TEST_RECORD.part\"\n"
                                     "mv \"$QB_TEST_RECORD.part\" \"$QB_TEST_RECORD\"\n");
    fs::permissions(tool, fs::perms::owner_all);
    fs::create_directories(Root());
  }

  fs::path Root() const { return dir_.Path() / "data/quillbrook"; }
  fs::path UserFolder() const { return Root() / "default/anna"; }
  fs::path Record() const { return dir_.Path() / "started"; }
  std::u16string ProgramFolder() const { return test::U16(dir_.Path() / "program") + u"/"; }

  int Run(const std::vector<std::string>& arguments, int input = -1) {
    errors_.str("");
    return RunPrintCommand(arguments, ProgramFolder(), input, errors_);
  }

  std::vector<fs::path> Jobs() const {
    std::vector<fs::path> jobs;
    std::error_code error;
    for (fs::directory_iterator it(UserFolder(), error), end; !error && it != end; it.increment(error)) {
      jobs.push_back(it->path());
    }
    return jobs;
  }

  // The stand-in's record, once it has run; generous, as the machine may
  // be busy.
  std::string WaitForRecord() const {
    for (int i = 0; i < 3000 && !fs::exists(Record()); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return test::Content(Record());
  }

  test::TempDir dir_;
  test::EnvGuard env_;
  UserNameOverride user_{u"anna"};
  std::ostringstream errors_;
};

TEST_F(PrintCommandTest, SpoolsTheJobPrivatelyAndStartsTheToolDetached) {
  const fs::path input = dir_.Write("in.ps", "%!PS-Adobe-3.0\n%%Title: (Brief an \\(Anna\\))\n%%EndComments\nshowpage\n");
  ASSERT_EQ(Run({input.string()}), 0) << errors_.str();

  const std::vector<fs::path> jobs = Jobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].filename().string().substr(15), "Brief an (Anna).ps");
  EXPECT_EQ(test::Content(jobs[0]), test::Content(input));
  EXPECT_EQ(fs::status(UserFolder()).permissions(), fs::perms::owner_all);
  EXPECT_EQ(fs::status(Root() / "default").permissions(), fs::perms::all | fs::perms::sticky_bit);

  const std::string record = WaitForRecord();
  ASSERT_EQ(record.substr(0, record.rfind('|') + 1), "0|from the user|") << "no arguments, the user's environment";
  EXPECT_NE(std::stol(record.substr(record.rfind('|') + 1)), static_cast<long>(getsid(0)))
      << "the tool runs in a session of its own";
}

TEST_F(PrintCommandTest, TakesTheTitleFromTheCommandLineAndTheJobFromAFileOrStandardInput) {
  const fs::path input = dir_.Write("in.ps", "%!PS\n%%Title: (own title)\n");
  struct Case {
    std::vector<std::string> arguments;
    bool fromStandardInput;
    std::string name;
  };
  const Case cases[] = {
      {{"-t", "Rechnung 03/2026"}, true, "Rechnung 03_2026.ps"},
      {{"--title", "Grüße"}, true, "Grüße.ps"},
      {{"--title=\"Zitat\"", "-"}, true, "\"Zitat\".ps"},
      {{"--", input.string()}, false, "own title.ps"},
      {{input.string(), "--title", "Zeile 1\nZeile 2"}, false, "Zeile 1 Zeile 2.ps"},
  };
  for (const Case& c : cases) {
    fs::remove_all(UserFolder());
    const int stdinFd = open(input.c_str(), O_RDONLY);
    EXPECT_EQ(Run(c.arguments, c.fromStandardInput ? stdinFd : -1), 0) << errors_.str();
    close(stdinFd);
    const std::vector<fs::path> jobs = Jobs();
    ASSERT_EQ(jobs.size(), 1u) << c.name;
    EXPECT_EQ(jobs[0].filename().string().substr(15), c.name);
    EXPECT_EQ(test::Content(jobs[0]), test::Content(input)) << c.name;
  }
}

TEST_F(PrintCommandTest, FailuresSayWhyEndNonZeroAndLeaveNoJob) {
  const fs::path input = dir_.Write("in.ps", "%!PS\n");
  const fs::path elsewhere = dir_.Path() / "elsewhere";
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::vector<std::string> arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"missing spool root", [&] { fs::remove_all(Root()); }, {input.string()}, kPrintFailed,
       "The spool root " + Root().string() + " does not exist"},
      {"missing input", [] {}, {(dir_.Path() / "nothing.ps").string()}, kPrintFailed, "nothing.ps: No such file"},
      {"folder as input", [] {}, {dir_.Path().string()}, kPrintFailed, "Is a directory"},
      {"no namespace", [&] { dir_.Write("program/res/global.ini", "[settings]\n"); }, {input.string()},
       kPrintFailed, "Cannot read the namespace"},
      {"namespace leaving the root", [&] { dir_.Write("program/res/global.ini", "[settings]\nnamespace=../x\n"); },
       {input.string()}, kPrintFailed, "leads outside the spool folder"},
      {"user folder planted as a link",
       [&] {
         fs::create_directories(elsewhere);
         fs::create_directories(Root() / "default");
         fs::create_directory_symlink(elsewhere, UserFolder());
       },
       {input.string()}, kPrintFailed, "is not a folder of your own"},
      {"unknown option", [] {}, {"-x", input.string()}, kPrintUsage, "unknown option -x"},
      {"two files", [] {}, {input.string(), input.string()}, kPrintUsage, "one job at a time"},
      {"title option without title", [] {}, {"-t"}, kPrintUsage, "-t needs a title"},
  };
  for (const Case& c : cases) {
    PrepareFolders();
    c.prepare();
    EXPECT_EQ(Run(c.arguments), c.status) << c.what;
    EXPECT_NE(errors_.str().find(c.message), std::string::npos) << c.what << ": " << errors_.str();
    EXPECT_TRUE(fs::is_symlink(UserFolder()) || Jobs().empty()) << c.what;
    EXPECT_FALSE(fs::exists(elsewhere) && !fs::is_empty(elsewhere)) << c.what;
    EXPECT_FALSE(fs::exists(Record())) << c.what;
    fs::remove_all(dir_.Path() / "data");
    fs::remove_all(elsewhere);
  }
}

TEST_F(PrintCommandTest, AToolThatCannotStartLeavesTheJobForItsNextRun) {
  fs::remove(dir_.Path() / "program/quillbrook");
  const fs::path input = dir_.Write("in.ps", "%!PS\n");
  EXPECT_EQ(Run({input.string()}), kPrintFailed);
  EXPECT_NE(errors_.str().find("could not be started"), std::string::npos) << errors_.str();
  EXPECT_EQ(Jobs().size(), 1u);
}

// Two tools at once would each claim a job and show two dialogs; the
// agent's runs come one after the other.
TEST_F(PrintCommandTest, LeavesTheStartToTheUsersSessionAgentWhileOneRuns) {
  fs::remove(dir_.Path() / "program/quillbrook");
  fs::create_directories(UserFolder());
  const std::u16string folder = test::U16(UserFolder()) + u"/";
  AgentLock agent(folder);
  ASSERT_TRUE(agent.TryTake());
  const fs::path input = dir_.Write("in.ps", "%!PS\n");
  EXPECT_EQ(Run({input.string()}), 0) << "the missing tool was not started: " << errors_.str();
  EXPECT_EQ(Jobs().size(), 2u) << "the job beside the agent's lock";
}

}  // namespace
}  // namespace qb
