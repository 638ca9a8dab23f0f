#include "tests/app/print/support/PrintAccount.h"

#include <pwd.h>
#include <unistd.h>

#include "app/print/PrintingUser.h"
#include "tests/app/print/support/ChildProgram.h"

namespace qb::test {

PrintAccount::PrintAccount() {
  const LoginUidRange range = ReadLoginUidRange();
  if (geteuid() != 0) {
    const passwd* own = getpwuid(geteuid());
    if (!own || own->pw_uid < range.first || own->pw_uid > range.last) {
      problem_ = "the test's account is no login account";
      return;
    }
    name_ = own->pw_name;
    uid_ = own->pw_uid;
    gid_ = own->pw_gid;
    return;
  }
  name_ = "qbtest" + std::to_string(getpid() % 100000);
  const Ran added = RunProgram(ChildOptions({"/usr/sbin/useradd", "--no-create-home", "--shell", "/usr/sbin/nologin",
                                                     "--comment", "Quillbrook printer test", name_}));
  const passwd* account = getpwnam(name_.c_str());
  if (added.status != 0 || !account) {
    problem_ = "useradd failed: " + added.output;
    return;
  }
  created_ = true;
  uid_ = account->pw_uid;
  gid_ = account->pw_gid;
}

PrintAccount::~PrintAccount() {
  if (created_) RunProgram(ChildOptions({"/usr/sbin/userdel", name_}));
}

}  // namespace qb::test
