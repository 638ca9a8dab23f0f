// The staged converter (the program folder's gs/gs8.70/bin/gswin32c.exe)
// run as the tool runs it, with the real Ghostscript or a stand-in for it
// (QUILLBROOK_GHOSTSCRIPT). What counts is what is left in the target
// folder: the whole PDF under exactly the chosen name and exit code 0, or
// the folder as it was and another exit code.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/FileText.h"
#include "tests/support/ProcessGone.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace qb::test {
namespace {

namespace fs = std::filesystem;

const fs::path kConverter = fs::path(QB_PROGRAM_FOLDER) / "gs/gs8.70/bin/gswin32c.exe";

constexpr char kJob[] = "%!PS\n/Helvetica findfont 14 scalefont setfont 72 760 moveto (Brief) show showpage\n";

class Converter : public ::testing::Test {
 protected:
  Converter() {
    fs::create_directories(Out());
    temp.Write("job.ps", kJob);
  }

  fs::path Out() const { return temp.Path() / "out"; }
  fs::path Job() const { return temp.Path() / "job.ps"; }

  // The tool's switches around the given output and job.
  static std::vector<std::string> ToolLine(const fs::path& pdf, const fs::path& job) {
    return {"-q", "-dNOPAUSE", "-dBATCH", "-sPAPERSIZE=a4", "-dPDFFitPage", "-dPDFSETTINGS=/prepress",
            "-dEmbedAllFonts=true", "-sDEVICE=pdfwrite", "-dDoNumCopies", "-sOutputFile=" + pdf.string(), "-c",
            "save", "pop", "-f", job.string()};
  }

  // A stand-in for Ghostscript: records its process id, arguments and
  // environment, then runs `body`.
  void StandIn(const std::string& body) {
    const fs::path script = temp.Write("gs", "#!/bin/sh\necho $$ >'" + (temp.Path() / "gs.pid").string() +
                                                 "'\nprintf '%s\\n' \"$@\" >'" + (temp.Path() / "gs.args").string() +
                                                 "'\nenv >'" + (temp.Path() / "gs.env").string() + "'\n" + body + "\n");
    fs::permissions(script, fs::perms::owner_all);
    environment.push_back("QUILLBROOK_GHOSTSCRIPT=" + script.string());
  }

  pid_t StandInRunning() const { return RecordedProcess(temp.Path() / "gs.pid"); }

  // Runs the converter in a process group of its own, as the tool does;
  // `during` runs meanwhile with its process id. The exit code, 128 + the
  // signal for an end by one.
  int Run(const std::vector<std::string>& arguments, const std::function<void(pid_t)>& during = {}) {
    std::vector<std::string> texts{kConverter.string()};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<std::string> envTexts;
    for (char** entry = environ; *entry != nullptr; ++entry) envTexts.push_back(*entry);
    envTexts.insert(envTexts.end(), environment.begin(), environment.end());
    std::vector<char*> envp;
    for (std::string& text : envTexts) envp.push_back(text.data());
    envp.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], nullptr, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
      ADD_FAILURE() << "cannot start " << kConverter;
      return -1;
    }
    if (during) during(pid);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  TempDir temp;
  std::vector<std::string> environment;
};

TEST_F(Converter, WritesThePdfUnderExactlyTheChosenName) {
  const fs::path pdf = Out() / "Seite %d \xFC.pdf";
  EXPECT_EQ(Run(ToolLine(pdf, Job())), 0);
  EXPECT_EQ(Names(Out()), std::vector<std::string>{pdf.filename()});
  EXPECT_TRUE(Content(pdf).starts_with("%PDF-"));
}

TEST_F(Converter, ReplacesAnExistingFileWholeAndKeepsItsPermissions) {
  const fs::path pdf = Out() / "Brief.pdf";
  std::ofstream(pdf) << "alt";
  fs::permissions(pdf, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Run(ToolLine(pdf, Job())), 0);
  EXPECT_TRUE(Content(pdf).starts_with("%PDF-"));
  EXPECT_EQ(fs::status(pdf).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Names(Out()), std::vector<std::string>{"Brief.pdf"});
}

