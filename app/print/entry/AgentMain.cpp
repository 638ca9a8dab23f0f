// quillbrook-agent: started with the user's graphical session (XDG
// autostart), it starts the tool of its installation there whenever jobs
// wait in the user's spool folder.
//
//   quillbrook-agent [--retry-after SECONDS]
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "app/print/EPrintError.h"
#include "app/print/PrintSpoolFolder.h"
#include "app/print/SessionAgent.h"
#include "platform/files/ProgramFolder.h"

namespace {

constexpr char kUsage[] = "usage: quillbrook-agent [--retry-after SECONDS]\n";

// The first back-off in milliseconds, from a decimal number of seconds.
bool ReadSeconds(const char* text, std::chrono::milliseconds& value) {
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  if (end == text || *end != '\0' || !(seconds > 0) || seconds > 86400) return false;
  value = std::chrono::milliseconds(static_cast<long long>(seconds * 1000 + 0.5));
  return value.count() > 0;
}

}  // namespace

int main(int argc, char** argv) {
  qb::SessionAgentSetup setup;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--retry-after" && i + 1 < argc && ReadSeconds(argv[i + 1], setup.firstRetry)) {
      ++i;
    } else {
      std::cerr << (argument == "-h" || argument == "--help" ? "" : "quillbrook-agent: bad arguments\n") << kUsage;
      return argument == "-h" || argument == "--help" ? 0 : 2;
    }
  }
  // The tool shows its dialog and window on the session's display; a
  // process without one is no session of the user's to print into.
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    std::cerr << "quillbrook-agent: DISPLAY is not set; the agent runs in a graphical session only\n";
    return 1;
  }

  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGCHLD}) sigaddset(&signals, signal);
  sigprocmask(SIG_BLOCK, &signals, nullptr);
  setup.signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
  if (setup.signalFd < 0) {
    std::cerr << "quillbrook-agent: cannot take signals\n";
    return 1;
  }
  try {
    setup.programFolder = qb::GetProgramFolder();
    setup.spoolFolder = qb::PrepareSpoolFolder(setup.programFolder);
    return qb::RunSessionAgent(setup, std::cerr);
  } catch (const qb::EPrintError& error) {
    std::cerr << "quillbrook-agent: " << error.what() << '\n';
    return 1;
  }
}
