// The name of the user the program runs as.
#pragma once

#include <optional>
#include <string>

#include "platform/WinTypes.h"

// Copies the effective user's login name and its terminating NUL into
// buffer, which holds *size characters, and sets *size to the number of
// characters copied, NUL included. When the name does not fit, or there is
// none, returns FALSE; *size then holds the length needed (0 when there is
// no name).
BOOL GetUserName(char16_t* buffer, DWORD* size);

namespace qb {

// While it lives, GetUserName reports this name instead of the system's (an
// empty optional: that there is no name). For tests; not thread-safe.
class UserNameOverride {
 public:
  explicit UserNameOverride(std::optional<std::u16string> name);
  ~UserNameOverride();
  UserNameOverride(const UserNameOverride&) = delete;
  UserNameOverride& operator=(const UserNameOverride&) = delete;

 private:
  std::optional<std::optional<std::u16string>> previous_;
};

}  // namespace qb