TEST_F(Converter, AFailureLeavesTheFolderAsItWas) {
  struct Case {
    const char* what;
    std::string job;  // its content; empty: no job file at all
    std::string existing;
    std::string target = "Brief.pdf";
  };
  const Case cases[] = {
      {"the interpreter fails after the first page", std::string(kJob) + "kein PostScript\n", "alt"},
      {"no job", "", "alt"},
      {"an existing file the user may not write", kJob, "schreibgeschützt"},
      {"the target is a folder", kJob, "", "Ordner"},
      {"the target's folder does not exist", kJob, "", "fehlt/Brief.pdf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Root may write any file, with or without us.
    if (c.existing == "schreibgeschützt" && geteuid() == 0) continue;
    fs::remove_all(Out());
    fs::create_directories(Out());
    fs::remove(Job());
    if (!c.job.empty()) temp.Write("job.ps", c.job);
    if (!c.existing.empty()) std::ofstream(Out() / c.target) << c.existing;
    if (c.existing == "schreibgeschützt") fs::permissions(Out() / c.target, fs::perms::owner_read);
    if (c.target == "Ordner") fs::create_directories(Out() / c.target);
    const std::vector<std::string> before = Names(Out());
    EXPECT_NE(Run(ToolLine(Out() / c.target, Job())), 0);
    EXPECT_EQ(Names(Out()), before);
    if (!c.existing.empty()) {
      EXPECT_EQ(Content(Out() / c.target), c.existing);
    }
  }
}

TEST_F(Converter, GhostscriptRunsSafelyWithoutSwitchesFromTheEnvironment) {
  StandIn("printf '%%PDF-1.7\\n' >&3");
  environment.push_back("GS_OPTIONS=-dNOSAFER");
  environment.push_back("TMPDIR=/var/spool/cups/tmp-that-is-not-there");
  const fs::path pdf = Out() / "Brief.pdf";
  EXPECT_EQ(Run(ToolLine(pdf, Job())), 0);
  EXPECT_EQ(Content(pdf), "%PDF-1.7\n");
  const std::string arguments = Content(temp.Path() / "gs.args");
  EXPECT_TRUE(arguments.starts_with("-dSAFER\n")) << arguments;
  EXPECT_NE(arguments.find("-sOutputFile=/dev/fd/3\n"), std::string::npos) << arguments;
  const std::string environment = Content(temp.Path() / "gs.env");
  EXPECT_EQ(environment.find("GS_OPTIONS="), std::string::npos);
  EXPECT_EQ(environment.find("TMPDIR="), std::string::npos);
}

// Ended while Ghostscript writes: by the tool (its whole group), by a
// signal to the converter alone, and by SIGKILL, which nobody can catch.
TEST_F(Converter, EndedWhileGhostscriptWritesLeavesNothingBehind) {
  StandIn("printf '%%PDF-1.7\\n%% unfinished' >&3\nexec sleep 60");
  struct Case {
    const char* what;
    bool group;
    int signal;
    bool hiddenFileMayStay;
  };
  const Case cases[] = {
      {"SIGTERM to the group", true, SIGTERM, false},
      {"SIGHUP to the converter", false, SIGHUP, false},
      {"SIGINT to the converter", false, SIGINT, false},
      {"SIGKILL to the converter", false, SIGKILL, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(temp.Path() / "gs.pid");
    const fs::path pdf = Out() / "Brief.pdf";
    std::ofstream(pdf) << "alt";
    pid_t ghostscript = 0;
    const int code = Run(ToolLine(pdf, Job()), [&](pid_t converter) {
      ghostscript = StandInRunning();
      kill(c.group ? -converter : converter, c.signal);
    });
    EXPECT_EQ(code, 128 + c.signal);
    const bool gone = GoneWithin(ghostscript, std::chrono::seconds(10));
    if (!gone) kill(ghostscript, SIGKILL);
    EXPECT_TRUE(gone) << "Ghostscript runs on";
    EXPECT_EQ(Content(pdf), "alt");
    if (!c.hiddenFileMayStay) {
      EXPECT_EQ(Names(Out()), std::vector<std::string>{"Brief.pdf"});
    }
  }
}

}  // namespace
}  // namespace qb::test
