#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "tests/app/print/support/ChildProgram.h"
#include "tests/app/print/support/PrintAccount.h"
#include "tests/app/print/support/PrivateCups.h"
#include "tests/app/print/support/TestSession.h"
#include "tests/support/FileText.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

// Two pages whose title, in UTF-8 as applications write it, has umlauts.
constexpr char kLetter[] =
    "%!PS-Adobe-3.0\n%%Title: Grüße an Jürgen\n%%Pages: 2\n%%EndComments\n"
    "%%Page: 1 1\n/Helvetica findfont 20 scalefont setfont 72 700 moveto (Seite 1) show showpage\n"
    "%%Page: 2 2\n/Helvetica findfont 20 scalefont setfont 72 700 moveto (Seite 2) show showpage\n%%EOF\n";


// Whether every account may pass through the folder and those above it.
bool OpenToAll(fs::path folder) {
  for (; folder != folder.root_path(); folder = folder.parent_path()) {
    struct stat entry {};
    if (stat(folder.c_str(), &entry) != 0 || (entry.st_mode & S_IXOTH) == 0) return false;
  }
  return true;
}

// A folder that every account may pass through: CUPS's filters run as
// "lp" and the agent as the printing account. Below the build folder when
// that is open to all, else below /tmp.
class WorkFolder {
 public:
  WorkFolder() {
    fs::create_directories(QB_TEST_WORK);
    const fs::path base = OpenToAll(QB_TEST_WORK) ? fs::path(QB_TEST_WORK) : fs::temp_directory_path();
    std::string pattern = (base / "quillbrook-cups-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder in " + base.string());
    path_ = pattern;
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
  }
  ~WorkFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::string Pdfinfo(const fs::path& pdf) { return RunProgram(ChildOptions({"/usr/bin/pdfinfo", pdf.string()})).output; }

// A cupsd of the test's own with the queue that quillbrook-printer makes,
// whose backend writes into a spool root of the test's own, for a login
// account to print as.
class CupsPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string missing = CupsMissing(); !missing.empty()) GTEST_SKIP() << missing;
    account_ = std::make_unique<PrintAccount>();
    QB_NEED_ACCOUNT(*account_);
    // A copy of the staged program folder as it stands, converter included.
    fs::copy(QB_PROGRAM_FOLDER, Program(), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    // Under a root cupsd, CUPS runs a backend as root only with this mode.
    fs::copy_file(QB_CUPS_BACKEND, Program() / "cups-backend");
    fs::permissions(Program() / "cups-backend", geteuid() == 0 ? fs::perms::owner_all
                                                                : fs::perms::owner_all | fs::perms::others_exec);
    for (const fs::path& folder : {Root(), Root() / "default"}) {
      fs::create_directories(folder);
      fs::permissions(folder, fs::perms::all | fs::perms::sticky_bit);
    }
    WriteReadable("brief.ps", kLetter);

    cups_ = std::make_unique<PrivateCups>(work_.Path() / "cups", Program() / "cups-backend", work_.Path() / "data");
    ASSERT_EQ(cups_->Problem(), "");
    const Ran added = cups_->Command({std::string(QB_PROGRAM_FOLDER) + "/quillbrook-printer", "add"});
    ASSERT_EQ(added.status, 0) << added.output;
  }

  fs::path Program() const { return work_.Path() / "program"; }
  fs::path Root() const { return work_.Path() / "data/quillbrook"; }
  fs::path Spool() const { return Root() / "default" / account_->Name(); }
  std::optional<uid_t> AsAccount() const { return account_->Other() ? std::optional(account_->Uid()) : std::nullopt; }

  fs::path WriteReadable(const std::string& name, const std::string& content) const {
    const fs::path file = work_.Path() / name;
    std::ofstream(file) << content;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    return file;
  }

  // Prints as the account; the job's number.
  int Print(std::vector<std::string> arguments, const fs::path& input = "/dev/null") const {
    arguments.insert(arguments.begin(), {"lp", "-d", "Quillbrook"});
    const Ran ran = cups_->Command(arguments, AsAccount(), input);
    EXPECT_EQ(ran.status, 0) << ran.output;
    return JobNumber(ran.output);
  }

  // What the spool folder holds besides the agent's lock.
  std::vector<std::string> Waiting() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(Spool(), error), end; !error && it != end; it.increment(error)) {
      if (it->path().filename() != ".quillbrook-agent.lock") names.push_back(it->path().filename().string());
    }
    return names;
  }

  std::unique_ptr<ChildProgram> StartAgent(const TestSession& session) const {
    ChildOptions options({(Program() / "quillbrook-agent").string()});
    options.environment = session.SessionEnvironment(
        {"PROGRAMDATA=" + (work_.Path() / "data").string(),
         "QUILLBROOK_EVENTS=" + (session.Home() / "events.jsonl").string()});
    options.uid = AsAccount();
    options.output = work_.Path() / "agent.txt";
    return std::make_unique<ChildProgram>(options);
  }

  // What the agent and the tool said and did, for a failure's message.
  // The shutdown signal, so that the notification window need not count
  // down before the agent's next run.
  void CloseTheWindow() { std::ofstream(Program() / "res" / ("closed-" + std::to_string(++closed_))); }

  std::string AgentSaid() const {
    return Content(work_.Path() / "agent.txt") + Content(work_.Path() / "session/home/events.jsonl");
  }

  WorkFolder work_;
  std::unique_ptr<PrintAccount> account_;
  std::unique_ptr<PrivateCups> cups_;
  int closed_ = 0;
};

