#include "platform/process/SpawnSignals.h"

#include <signal.h>

namespace qb {

void StartWithDefaultSignals(posix_spawnattr_t* attributes, short flags) {
  sigset_t none;
  sigemptyset(&none);
  sigset_t all;
  sigfillset(&all);
  sigdelset(&all, SIGKILL);
  sigdelset(&all, SIGSTOP);
  posix_spawnattr_setsigmask(attributes, &none);
  posix_spawnattr_setsigdefault(attributes, &all);
  posix_spawnattr_setflags(attributes, short(flags | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF));
}

}  // namespace qb
