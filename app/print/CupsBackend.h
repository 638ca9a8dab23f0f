// The CUPS backend "quillbrook" (backend(7)), the printer's end of a CUPS
// queue:
//
//   quillbrook                                        the device line
//   quillbrook JOB-ID USER TITLE COPIES OPTIONS [FILE]
//
// A job comes from FILE, else from standard input, and is put into the
// spool folder of USER, where that user's session agent finds it; the
// backend never starts the tool. Run as root (CUPS does so for a backend
// of mode 0700 owned by root), it opens FILE and then becomes USER before
// it touches any folder; run as CUPS's own user, it can print only for
// that same user. The copies are not made: one PDF stands for them all.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/print/PrintingUser.h"

namespace qb {

// Exit statuses of backend(7).
inline constexpr int CUPS_BACKEND_OK = 0;
inline constexpr int CUPS_BACKEND_FAILED = 1;
inline constexpr int CUPS_BACKEND_STOP = 4;
inline constexpr int CUPS_BACKEND_CANCEL = 5;

// What `quillbrook` without arguments prints, for lpinfo(8) and printer
// set-up tools.
inline constexpr std::string_view kCupsDeviceLine = "direct quillbrook:/ \"Quillbrook PDF\" \"Quillbrook\"\n";

struct CupsBackendSetup {
  // Ends in "/"; res/global.ini is there.
  std::u16string programFolder;
  LoginUidRange loginUids;
  // Standard input, read when no FILE is named.
  int input = 0;
  // Becomes readable when CUPS cancels the job (a signalfd); -1: none.
  int cancelFd = -1;
};

// Runs the backend with its arguments (without argv[0], which CUPS sets to
// the device URI). The device line goes to `output`; messages go to
// `errors` as "ERROR:" and "INFO:" lines, which CUPS shows with the job and
// the printer. Returns the exit status: CANCEL for a job that cannot be
// taken (an account that is no login account, an empty job, a spool folder
// that is not the user's own), STOP while the installation is incomplete
// (no spool root), FAILED for what may pass (a full disk).
int RunCupsBackend(const std::vector<std::string>& arguments, const CupsBackendSetup& setup, std::ostream& output,
                   std::ostream& errors);

// The title a job's name is made from. CUPS names a job after what the
// application gave, else the file printed, else "(stdin)" or "Untitled";
// those two, and a blank title, name nothing, and the job's own %%Title
// is used instead (nothing is returned).
std::optional<std::u16string> CupsJobTitle(std::string_view title);

}  // namespace qb
