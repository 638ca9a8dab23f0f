#include "platform/dialogs/ModalProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/process/SpawnSignals.h"
#include "platform/window/MessageApi.h"
#include "platform/window/ModalLoop.h"

namespace qb {
namespace {

constexpr auto kGrace = std::chrono::seconds(2);

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    bool replaced = false;
    for (const std::string& e : extra) replaced = replaced || e.substr(0, e.find('=')) == name;
    if (!replaced) entries.push_back(text);
  }
  entries.insert(entries.end(), extra.begin(), extra.end());
  return entries;
}

// A dialog that does not end on SIGTERM must not keep the tool waiting for
// it: after a grace period it is killed.
void EndGroup(pid_t group, const std::atomic<bool>& finished) {
  kill(-group, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + kGrace;
  while (!finished.load() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!finished.load()) kill(-group, SIGKILL);
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace

std::optional<ProgramOutcome> RunModalProgram(const std::string& program, const std::vector<std::string>& arguments,
                                              const std::vector<std::string>& environment) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  // A group of its own, so that ending it reaches whatever it started too;
  // no blocked or ignored signals, whatever this program was started with,
  // so that ending it works.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  StartWithDefaultSignals(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envp = EnvironmentWith(environment);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, &attributes, PointersTo(argv).data(),
                                 PointersTo(envp).data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(pipeEnds[1]);
  if (failed) {
    close(pipeEnds[0]);
    return std::nullopt;
  }

  // A helper thread collects the output and the end of the program, then
  // wakes the loop with an empty message.
  ProgramOutcome outcome;
  std::atomic<bool> finished = false;
  std::thread collector([&, readEnd = pipeEnds[0]] {
    char buffer[4096];
    for (;;) {
      const ssize_t n = read(readEnd, buffer, sizeof buffer);
      if (n > 0) {
        outcome.output.append(buffer, std::size_t(n));
      } else if (n == 0 || errno != EINTR) {
        break;
      }
    }
    close(readEnd);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.exitCode = ExitCodeOf(status);
    finished = true;
    PostMessage(nullptr, WM_NULL, 0, 0);
  });
  const bool answered = RunModalUntil([&] { return finished.load(); });
  if (!answered) EndGroup(pid, finished);
  collector.join();
  outcome.interrupted = !answered;
  return outcome;
}

}  // namespace qb
