// Child processes started from a Windows-style command line, and waiting
// for them.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string_view>

#include "platform/WinTypes.h"

constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0x00000000;
constexpr DWORD WAIT_TIMEOUT = 0x00000102;
constexpr DWORD STILL_ACTIVE = 0x00000103;

namespace qb {

// A started child. The exit code is the one the child passed to exit; a
// child ended by a signal gets 128 + the signal's number, so it never reads
// as success; one whose status was taken by some other part of the program
// reports 0xFFFFFFFF. Destroying the object does not end the child: a child still
// running is then reaped in the background when it ends, so no zombie is
// left behind.
class Process {
 public:
  explicit Process(pid_t pid) : pid_(pid) {}
  ~Process();
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  pid_t Id() const { return pid_; }
  // True once the child has ended, waiting at most `milliseconds`
  // (INFINITE: as long as it takes; 0: just a look).
  bool Wait(DWORD milliseconds);
  // Nothing while the child runs.
  std::optional<DWORD> ExitCode();

 private:
  void Release();
  pid_t pid_ = -1;
  std::optional<DWORD> exitCode_;
};

}  // namespace qb

// Starts the program of the command line (platform/process/CommandLine.h
// gives the rules) with the arguments it holds, the program's environment
// and working folder, standard input and output on /dev/null, no inherited
// descriptors, in a session of its own. Nothing when it cannot be started.
// Logs "process-start" (cmdline, started) and, once the child's end is seen,
// "process-exit" (code).
std::optional<qb::Process> CreateProcess(std::u16string_view commandLine);

// WAIT_OBJECT_0 once the process has ended, WAIT_TIMEOUT when it still runs
// after `milliseconds`.
DWORD WaitForSingleObject(qb::Process& process, DWORD milliseconds);

// The exit code, or STILL_ACTIVE while the process runs. Always TRUE.
BOOL GetExitCodeProcess(qb::Process& process, DWORD* exitCode);
