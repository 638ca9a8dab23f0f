#include "tests/app/print/support/ChildProgram.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace qb::test {

std::vector<std::string> Environment(const std::vector<std::string>& changes) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
  for (const std::string& change : changes) {
    const std::string name = change.substr(0, change.find('='));
    std::erase_if(environment, [&](const std::string& entry) { return entry.substr(0, entry.find('=')) == name; });
    if (change.find('=') != std::string::npos) environment.push_back(change);
  }
  return environment;
}

ChildProgram::ChildProgram(const ChildOptions& options) {
  std::vector<std::string> arguments = options.arguments;
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  std::vector<std::string> environment = options.environment;
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  const int input = open(options.input.c_str(), O_RDONLY | O_CLOEXEC);
  const int output = options.outputDescriptor >= 0 ? fcntl(options.outputDescriptor, F_DUPFD_CLOEXEC, 0)
                     : options.output.empty()
                         ? open("/dev/null", O_WRONLY | O_CLOEXEC)
                         : open(options.output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  // Only async-signal-safe calls are made between fork and exec, so the
  // account's groups are looked up before.
  gid_t gid = 0;
  std::vector<gid_t> groups(256);
  int groupCount = -1;
  if (options.uid) {
    if (const passwd* account = getpwuid(*options.uid)) {
      gid = account->pw_gid;
      groupCount = static_cast<int>(groups.size());
      if (getgrouplist(account->pw_name, gid, groups.data(), &groupCount) < 0) groupCount = -1;
    }
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(input, 0);
    dup2(output, 1);
    dup2(output, 2);
    if (options.descriptor3 >= 0) dup2(options.descriptor3, 3);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    setpgid(0, 0);
    if (options.uid && (groupCount < 0 || setgroups(static_cast<std::size_t>(groupCount), groups.data()) != 0 ||
                        setgid(gid) != 0 || setuid(*options.uid) != 0)) {
      _exit(126);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(input);
  close(output);
}

ChildProgram::~ChildProgram() {
  if (pid_ <= 0 || status_) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

void ChildProgram::Signal(int signal) const {
  if (pid_ > 0 && !status_) kill(pid_, signal);
}

std::optional<int> ChildProgram::Wait(std::chrono::milliseconds limit) {
  if (status_ || pid_ <= 0) return status_;
  WaitFor(
      [&] {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return true;
      },
      limit);
  return status_;
}

Ran RunProgram(ChildOptions options) {
  char name[] = "/tmp/qb-child-output-XXXXXX";
  const int fd = mkstemp(name);
  close(fd);
  options.output = name;
  Ran ran;
  {
    ChildProgram child(options);
    ran.status = child.Wait(std::chrono::minutes(2)).value_or(-1);
  }
  std::ifstream in(name);
  std::stringstream text;
  text << in.rdbuf();
  ran.output = text.str();
  unlink(name);
  return ran;
}

}  // namespace qb::test
