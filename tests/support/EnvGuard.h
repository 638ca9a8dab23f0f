// Sets or clears environment variables for the life of the object and puts
// the old values back afterwards.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qb::test {

class EnvGuard {
 public:
  EnvGuard() = default;
  ~EnvGuard();
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

  void Set(const std::string& name, const std::string& value);
  void Unset(const std::string& name);

 private:
  void Remember(const std::string& name);
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace qb::test
