// The account a CUPS job is printed for, and becoming it.
//
// CUPS runs the backend as root (or as its own user) and names the user
// who printed. Only a real login account receives jobs: root, the system
// accounts below the login range and accounts above it never do, so that
// no job of theirs is written as root or into a folder nobody reads.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace qb {

// The UIDs of login accounts, from UID_MIN and UID_MAX of login.defs(5).
struct LoginUidRange {
  uid_t first = 1000;
  uid_t last = 60000;
};

// Reads UID_MIN and UID_MAX from `file`; a missing file or value keeps the
// shadow suite's defaults (1000, 60000).
LoginUidRange ReadLoginUidRange(const std::string& file = "/etc/login.defs");

struct PrintingUser {
  std::string name;
  uid_t uid = 0;
  gid_t gid = 0;
};

// The login account named `name`. Raises EPrintRefused naming the reason
// for root, an account outside `range` and a name the system does not know.
PrintingUser FindPrintingUser(std::string_view name, const LoginUidRange& range);

// Makes the process `user` for good: its groups, then its group and user
// IDs, checked afterwards, including that root cannot be taken back. Needs
// root. Raises EPrintError when any step fails.
void BecomeUser(const PrintingUser& user);

}  // namespace qb
