#include "app/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/events/EventLog.h"
#include "platform/window/MessageApi.h"

namespace qb {
namespace {

// A signal handler reaches nothing but globals; lock-free atomics and
// write are safe to use there.
std::atomic<int> takenSignal{0};
std::atomic<int> wakeWrite{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void OnTermination(int signal) {
  int none = 0;
  if (!takenSignal.compare_exchange_strong(none, signal)) return;
  const int saved = errno;
  const unsigned char byte = 1;
  const ssize_t ignored = write(wakeWrite.load(), &byte, 1);
  (void)ignored;
  errno = saved;
}

const char16_t* NameOf(int signal) {
  switch (signal) {
    case SIGTERM: return u"SIGTERM";
    case SIGINT: return u"SIGINT";
    case SIGHUP: return u"SIGHUP";
  }
  return u"";
}

}  // namespace

TerminationSignals::TerminationSignals()
    : installed_{{SIGTERM, false, {}}, {SIGINT, false, {}}, {SIGHUP, false, {}}} {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return;
  wakeRead_ = ends[0];
  wakeWrite.store(ends[1]);
  // The handler only notes the signal; a thread of ours turns it into the
  // quit request, which a handler could not make safely.
  listener_ = std::thread([read = wakeRead_] {
    unsigned char byte = 0;
    ssize_t n;
    do {
      n = ::read(read, &byte, 1);
    } while (n < 0 && errno == EINTR);
    if (n != 1 || byte != 1) return;
    events::Log("signal", {{"name", std::u16string(NameOf(Taken()))}});
    PostQuitMessage(0);
  });
  for (Installed& entry : installed_) {
    sigaction(entry.signal, nullptr, &entry.previous);
    if (entry.previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(entry.signal, &action, nullptr);
    entry.ours = true;
  }
}

TerminationSignals::~TerminationSignals() { Restore(); }

void TerminationSignals::Restore() {
  for (Installed& entry : installed_) {
    if (entry.ours) sigaction(entry.signal, &entry.previous, nullptr);
    entry.ours = false;
  }
  if (!listener_.joinable()) return;
  // The listener is either done or still waiting for its first byte; a 0
  // sends it home.
  const int write = wakeWrite.exchange(-1);
  const unsigned char stop = 0;
  const ssize_t ignored = ::write(write, &stop, 1);
  (void)ignored;
  listener_.join();
  close(write);
  close(wakeRead_);
}

int TerminationSignals::Taken() { return takenSignal.load(); }

void TerminationSignals::EndAsSignalled() {
  const int signal = Taken();
  if (signal == 0) return;
  Restore();
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigaction(signal, &standard, nullptr);
  raise(signal);
}

}  // namespace qb