TEST_F(CupsPrinterTest, AJobWaitsForTheAgentWhichTurnsItAndLaterOnesIntoPdfsInTheUsersSession) {
  EXPECT_NE(cups_->Command({"lpstat", "-v", "Quillbrook"}).output.find("device for Quillbrook: quillbrook:/"),
            std::string::npos);
  EXPECT_NE(cups_->Command({"lpstat", "-p", "Quillbrook"}).output.find("enabled"), std::string::npos);
  EXPECT_NE(cups_->Command({"lpstat", "-a", "Quillbrook"}).output.find("accepting requests"), std::string::npos);
  const std::string driver = Content(work_.Path() / "cups/ppd/Quillbrook.ppd");
  EXPECT_NE(driver.find("\n*DefaultPageSize: A4\n"), std::string::npos) << "A4 is the queue's default size";

  // Printed while no agent runs: the job waits.
  const int letter = Print({}, work_.Path() / "brief.ps");
  ASSERT_EQ(cups_->JobEnd(letter), "completed") << cups_->ErrorLog();
  const std::vector<std::string> waiting = Waiting();
  ASSERT_EQ(waiting.size(), 1u);
  EXPECT_EQ(waiting[0].substr(15), "Grüße an Jürgen.ps");

  const TestSession session(work_.Path() / "session", *account_);
  ASSERT_EQ(session.Problem(), "");
  const auto agent = StartAgent(session);
  const fs::path letterPdf = session.Desktop() / "Grüße an Jürgen.pdf";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(letterPdf) && Waiting().empty(); }, std::chrono::minutes(2)))
      << AgentSaid();
  CloseTheWindow();

  // Printed while it runs, through CUPS's text filters.
  const fs::path note = WriteReadable("notiz.txt", "Einkaufsliste\nBrot, Käse\n");
  const int text = Print({note.string()});
  EXPECT_EQ(cups_->JobEnd(text), "completed") << cups_->ErrorLog();
  const fs::path notePdf = session.Desktop() / "notiz.pdf";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(notePdf) && Waiting().empty(); }, std::chrono::minutes(2)))
      << AgentSaid();
  CloseTheWindow();

  EXPECT_EQ(session.Suggested(), (std::vector<std::string>{letterPdf.string(), notePdf.string()}))
      << "the save dialog suggests the title's name";
  for (const auto& [pdf, pages] : {std::pair{letterPdf, "2"}, {notePdf, "1"}}) {
    const std::string info = Pdfinfo(pdf);
    EXPECT_TRUE(std::regex_search(info, std::regex(std::string("\nPages: +") + pages + "\n"))) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  }
  agent->Signal(SIGTERM);
  EXPECT_EQ(agent->Wait(std::chrono::seconds(30)), 0) << AgentSaid();
}

TEST_F(CupsPrinterTest, JobsForRootOrAnUnknownAccountAreCancelledWithTheirReasonAndLeaveNothing) {
  // The queue takes the owner's name from the client's credentials: nobody
  // prints in another's name.
  const Ran posing = cups_->Command({"lp", "-d", "Quillbrook", "-U", "root"}, AsAccount(), work_.Path() / "brief.ps");
  EXPECT_NE(posing.status, 0);
  EXPECT_NE(posing.output.find("Unauthorized"), std::string::npos) << posing.output;

  // With a queue open to any name, the backend itself refuses them.
  ASSERT_EQ(cups_->Command({"lpadmin", "-p", "Quillbrook", "-o", "printer-op-policy=default"}).status, 0);
  for (const std::string user : {"root", "qb-nobody-knows"}) {
    SCOPED_TRACE(user);
    const Ran ran = cups_->Command({"lp", "-d", "Quillbrook", "-U", user}, std::nullopt, work_.Path() / "brief.ps");
    ASSERT_EQ(ran.status, 0) << ran.output;
    const int job = JobNumber(ran.output);
    EXPECT_EQ(cups_->JobEnd(job), "canceled") << cups_->ErrorLog();
    const std::string log = cups_->ErrorLog();
    const std::size_t reason = log.find("[Job " + std::to_string(job) + "] The job is for");
    ASSERT_NE(reason, std::string::npos) << log;
    EXPECT_EQ(log.substr(reason - 31, 3), "E [") << "an error line: " << log.substr(reason - 31, 200);
    EXPECT_NE(log.substr(reason, log.find('\n', reason) - reason).find(user), std::string::npos) << log;
  }
  for (const auto& entry : fs::recursive_directory_iterator(work_.Path() / "data")) {
    EXPECT_TRUE(entry.is_directory()) << entry.path();
  }
  EXPECT_NE(cups_->Command({"lpstat", "-p", "Quillbrook"}).output.find("enabled"), std::string::npos)
      << "a refused job does not stop the queue";
}

}  // namespace
}  // namespace qb::test
