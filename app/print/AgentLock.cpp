#include "app/print/AgentLock.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <thread>

#include "app/print/EPrintError.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr char16_t kLockName[] = u".quillbrook-agent.lock";

}  // namespace

AgentLock::AgentLock(const std::u16string& spoolFolder) {
  const std::string path = ToUtf8(spoolFolder + kLockName);
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) throw EPrintError("Cannot open the agent's lock " + path + ": " + std::strerror(errno));
}

AgentLock::~AgentLock() { close(fd_); }

bool AgentLock::TryTake() { return flock(fd_, LOCK_EX | LOCK_NB) == 0; }

bool AgentLock::TakeUnless(int stopFd) {
  if (TryTake()) return true;
  // flock has no time-out and no descriptor to wait on: a helper thread
  // waits in it and says when it has the lock. When the stop comes first,
  // the helper is left waiting; it ends with the process.
  const int taken = eventfd(0, EFD_CLOEXEC);
  if (taken < 0) throw EPrintError(std::string("Cannot wait for the agent's lock: ") + std::strerror(errno));
  std::thread([fd = fd_, taken] {
    while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    const std::uint64_t one = 1;
    (void)!write(taken, &one, sizeof one);
  }).detach();
  pollfd fds[2] = {{taken, POLLIN, 0}, {stopFd, POLLIN, 0}};
  while (poll(fds, 2, -1) < 0 && errno == EINTR) {
  }
  // The helper may still write to it when the stop came first.
  if (fds[0].revents == 0) return false;
  close(taken);
  return true;
}

bool AgentLock::IsHeld(const std::u16string& spoolFolder) {
  const std::string path = ToUtf8(spoolFolder + kLockName);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd);
  return held;
}

}  // namespace qb
