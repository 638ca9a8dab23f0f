// The signals a print system cancels a job with (SIGINT, SIGTERM, SIGHUP),
// often while the job is still coming in. Taken as events on a descriptor
// instead, they let a command remove what it has written before it ends.
#pragma once

namespace qb {

class CancelSignals {
 public:
  // Blocks the signals and opens a signalfd for them; when that cannot be
  // opened, they stay as they were and Fd() is -1.
  CancelSignals();
  ~CancelSignals();
  CancelSignals(const CancelSignals&) = delete;
  CancelSignals& operator=(const CancelSignals&) = delete;

  // Readable once a cancel signal has come (JobSpooler::SetCancelFd).
  int Fd() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace qb
