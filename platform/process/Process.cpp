#include "platform/process/Process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/Check.h"
#include "platform/events/EventLog.h"
#include "platform/process/CommandLine.h"
#include "platform/process/ExecutableSearch.h"
#include "platform/process/SpawnSignals.h"
#include "platform/text/Utf.h"

namespace {

// The code reported when the child's end was seen but its status was not,
// as when something else in the program reaped it.
constexpr DWORD kUnknownExitCode = 0xFFFFFFFF;

DWORD DecodeStatus(int status) {
  if (WIFEXITED(status)) return static_cast<DWORD>(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return 128 + static_cast<DWORD>(WTERMSIG(status));
  return kUnknownExitCode;
}

// The exit code once the child has ended; nothing while it runs.
std::optional<DWORD> Reap(pid_t pid, bool block) {
  int status = 0;
  pid_t result;
  do {
    result = waitpid(pid, &status, block ? 0 : WNOHANG);
  } while (result < 0 && errno == EINTR);
  if (result == 0) return std::nullopt;
  const DWORD code = result == pid ? DecodeStatus(status) : kUnknownExitCode;
  qb::events::Log("process-exit", {{"code", code}});
  return code;
}

// Owns one of posix_spawn's set-up objects.
template <typename T, int (*Init)(T*), int (*Destroy)(T*)>
class SpawnSetting {
 public:
  SpawnSetting() { Init(&value_); }
  ~SpawnSetting() { Destroy(&value_); }
  SpawnSetting(const SpawnSetting&) = delete;
  SpawnSetting& operator=(const SpawnSetting&) = delete;
  T* get() { return &value_; }

 private:
  T value_;
};

using SpawnActions =
    SpawnSetting<posix_spawn_file_actions_t, posix_spawn_file_actions_init, posix_spawn_file_actions_destroy>;
using SpawnAttributes = SpawnSetting<posix_spawnattr_t, posix_spawnattr_init, posix_spawnattr_destroy>;

std::optional<qb::Process> Spawn(const qb::CommandLine& command) {
  std::vector<std::string> arguments{qb::ToUtf8(command.program)};
  for (const std::u16string& argument : command.arguments) arguments.push_back(qb::ToUtf8(argument));
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(actions.get(), 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(actions.get(), 1, 2);
  posix_spawn_file_actions_addclosefrom_np(actions.get(), 3);

  SpawnAttributes attributes;
  qb::StartWithDefaultSignals(attributes.get(), POSIX_SPAWN_SETSID);

  const std::string executable = qb::ToUtf8(command.executable);
  pid_t pid = -1;
  if (posix_spawn(&pid, executable.c_str(), actions.get(), attributes.get(), argv.data(), environ) != 0) {
    return std::nullopt;
  }
  return qb::Process(pid);
}

}  // namespace

namespace qb {

Process::~Process() { Release(); }

Process::Process(Process&& other) noexcept : pid_(other.pid_), exitCode_(other.exitCode_) { other.pid_ = -1; }

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Release();
    pid_ = other.pid_;
    exitCode_ = other.exitCode_;
    other.pid_ = -1;
  }
  return *this;
}

void Process::Release() {
  if (pid_ > 0 && !exitCode_ && !Reap(pid_, false)) {
    std::thread([pid = pid_] { Reap(pid, true); }).detach();
  }
  pid_ = -1;
}

bool Process::Wait(DWORD milliseconds) {
  QB_CHECK(pid_ > 0);
  if (exitCode_) return true;
  if (milliseconds == INFINITE) {
    exitCode_ = Reap(pid_, true);
    return true;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    exitCode_ = Reap(pid_, false);
    if (exitCode_) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(deadline - now, std::chrono::milliseconds(5)));
  }
}

std::optional<DWORD> Process::ExitCode() {
  Wait(0);
  return exitCode_;
}

}  // namespace qb

std::optional<qb::Process> CreateProcess(std::u16string_view commandLine) {
  std::optional<qb::Process> process;
  if (const auto command = qb::ParseCommandLine(commandLine, qb::FindExecutable)) process = Spawn(*command);
  qb::events::Log("process-start", {{"cmdline", std::u16string(commandLine)}, {"started", process.has_value()}});
  return process;
}

DWORD WaitForSingleObject(qb::Process& process, DWORD milliseconds) {
  return process.Wait(milliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

BOOL GetExitCodeProcess(qb::Process& process, DWORD* exitCode) {
  *exitCode = process.ExitCode().value_or(STILL_ACTIVE);
  return TRUE;
}
