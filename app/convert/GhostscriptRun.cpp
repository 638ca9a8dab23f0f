#include "app/convert/GhostscriptRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

extern char** environ;

namespace qb::convert {
namespace {

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kGraceSeconds = 5;

sigset_t HeldSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kTerminationSignals) sigaddset(&set, signal);
  sigaddset(&set, SIGCHLD);
  return set;
}

bool IsWritableFolder(const char* path) {
  struct stat info {};
  return stat(path, &info) == 0 && S_ISDIR(info.st_mode) && access(path, W_OK | X_OK) == 0;
}

std::vector<std::string> GhostscriptEnvironment() {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (text.starts_with("GS_OPTIONS=")) continue;
    if (text.starts_with("TMPDIR=") && !IsWritableFolder(text.c_str() + 7)) continue;
    entries.push_back(text);
  }
  return entries;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

void Say(const char* text) {
  const ssize_t ignored = write(STDERR_FILENO, text, std::strlen(text));
  (void)ignored;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void BecomeGhostscript(pid_t parent, const char* program, char* const* argv, char* const* envp,
                                    const std::vector<int>& descriptors) {
  if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
  // Moved out of the way first, so that placing one cannot overwrite
  // another that is still to be placed.
  const int count = int(descriptors.size());
  int moved[16];
  if (count > 16) {
    Say("quillbrook converter: at most 15 files to run\n");
    _exit(127);
  }
  for (int i = 0; i < count; ++i) {
    moved[i] = fcntl(descriptors[i], F_DUPFD_CLOEXEC, 3 + count);
    if (moved[i] < 0) _exit(127);
  }
  for (int i = 0; i < count; ++i) {
    if (dup2(moved[i], 3 + i) < 0) _exit(127);
  }
  close_range(unsigned(3 + count), ~0U, 0);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  for (int signal : kTerminationSignals) sigaction(signal, &standard, nullptr);
  sigaction(SIGCHLD, &standard, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  execvpe(program, argv, envp);
  Say("quillbrook converter: cannot start Ghostscript (");
  Say(program);
  Say(")\n");
  _exit(127);
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return 1;
}

}  // namespace

std::string GhostscriptProgram() {
  if (const char* chosen = std::getenv("QUILLBROOK_GHOSTSCRIPT"); chosen != nullptr && *chosen != '\0') return chosen;
  if (access(QB_SYSTEM_GHOSTSCRIPT, X_OK) == 0) return QB_SYSTEM_GHOSTSCRIPT;
  return "gs";
}

void HoldTerminationSignals() {
  const sigset_t held = HeldSet();
  sigprocmask(SIG_BLOCK, &held, nullptr);
}

int PendingTerminationSignal() {
  sigset_t pending;
  sigpending(&pending);
  for (int signal : kTerminationSignals) {
    if (sigismember(&pending, signal)) return signal;
  }
  return 0;
}

void EndBySignal(int signal) {
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigaction(signal, &standard, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  // The signal may be pending still: unblocking delivers it, else raise.
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  raise(signal);
  _exit(128 + signal);
}

GhostscriptEnd RunGhostscript(const std::string& program, const std::vector<std::string>& arguments,
                              const std::vector<int>& descriptors) {
  std::vector<std::string> argvTexts{program};
  argvTexts.insert(argvTexts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envTexts = GhostscriptEnvironment();
  const std::vector<char*> argv = PointersTo(argvTexts);
  const std::vector<char*> envp = PointersTo(envTexts);

  GhostscriptEnd end;
  const pid_t parent = getpid();
  const pid_t child = fork();
  if (child < 0) {
    end.exitCode = 127;
    return end;
  }
  if (child == 0) BecomeGhostscript(parent, program.c_str(), argv.data(), envp.data(), descriptors);

  const sigset_t held = HeldSet();
  timespec deadline{};
  bool killed = false;
  for (;;) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      end.exitCode = ExitCodeOf(status);
      return end;
    }
    timespec wait{1, 0};
    if (end.takenSignal != 0 && !killed) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      if (now.tv_sec >= deadline.tv_sec) {
        kill(child, SIGKILL);
        killed = true;
      }
    }
    siginfo_t info{};
    const int signal = sigtimedwait(&held, &info, &wait);
    if (signal <= 0 || signal == SIGCHLD || end.takenSignal != 0) continue;
    end.takenSignal = signal;
    kill(child, SIGTERM);
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += kGraceSeconds;
  }
}

}  // namespace qb::convert
