#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/print/CupsBackend.h"
#include "app/print/EPrintError.h"
#include "app/print/PrintingUser.h"
#include "platform/text/Utf.h"
#include "tests/app/print/support/ChildProgram.h"
#include "tests/app/print/support/PrintAccount.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr char kJob[] = "%!PS-Adobe-3.0\n%%Title: (Gr\\374\\337e an J\\374rgen)\n%%EndComments\nshowpage\n";

// The backend as CUPS runs it, from a copy of a program folder, with the
// spool root an installation makes (sticky and writable for all).
class CupsBackendTest : public ::testing::Test {
 protected:
  CupsBackendTest() {
    fs::permissions(dir_.Path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    dir_.Write("program/res/global.ini", "[settings]\nnamespace=default\n");
    fs::copy_file(QB_CUPS_BACKEND, Backend());
    fs::permissions(Backend(), fs::perms::owner_all);
    for (const fs::path& folder : {Root(), Root() / "default"}) {
      fs::create_directories(folder);
      fs::permissions(folder, fs::perms::all | fs::perms::sticky_bit);
    }
    // Readable only by the test, as CUPS's job files are by CUPS.
    fs::permissions(dir_.Write("job.ps", kJob), fs::perms::owner_read | fs::perms::owner_write);
  }

  fs::path Backend() const { return dir_.Path() / "program/cups-backend"; }
  fs::path Root() const { return dir_.Path() / "data/quillbrook"; }

  Ran Run(std::vector<std::string> arguments, bool fromStandardInput = false) const {
    arguments.insert(arguments.begin(), "quillbrook:/");
    ChildOptions options({Backend().string()});
    options.arguments = arguments;
    options.arguments[0] = Backend().string();
    options.environment = Environment({"PROGRAMDATA=" + (dir_.Path() / "data").string()});
    if (fromStandardInput) options.input = dir_.Path() / "job.ps";
    return RunProgram(options);
  }

  std::vector<fs::path> WrittenFiles() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Path() / "data")) {
      if (!entry.is_directory()) files.push_back(entry.path());
    }
    return files;
  }

  TempDir dir_;
};

TEST_F(CupsBackendTest, TellsItsDeviceWithoutArgumentsAndItsUsageWithTooFew) {
  const Ran device = RunProgram(ChildOptions({Backend().string()}));
  EXPECT_EQ(device.status, CUPS_BACKEND_OK);
  EXPECT_EQ(device.output, kCupsDeviceLine);

  const Ran tooFew = Run({"1", "anna", "Brief"});
  EXPECT_EQ(tooFew.status, CUPS_BACKEND_FAILED);
  EXPECT_TRUE(tooFew.output.starts_with("ERROR: Usage: quillbrook JOB-ID USER TITLE")) << tooFew.output;
}

TEST_F(CupsBackendTest, CancelsJobsForAccountsThatAreNoLoginAccountsAndWritesNothing) {
  struct Case {
    std::string user;
    std::string message;
  };
  const Case cases[] = {
      {"root", "ERROR: The job is for \"root\", the administrator's account"},
      {"daemon", "ERROR: The job is for \"daemon\" (UID 1), which is no login account"},
      {"nobody", "ERROR: The job is for \"nobody\" (UID 65534), which is no login account"},
      {"qb-nobody-knows", "ERROR: The job is for \"qb-nobody-knows\", an account this system does not know"},
      {"", "an account this system does not know"},
  };
  for (const Case& c : cases) {
    for (const bool fromStandardInput : {false, true}) {
      SCOPED_TRACE(c.user + (fromStandardInput ? " from standard input" : " from the job file"));
      std::vector<std::string> arguments{"7", c.user, "Brief", "1", ""};
      if (!fromStandardInput) arguments.push_back((dir_.Path() / "job.ps").string());
      const Ran ran = Run(arguments, fromStandardInput);
      EXPECT_EQ(ran.status, CUPS_BACKEND_CANCEL);
      EXPECT_NE(ran.output.find(c.message), std::string::npos) << ran.output;
      EXPECT_TRUE(WrittenFiles().empty());
    }
  }
}

