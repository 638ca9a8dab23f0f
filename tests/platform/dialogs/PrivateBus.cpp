#include "tests/platform/dialogs/PrivateBus.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <vector>

namespace qb::test {
namespace {

// Generous: a loaded machine may take a while to start a process.
constexpr int kStartTimeoutMs = 10000;

void WriteConfiguration(const std::filesystem::path& file, const std::filesystem::path& folder) {
  std::ofstream(file) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                         " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                         "<busconfig>\n"
                         "  <type>session</type>\n"
                         "  <listen>unix:path=" << (folder / "bus").string() << "</listen>\n"
                         "  <auth>EXTERNAL</auth>\n"
                         "  <policy context=\"default\">\n"
                         "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                         "    <allow eavesdrop=\"true\"/>\n"
                         "    <allow own=\"*\"/>\n"
                         "  </policy>\n"
                         "</busconfig>\n";
}

}  // namespace

PrivateBus::PrivateBus(const std::filesystem::path& folder) {
  const std::filesystem::path configuration = folder / "bus.conf";
  WriteConfiguration(configuration, folder);
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
  // It complains when it may not raise its file limit, which is no matter
  // for a test's few connections.
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> arguments{"dbus-daemon", "--config-file=" + configuration.string(), "--print-address",
                                     "--nofork"};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const int failed = posix_spawnp(&pid_, "dbus-daemon", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  if (failed) {
    pid_ = -1;
    close(ends[0]);
    return;
  }
  std::string line;
  pollfd wait{ends[0], POLLIN, 0};
  while (line.find('\n') == std::string::npos && poll(&wait, 1, kStartTimeoutMs) > 0) {
    char buffer[256];
    const ssize_t n = read(ends[0], buffer, sizeof buffer);
    if (n <= 0) break;
    line.append(buffer, std::size_t(n));
  }
  close(ends[0]);
  if (line.find('\n') != std::string::npos) address_ = line.substr(0, line.find('\n'));
}

PrivateBus::~PrivateBus() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

}  // namespace qb::test
