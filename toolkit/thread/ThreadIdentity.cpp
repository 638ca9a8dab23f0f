#include "toolkit/thread/ThreadIdentity.h"

#include <unistd.h>

namespace qb {

bool ThreadIdentity::IsCurrent() const {
  if (bound_.load()) return id_.load() == std::this_thread::get_id();
  // The initial thread of a Linux process has the process's id.
  return gettid() == getpid();
}

}  // namespace qb