TEST_F(CupsBackendTest, SpoolsTheJobAsThePrintingUserNamedAfterTheTitleOrTheJobsOwn) {
  const PrintAccount account;
  QB_NEED_ACCOUNT(account);
  const fs::path folder = Root() / "default" / account.Name();
  struct Case {
    std::string title;
    bool fromStandardInput;
    std::string name;
  };
  const Case cases[] = {
      {"(stdin)", true, "Grüße an Jürgen.ps"},
      {"Untitled", false, "Grüße an Jürgen.ps"},
      {"brief.txt", false, "brief.txt.ps"},
      {"Rechnung 03/2026", true, "Rechnung 03_2026.ps"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    fs::remove_all(folder);
    std::vector<std::string> arguments{"7", account.Name(), c.title, "1", "media=A4"};
    if (!c.fromStandardInput) arguments.push_back((dir_.Path() / "job.ps").string());
    const Ran ran = Run(arguments, c.fromStandardInput);
    ASSERT_EQ(ran.status, CUPS_BACKEND_OK) << ran.output;
    EXPECT_NE(ran.output.find("INFO: The job waits for " + account.Name() + "'s session"), std::string::npos)
        << ran.output;

    const std::vector<fs::path> files = WrittenFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].parent_path(), folder);
    EXPECT_EQ(files[0].filename().string().substr(15), c.name);
    EXPECT_EQ(Content(files[0]), kJob);
    struct stat job {};
    struct stat spool {};
    ASSERT_EQ(stat(files[0].c_str(), &job), 0);
    ASSERT_EQ(stat(folder.c_str(), &spool), 0);
    EXPECT_EQ(job.st_uid, account.Uid()) << "written as the user, not as root";
    EXPECT_EQ(spool.st_uid, account.Uid());
    EXPECT_EQ(job.st_mode & 07777, 0600u);
    EXPECT_EQ(spool.st_mode & 07777, 0700u);
  }
}

TEST_F(CupsBackendTest, AMissingSpoolRootStopsTheQueueAndSaysHowToInstall) {
  fs::remove_all(Root());
  const Ran ran = Run({"7", "root", "Brief", "1", "", (dir_.Path() / "job.ps").string()});
  EXPECT_EQ(ran.status, CUPS_BACKEND_CANCEL) << "an account that may not print is refused first";

  const PrintAccount account;
  QB_NEED_ACCOUNT(account);
  const Ran missing = Run({"7", account.Name(), "Brief", "1", "", (dir_.Path() / "job.ps").string()});
  EXPECT_EQ(missing.status, CUPS_BACKEND_STOP);
  EXPECT_NE(missing.output.find("ERROR: The spool root " + Root().string() + " does not exist"), std::string::npos)
      << missing.output;
  EXPECT_NE(missing.output.find("scripts/install-system"), std::string::npos) << missing.output;
  EXPECT_FALSE(fs::exists(Root()));
}

// CUPS reads the messages of the backend and of its filters from one
// pipe: a message written in pieces comes apart around a filter's line
// and loses its level. Over a packet socket each write is one packet.
TEST_F(CupsBackendTest, EachMessageGoesOutWholeInOneWrite) {
  int ends[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
  for (const std::string user : {"root", "qb-nobody-knows"}) {
    ChildOptions options({Backend().string(), "7", user, "Brief", "1", ""});
    options.environment = Environment({"PROGRAMDATA=" + (dir_.Path() / "data").string()});
    options.outputDescriptor = ends[1];
    ChildProgram backend(options);
    EXPECT_EQ(backend.Wait(std::chrono::seconds(60)), CUPS_BACKEND_CANCEL);
  }
  close(ends[1]);
  std::vector<std::string> packets;
  char buffer[4096];
  for (ssize_t got; (got = recv(ends[0], buffer, sizeof buffer, 0)) > 0;) packets.emplace_back(buffer, got);
  close(ends[0]);
  ASSERT_EQ(packets.size(), 2u);
  for (const std::string& packet : packets) {
    EXPECT_TRUE(packet.starts_with("ERROR: The job is for \"") && packet.ends_with("\n")) << packet;
  }
}

// Under a cupsd that runs as a user, the backend runs as that user too and
// cannot become another.
TEST_F(CupsBackendTest, RunAsAUserItPrintsForThatUserAlone) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run the backend as two other accounts";
  const PrintAccount cupsUser("c");
  const PrintAccount other("o");
  QB_NEED_ACCOUNT(cupsUser);
  QB_NEED_ACCOUNT(other);
  fs::permissions(Backend(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(dir_.Path() / "job.ps", fs::perms::others_read, fs::perm_options::add);
  for (const auto& [user, status] : {std::pair{&other, CUPS_BACKEND_CANCEL}, {&cupsUser, CUPS_BACKEND_OK}}) {
    SCOPED_TRACE(user->Name());
    ChildOptions options({Backend().string(), "7", user->Name(), "Brief", "1", "", (dir_.Path() / "job.ps").string()});
    options.environment = Environment({"PROGRAMDATA=" + (dir_.Path() / "data").string()});
    options.uid = cupsUser.Uid();
    const Ran ran = RunProgram(options);
    EXPECT_EQ(ran.status, status) << ran.output;
    if (status == CUPS_BACKEND_CANCEL) {
      EXPECT_NE(ran.output.find("can print only for that account, not for \"" + other.Name() + "\""),
                std::string::npos)
          << ran.output;
    }
  }
  const std::vector<fs::path> files = WrittenFiles();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].parent_path(), Root() / "default" / cupsUser.Name());
}

