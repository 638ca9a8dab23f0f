// The lock that lets one session agent at a time work for a user: the file
// ".quillbrook-agent.lock" in the user's spool folder, held (flock) by the
// agent for as long as it runs. A second agent of the same user, in another
// session, waits for it and takes over when the first one ends.
#pragma once

#include <string>

namespace qb {

class AgentLock {
 public:
  // Opens the lock file of the spool folder (ending in "/"), creating it
  // private; raises EPrintError when it cannot.
  explicit AgentLock(const std::u16string& spoolFolder);
  ~AgentLock();
  AgentLock(const AgentLock&) = delete;
  AgentLock& operator=(const AgentLock&) = delete;

  // True when this object now holds the lock; false while another holds it.
  bool TryTake();

  // Waits until this object holds the lock (true), or until `stopFd` (a
  // signalfd) becomes readable first (false; the signal is left unread).
  // After false the process is to end: a helper thread still waits for
  // the lock.
  bool TakeUnless(int stopFd);

  // Whether an agent works for the spool folder right now.
  static bool IsHeld(const std::u16string& spoolFolder);

 private:
  int fd_ = -1;
};

}  // namespace qb
