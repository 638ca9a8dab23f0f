// A session bus of the test's own: dbus-daemon with a configuration that
// listens on the socket "bus" in a given folder, where a session's runtime
// folder has it, and starts no services; ended with the object.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace qb::test {

class PrivateBus {
 public:
  explicit PrivateBus(const std::filesystem::path& folder);
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  // Empty when the daemon could not be started.
  const std::string& Address() const { return address_; }

 private:
  pid_t pid_ = -1;
  std::string address_;
};

}  // namespace qb::test
