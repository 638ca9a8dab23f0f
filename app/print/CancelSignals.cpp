#include "app/print/CancelSignals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <initializer_list>

namespace qb {

CancelSignals::CancelSignals() {
  sigset_t cancel;
  sigemptyset(&cancel);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&cancel, signal);
  sigprocmask(SIG_BLOCK, &cancel, nullptr);
  fd_ = signalfd(-1, &cancel, SFD_CLOEXEC);
  if (fd_ < 0) sigprocmask(SIG_UNBLOCK, &cancel, nullptr);
}

CancelSignals::~CancelSignals() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace qb
