#include "app/print/SessionAgent.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>

#include "app/SpoolSearch.h"
#include "app/print/AgentLock.h"
#include "app/print/EPrintError.h"
#include "platform/notify/ChangeNotification.h"
#include "platform/notify/FolderWatch.h"
#include "platform/text/Utf.h"

extern char** environ;

namespace qb {
namespace {

using Clock = std::chrono::steady_clock;
using JobNames = std::set<std::u16string>;

// The jobs as the tool finds them: the ".ps" files of the folder.
JobNames WaitingJobs(const std::u16string& folder) {
  FoundList found;
  FindFiles(found, folder, u"*.ps", false, false, true);
  JobNames names;
  for (const FoundEntry& entry : found) names.insert(entry.path.substr(folder.size()));
  return names;
}

// Starts the tool with the session's environment, standard input on
// /dev/null and its output where the agent's goes, in a session of its own
// so that only the agent decides when it is told to end. Nothing, with
// `error` set, when it cannot be started.
std::optional<pid_t> StartTool(const std::u16string& programFolder, int& error) {
  std::string tool = ToUtf8(programFolder + u"quillbrook");
  char* argv[] = {tool.data(), nullptr};

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  pid_t pid = -1;
  error = posix_spawn(&pid, tool.c_str(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return std::nullopt;
  return pid;
}

class Agent {
 public:
  Agent(const SessionAgentSetup& setup, std::ostream& messages) : setup_(setup), messages_(messages) {
    int error = 0;
    watch_ = FolderWatch::Open(ToUtf8(setup.spoolFolder), false, FILE_NOTIFY_CHANGE_FILE_NAME, error);
    if (!watch_) {
      throw EPrintError("Cannot watch the spool folder " + ToUtf8(setup.spoolFolder) + ": " + std::strerror(error));
    }
    retryDelay_ = setup.firstRetry;
  }

  int Run() {
    for (;;) {
      if (!tool_ && !stopping_) StartWhenDue();
      if (stopping_ && !tool_) return 0;
      Wait();
    }
  }

 private:
  void StartWhenDue() {
    const JobNames waiting = WaitingJobs(setup_.spoolFolder);
    if (waiting.empty()) {
      held_.clear();
      retryAt_.reset();
      return;
    }
    const bool fresh =
        std::any_of(waiting.begin(), waiting.end(), [&](const auto& job) { return !held_.contains(job); });
    const bool due = retryAt_ && Clock::now() >= *retryAt_;
    if (!fresh && !due) return;
    runJobs_ = waiting;
    retryAt_.reset();
    int error = 0;
    tool_ = StartTool(setup_.programFolder, error);
    if (!tool_) {
      messages_ << "quillbrook-agent: cannot start " << ToUtf8(setup_.programFolder)
                << "quillbrook: " << std::strerror(error) << std::endl;
      LeftWaiting(waiting);
    }
  }

  // After a run: a job it found is gone (converted, cancelled, claimed),
  // so the next may follow at once; or it left them all.
  void ToolEnded(int status) {
    tool_.reset();
    const JobNames after = WaitingJobs(setup_.spoolFolder);
    const bool progressed =
        std::any_of(runJobs_.begin(), runJobs_.end(), [&](const auto& job) { return !after.contains(job); });
    if (progressed) {
      held_.clear();
      retryDelay_ = setup_.firstRetry;
      return;
    }
    JobNames left;
    std::set_intersection(runJobs_.begin(), runJobs_.end(), after.begin(), after.end(),
                          std::inserter(left, left.end()));
    if (left.empty()) return;
    messages_ << "quillbrook-agent: the tool ended with " << status << " and left " << left.size()
              << " job(s) waiting; they are tried again at the next job, the next session or in "
              << static_cast<double>(retryDelay_.count()) / 1000 << " s" << std::endl;
    LeftWaiting(left);
  }

  void LeftWaiting(const JobNames& jobs) {
    held_.insert(jobs.begin(), jobs.end());
    retryAt_ = Clock::now() + retryDelay_;
    retryDelay_ = std::min(retryDelay_ * 2, setup_.lastRetry);
  }

  void Wait() {
    int timeout = -1;
    if (!tool_ && retryAt_) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(*retryAt_ - Clock::now()).count();
      timeout = static_cast<int>(std::clamp<long long>(left, 0, 24 * 3600 * 1000));
    }
    pollfd fds[2] = {{setup_.signalFd, POLLIN, 0}, {watch_->Descriptor(), POLLIN, 0}};
    if (poll(fds, 2, timeout) < 0) {
      if (errno == EINTR) return;
      throw EPrintError(std::string("The agent cannot wait: ") + std::strerror(errno));
    }
    if (fds[0].revents != 0) TakeSignal();
    if (fds[1].revents != 0 && watch_->Poll()) watch_->Rearm();
  }

  void TakeSignal() {
    signalfd_siginfo info{};
    if (read(setup_.signalFd, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return;
    if (info.ssi_signo == SIGCHLD) {
      int status = 0;
      if (tool_ && waitpid(*tool_, &status, WNOHANG) == *tool_) {
        ToolEnded(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
      }
      return;
    }
    stopping_ = true;
    if (tool_) kill(*tool_, SIGTERM);
  }

  const SessionAgentSetup& setup_;
  std::ostream& messages_;
  std::unique_ptr<FolderWatch> watch_;
  std::optional<pid_t> tool_;
  bool stopping_ = false;
  // The jobs waiting when the running (or last) tool started.
  JobNames runJobs_;
  // Jobs a run left waiting: they alone start no run.
  JobNames held_;
  std::optional<Clock::time_point> retryAt_;
  std::chrono::milliseconds retryDelay_;
};

}  // namespace

int RunSessionAgent(const SessionAgentSetup& setup, std::ostream& messages) {
  AgentLock lock(setup.spoolFolder);
  if (!lock.TryTake()) {
    messages << "quillbrook-agent: another agent of yours runs; this one takes over when it ends" << std::endl;
    if (!lock.TakeUnless(setup.signalFd)) return 0;
  }
  return Agent(setup, messages).Run();
}

}  // namespace qb
