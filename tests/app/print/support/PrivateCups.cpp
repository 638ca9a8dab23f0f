#include "tests/app/print/support/PrivateCups.h"

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "platform/process/ExecutableSearch.h"
#include "platform/text/Utf.h"

namespace qb::test {
namespace fs = std::filesystem;
namespace {

constexpr char kCupsFolder[] = "/usr/lib/cups";
constexpr char kCupsd[] = "/usr/sbin/cupsd";

// Job operations need the user's identity, which a client on the local
// socket proves by its credentials; the rest is open to all, so that the
// test may administer the queue as whoever it runs as.
constexpr char kConfiguration[] = R"(LogLevel info
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType Basic
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Policy authenticated>
  <Limit Create-Job Print-Job Print-URI Validate-Job>
    AuthType Default
    Order deny,allow
  </Limit>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";

std::string GroupName(gid_t gid) {
  const group* entry = getgrgid(gid);
  return entry ? entry->gr_name : std::to_string(gid);
}

}  // namespace

std::string CupsMissing() {
  if (access(kCupsd, X_OK) != 0) return "cupsd is not installed (package cups-daemon)";
  if (!FindExecutable(u"lp") || !FindExecutable(u"lpadmin")) return "lp and lpadmin are missing (package cups-client)";
  if (!fs::exists(fs::path(kCupsFolder) / "filter/pstops")) return "CUPS's filters are missing (cups-core-drivers)";
  return "";
}

PrivateCups::PrivateCups(const fs::path& folder, const fs::path& backend, const fs::path& programData)
    : folder_(folder) {
  for (const char* sub : {"spool", "tmp", "cache", "state", "log", "bin/backend"}) {
    fs::create_directories(folder / sub);
  }
  for (const auto& entry : fs::directory_iterator(kCupsFolder)) {
    if (entry.path().filename() == "backend") continue;
    fs::create_directory_symlink(entry.path(), folder / "bin" / entry.path().filename());
  }
  fs::create_symlink(backend, folder / "bin/backend/quillbrook");

  const bool root = geteuid() == 0;
  const passwd* self = getpwuid(geteuid());
  const std::string user = root ? "lp" : (self ? self->pw_name : std::to_string(geteuid()));
  const std::string userGroup = root ? "lp" : GroupName(getegid());
  if (root) {
    // Its filters write their temporary files there as "lp".
    const group* lp = getgrnam("lp");
    if (lp && chown((folder / "tmp").c_str(), 0, lp->gr_gid) != 0) problem_ = "cannot hand the temporary folder to lp";
    fs::permissions(folder / "tmp", fs::perms::owner_all | fs::perms::group_all | fs::perms::sticky_bit);
  }

  std::ofstream(folder / "cupsd.conf") << "Listen " << (folder / "cups.sock").string() << "\n" << kConfiguration;
  std::ofstream(folder / "cups-files.conf")
      << "ServerRoot " << folder.string() << "\nRequestRoot " << (folder / "spool").string() << "\nTempDir "
      << (folder / "tmp").string() << "\nCacheDir " << (folder / "cache").string() << "\nStateDir "
      << (folder / "state").string() << "\nServerBin " << (folder / "bin").string()
      << "\nDataDir /usr/share/cups\nAccessLog " << (folder / "log/access_log").string() << "\nErrorLog "
      << (folder / "log/error_log").string() << "\nPageLog " << (folder / "log/page_log").string() << "\nUser " << user
      << "\nGroup " << userGroup << "\nSystemGroup " << (root ? "root" : userGroup) << "\nSetEnv PROGRAMDATA "
      << programData.string() << "\n";

  ChildOptions options(
      {kCupsd, "-f", "-c", (folder / "cupsd.conf").string(), "-s", (folder / "cups-files.conf").string()});
  options.output = folder / "log/cupsd.txt";
  daemon_ = std::make_unique<ChildProgram>(options);
  const bool running = WaitFor([&] {
    if (daemon_->Wait(std::chrono::milliseconds(0))) return true;
    return fs::exists(folder / "cups.sock") && Command({"lpstat", "-r"}).output.find("is running") != std::string::npos;
  });
  if (!running || daemon_->Wait(std::chrono::milliseconds(0))) {
    problem_ = "cupsd did not start: " + ErrorLog() + " " +
               std::string(std::istreambuf_iterator<char>(std::ifstream(folder / "log/cupsd.txt").rdbuf()), {});
  }
}

PrivateCups::~PrivateCups() {
  daemon_->Signal(SIGTERM);
  daemon_->Wait(std::chrono::seconds(30));
}

std::vector<std::string> PrivateCups::ClientEnvironment(const std::vector<std::string>& changes) const {
  std::vector<std::string> all{"CUPS_SERVER=" + (folder_ / "cups.sock").string(), "LC_ALL=C"};
  all.insert(all.end(), changes.begin(), changes.end());
  return Environment(all);
}

Ran PrivateCups::Command(std::vector<std::string> arguments, std::optional<uid_t> uid, const fs::path& input) const {
  if (!arguments[0].starts_with('/')) {
    const auto found = FindExecutable(ToUtf16(arguments[0]));
    if (found) arguments[0] = ToUtf8(*found);
  }
  ChildOptions options(arguments);
  options.environment = ClientEnvironment();
  options.uid = uid;
  options.input = input;
  return RunProgram(options);
}

std::string PrivateCups::ErrorLog() const {
  std::ifstream in(folder_ / "log/error_log");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string PrivateCups::JobEnd(int job) const {
  const std::string tag = "[Job " + std::to_string(job) + "] ";
  std::string end;
  WaitFor([&] {
    const std::string log = ErrorLog();
    for (const auto& [line, state] : {std::pair{"Job completed.", "completed"},
                                      {"Job canceled", "canceled"},
                                      {"Job aborted", "aborted"},
                                      {"Printer stopped", "stopped"}}) {
      if (log.find(tag + line) != std::string::npos) end = state;
    }
    return !end.empty();
  });
  return end;
}

int JobNumber(const std::string& lpOutput) {
  std::smatch match;
  if (!std::regex_search(lpOutput, match, std::regex("request id is [^ ]+-([0-9]+) "))) return -1;
  return std::stoi(match[1]);
}

}  // namespace qb::test
