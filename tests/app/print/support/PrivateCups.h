// A CUPS scheduler of the test's own: cupsd with its configuration, its
// socket, spool, state and logs in one folder, run as the test runs it.
// Under root its filters run as "lp", as under a system's cupsd; under
// another account everything runs as that account. Its backend folder
// holds links to CUPS's own backends and filters' folders beside ours.
// Stopped with the object.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/print/support/ChildProgram.h"

namespace qb::test {

// Empty when cupsd is installed, else a message for the skip.
std::string CupsMissing();

class PrivateCups {
 public:
  // `backend` becomes the backend "quillbrook"; the backends see
  // PROGRAMDATA=`programData`. The queue's policy "authenticated" is that
  // of Debian's configuration: job operations need the user's identity.
  PrivateCups(const std::filesystem::path& folder, const std::filesystem::path& backend,
              const std::filesystem::path& programData);
  ~PrivateCups();
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  // Empty when the scheduler runs; otherwise what went wrong.
  const std::string& Problem() const { return problem_; }
  // The environment that points CUPS's commands at this scheduler.
  std::vector<std::string> ClientEnvironment(const std::vector<std::string>& changes = {}) const;
  // Runs a CUPS command ("lp", "lpadmin", …, or a path) against it, as
  // `uid` when given.
  Ran Command(std::vector<std::string> arguments, std::optional<uid_t> uid = std::nullopt,
              const std::filesystem::path& input = "/dev/null") const;
  std::string ErrorLog() const;
  // Waits until the job has ended: "completed", "canceled", "aborted" or
  // "stopped" (the queue stopped), or "" at the deadline.
  std::string JobEnd(int job) const;

 private:
  std::filesystem::path folder_;
  std::string problem_;
  std::unique_ptr<ChildProgram> daemon_;
};

// The number in lp's "request id is QUEUE-N (…)", or -1.
int JobNumber(const std::string& lpOutput);

}  // namespace qb::test
