#include "tests/app/print/support/PrintAccount.h"

#include <pwd.h>
#include <unistd.h>

#include <thread>

#include "app/print/PrintingUser.h"
#include "tests/app/print/support/ChildProgram.h"

namespace qb::test {

PrintAccount::PrintAccount(const std::string& suffix) {
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
  name_ = "qbtest" + std::to_string(getpid() % 100000) + suffix;
  // Tests that run at the same time make accounts at the same time, and
  // useradd gives up at once while another holds the account files' lock.
  Ran added;
  for (int attempt = 0; attempt < 50; ++attempt) {
    added = RunProgram(ChildOptions({"/usr/sbin/useradd", "--no-create-home", "--shell", "/usr/sbin/nologin",
                                     "--comment", "Quillbrook printer test", name_}));
    if (added.status == 0 || added.output.find("lock") == std::string::npos) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
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
  if (!created_) return;
  for (int attempt = 0; attempt < 50; ++attempt) {
    const Ran removed = RunProgram(ChildOptions({"/usr/sbin/userdel", name_}));
    if (removed.status == 0 || removed.output.find("lock") == std::string::npos) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

}  // namespace qb::test
