// The folder watcher's errors. Messages are UTF-8.
#pragma once

#include <stdexcept>

namespace qb {

// A check of the watcher's own failed: a missing folder, too many entries,
// a setting changed while active.
class EWatchException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system refused a change notification; the message is the system's
// text for the error, a line break and the folder.
class EChangeNotifyException : public EWatchException {
 public:
  using EWatchException::EWatchException;
};

}  // namespace qb
