#include "platform/shell/ShellExecute.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <string>

#include "platform/events/EventLog.h"
#include "platform/process/ExecutableSearch.h"
#include "platform/text/Utf.h"

namespace {

// Starts the program through an intermediate child that leaves at once, so
// that the program belongs to init rather than to us and never lingers as a
// zombie. Between fork and exec only async-signal-safe calls are made.
void StartDetached(std::string program, std::string argument) {
  char* argv[] = {program.data(), argument.data(), nullptr};
  sigset_t none;
  sigemptyset(&none);
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      const int null = open("/dev/null", O_RDWR);
      if (null >= 0) {
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
      }
      close_range(3, ~0U, 0);
      sigprocmask(SIG_SETMASK, &none, nullptr);
      execve(argv[0], argv, environ);
      _exit(127);
    }
    _exit(0);
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

void OpenWithDesktop(std::u16string_view verb, std::u16string_view target) {
  if (!verb.empty() && qb::LowerCase(verb) != u"open") return;
  const auto opener = qb::FindExecutable(u"xdg-open");
  if (!opener) return;
  StartDetached(qb::ToUtf8(*opener), qb::ToUtf8(target));
}

struct Handler {
  std::mutex mutex;
  qb::ShellHandler handler;
};

Handler& Installed() {
  static Handler installed;
  return installed;
}

}  // namespace

void ShellExecute(std::u16string_view verb, std::u16string_view target) {
  qb::events::Log("shell-open", {{"verb", std::u16string(verb)}, {"target", std::u16string(target)}});
  qb::ShellHandler handler;
  {
    std::lock_guard lock(Installed().mutex);
    handler = Installed().handler;
  }
  if (handler) {
    handler(verb, target);
  } else {
    OpenWithDesktop(verb, target);
  }
}

namespace qb {

void SetShellHandler(ShellHandler handler) {
  std::lock_guard lock(Installed().mutex);
  Installed().handler = std::move(handler);
}

}  // namespace qb
