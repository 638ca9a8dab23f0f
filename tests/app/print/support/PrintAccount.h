// A login account for the printer tests to print as and to run the session
// agent as. Run as root, the tests make a throwaway account (useradd),
// removed again at the end; otherwise they use the test's own account,
// which must then be a login account.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <string>

namespace qb::test {

class PrintAccount {
 public:
  // `suffix` tells apart the accounts one test makes.
  explicit PrintAccount(const std::string& suffix = "");
  ~PrintAccount();
  PrintAccount(const PrintAccount&) = delete;
  PrintAccount& operator=(const PrintAccount&) = delete;

  // Empty when the account can be used; otherwise why not. Under root an
  // account can always be made, so a problem is a failure there and a
  // reason to skip only for a test that runs as another account.
  const std::string& Problem() const { return problem_; }
  const std::string& Name() const { return name_; }
  uid_t Uid() const { return uid_; }
  gid_t Gid() const { return gid_; }
  // Whether the test runs as root and the account is another.
  bool Other() const { return created_; }

 private:
  std::string problem_;
  std::string name_;
  uid_t uid_ = 0;
  gid_t gid_ = 0;
  bool created_ = false;
};

}  // namespace qb::test

// Ends the test when the account cannot be had: a failure under root, a
// skip otherwise.
#define QB_NEED_ACCOUNT(account)                                           \
  do {                                                                     \
    if (!(account).Problem().empty()) {                                    \
      if (geteuid() == 0) FAIL() << (account).Problem();                   \
      GTEST_SKIP() << (account).Problem();                                 \
    }                                                                      \
  } while (false)
