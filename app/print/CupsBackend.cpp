#include "app/print/CupsBackend.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/print/EPrintError.h"
#include "app/print/JobSpooler.h"
#include "app/print/PrintSpoolFolder.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr std::string_view kUsage = "Usage: quillbrook JOB-ID USER TITLE COPIES OPTIONS [FILE]";

// The job file CUPS names; it is readable by CUPS's accounts only, so it is
// opened before the backend becomes the user.
class JobInput {
 public:
  JobInput(const std::vector<std::string>& arguments, int input) : fd_(input) {
    if (arguments.size() < 6) return;
    fd_ = open(arguments[5].c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw EPrintError("Cannot open the job file " + arguments[5] + ": " + std::strerror(errno));
    owned_ = true;
  }
  ~JobInput() {
    if (owned_) close(fd_);
  }
  JobInput(const JobInput&) = delete;
  JobInput& operator=(const JobInput&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
  bool owned_ = false;
};

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// CUPS reads the messages of the backend and its filters from one pipe, so
// a message written in pieces may come apart around a filter's line: each
// goes out whole, in one write.
void Say(std::ostream& errors, std::string_view level, std::string_view text) {
  std::string line;
  line.append(level).append(": ").append(text).append("\n");
  errors << line << std::flush;
}

// Whoever the backend runs as, the job is written as its user only.
void BecomePrintingUser(const PrintingUser& user) {
  if (geteuid() == 0) {
    BecomeUser(user);
    return;
  }
  if (geteuid() != user.uid) {
    throw EPrintRefused("This CUPS runs as UID " + std::to_string(geteuid()) + " and can print only for that account, "
                        "not for \"" + user.name + "\"; run the backend as root (mode 0700, owned by root)");
  }
}

}  // namespace

std::optional<std::u16string> CupsJobTitle(std::string_view title) {
  const std::size_t start = title.find_first_not_of(" \t");
  if (start == std::string_view::npos) return std::nullopt;
  const std::string_view trimmed = title.substr(start, title.find_last_not_of(" \t") - start + 1);
  if (EqualIgnoringCase(trimmed, "(stdin)") || EqualIgnoringCase(trimmed, "Untitled")) return std::nullopt;
  return ToUtf16(title);
}

int RunCupsBackend(const std::vector<std::string>& arguments, const CupsBackendSetup& setup, std::ostream& output,
                   std::ostream& errors) {
  if (arguments.empty()) {
    output << kCupsDeviceLine << std::flush;
    return CUPS_BACKEND_OK;
  }
  if (arguments.size() != 5 && arguments.size() != 6) {
    Say(errors, "ERROR", kUsage);
    return CUPS_BACKEND_FAILED;
  }
  try {
    const PrintingUser user = FindPrintingUser(arguments[1], setup.loginUids);
    const JobInput input(arguments, setup.input);
    BecomePrintingUser(user);
    JobSpooler spooler(PrepareSpoolFolder(setup.programFolder));
    spooler.SetCancelFd(setup.cancelFd);
    const std::u16string job = spooler.Spool(input.Fd(), arguments.size() == 6 ? "the job file" : "standard input",
                                             CupsJobTitle(arguments[2]));
    Say(errors, "INFO", "The job waits for " + user.name + "'s session in " + ToUtf8(job));
    return CUPS_BACKEND_OK;
  } catch (const EPrintSetupError& error) {
    Say(errors, "ERROR", error.what());
    return CUPS_BACKEND_STOP;
  } catch (const EPrintRefused& error) {
    Say(errors, "ERROR", error.what());
    return CUPS_BACKEND_CANCEL;
  } catch (const EPrintError& error) {
    Say(errors, "ERROR", error.what());
    return CUPS_BACKEND_FAILED;
  }
}

}  // namespace qb
