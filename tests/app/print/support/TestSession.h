// A graphical session of the test's own for an account: a private Xvfb, a
// session bus run as the account (with no desktop portal on it), a runtime
// folder and a home with a Desktop, and a stand-in for zenity first on
// PATH that logs the file the save dialog suggests and accepts it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/app/print/support/ChildProgram.h"
#include "tests/app/print/support/PrintAccount.h"

namespace qb::test {

class TestSession {
 public:
  TestSession(const std::filesystem::path& folder, const PrintAccount& account);
  ~TestSession();
  TestSession(const TestSession&) = delete;
  TestSession& operator=(const TestSession&) = delete;

  // Empty when the session is up; otherwise what is missing.
  const std::string& Problem() const { return problem_; }
  // The test's environment as a session's, with `changes` on top.
  std::vector<std::string> SessionEnvironment(const std::vector<std::string>& changes = {}) const;
  std::filesystem::path Home() const { return folder_ / "home"; }
  std::filesystem::path Desktop() const { return Home() / "Desktop"; }
  // The files the save dialog suggested, in order.
  std::vector<std::string> Suggested() const;

 private:
  std::filesystem::path folder_;
  std::string problem_;
  std::string display_;
  std::unique_ptr<ChildProgram> server_;
  std::unique_ptr<ChildProgram> bus_;
};

}  // namespace qb::test