// A folder the user may not write in may be mended by the administrator:
// the job is tried again rather than cancelled, and nothing is written.
TEST_F(CupsBackendTest, ASpoolFolderThatCannotBeMadeFailsTheJobForALaterTry) {
  const PrintAccount account;
  QB_NEED_ACCOUNT(account);
  fs::permissions(Root() / "default", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
  if (!account.Other()) fs::permissions(Root() / "default", fs::perms::owner_write, fs::perm_options::remove);
  const Ran ran = Run({"7", account.Name(), "Brief", "1", "", (dir_.Path() / "job.ps").string()});
  EXPECT_EQ(ran.status, CUPS_BACKEND_FAILED);
  EXPECT_NE(ran.output.find("ERROR: Cannot create the spool folder " + (Root() / "default" / account.Name()).string() +
                            ": Permission denied"),
            std::string::npos)
      << ran.output;
  EXPECT_TRUE(WrittenFiles().empty());
}

TEST(CupsJobTitle, NamesThatNameNoDocumentGiveWayToTheJobsOwnTitle) {
  const std::pair<std::string, std::optional<std::u16string>> cases[] = {
      {"Brief an Anna", u"Brief an Anna"},
      {"brief.txt", u"brief.txt"},
      {"(stdin)", std::nullopt},
      {"Untitled", std::nullopt},
      {"untitled", std::nullopt},
      {" (stdin) ", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"Untitled 2", u"Untitled 2"},
  };
  for (const auto& [title, expected] : cases) EXPECT_EQ(CupsJobTitle(title), expected) << title;
}

TEST(PrintingUser, TheLoginRangeComesFromLoginDefsAndBoundsWhoMayPrint) {
  const TempDir dir;
  const struct {
    std::string text;
    uid_t first, last;
  } files[] = {
      {"", 1000, 60000},
      {"# UID_MIN 5\nUID_MIN\t\t 500\nUID_MAX 2000\nUID_MINIMUM 7\n", 500, 2000},
      {"UID_MIN x\n UID_MAX  70000 # comment\n", 1000, 70000},
  };
  for (const auto& file : files) {
    const LoginUidRange range = ReadLoginUidRange(dir.Write("login.defs", file.text).string());
    EXPECT_EQ(range.first, file.first) << file.text;
    EXPECT_EQ(range.last, file.last) << file.text;
  }
  EXPECT_EQ(ReadLoginUidRange((dir.Path() / "missing").string()).first, 1000u);

  EXPECT_THROW(FindPrintingUser("root", {0, 60000}), EPrintRefused) << "root is refused whatever the range";
  EXPECT_EQ(FindPrintingUser("daemon", {1, 10}).uid, 1u);
  EXPECT_THROW(FindPrintingUser("daemon", {2, 10}), EPrintRefused);
}

}  // namespace
}  // namespace qb::test
