#include "tests/app/print/support/TestSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>

namespace qb::test {
namespace fs = std::filesystem;
namespace {

constexpr char kFakeZenity[] = R"(#!/bin/sh
for argument; do
  case $argument in --filename=*) file=${argument#--filename=} ;; esac
done
printf '%s\n' "$file" >>"$HOME/suggested.txt"
printf '%s\n' "$file"
)";

constexpr char kBusConfiguration[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=@SOCKET@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

void Own(const fs::path& path, const PrintAccount& account) {
  if (geteuid() == 0 && chown(path.c_str(), account.Uid(), account.Gid()) != 0) {
    throw std::runtime_error("cannot hand " + path.string() + " to " + account.Name());
  }
}

}  // namespace

TestSession::TestSession(const fs::path& folder, const PrintAccount& account) : folder_(folder) {
  for (const fs::path& sub : {folder / "bin", Desktop(), folder / "runtime"}) fs::create_directories(sub);
  std::ofstream(folder / "bin/zenity") << kFakeZenity;
  fs::permissions(folder / "bin/zenity", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(folder / "runtime", fs::perms::owner_all);
  for (const fs::path& owned : {Home(), Desktop(), folder / "runtime"}) Own(owned, account);
  std::string configuration = kBusConfiguration;
  configuration.replace(configuration.find("@SOCKET@"), 8, (folder / "runtime/bus").string());
  std::ofstream(folder / "bus.conf") << configuration;

  // Xvfb takes the first free display and writes its number to descriptor 3.
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    problem_ = "no pipe for Xvfb";
    return;
  }
  ChildOptions server(
      {"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "1280x800x24", "-nolisten", "tcp", "-noreset"});
  server.descriptor3 = ends[1];
  server.output = folder / "xvfb.txt";
  server_ = std::make_unique<ChildProgram>(server);
  close(ends[1]);
  std::string number;
  pollfd wait{ends[0], POLLIN, 0};
  while (number.find('\n') == std::string::npos && poll(&wait, 1, 30000) > 0) {
    char buffer[32];
    const ssize_t got = read(ends[0], buffer, sizeof buffer);
    if (got <= 0) break;
    number.append(buffer, static_cast<std::size_t>(got));
  }
  close(ends[0]);
  if (number.find('\n') == std::string::npos) {
    problem_ = "Xvfb did not start (package xvfb)";
    return;
  }
  display_ = ":" + number.substr(0, number.find('\n'));

  const fs::path socket = folder / "runtime/bus";
  ChildOptions bus({"/usr/bin/dbus-daemon", "--nofork", "--config-file=" + (folder / "bus.conf").string()});
  bus.uid = geteuid() == 0 ? std::optional<uid_t>(account.Uid()) : std::nullopt;
  bus.output = folder / "bus.txt";
  bus_ = std::make_unique<ChildProgram>(bus);
  if (!WaitFor([&] { return fs::exists(socket) || bus_->Wait(std::chrono::milliseconds(0)); },
               std::chrono::seconds(30)) ||
      !fs::exists(socket)) {
    problem_ = "dbus-daemon did not start (package dbus-daemon): " +
               std::string(std::istreambuf_iterator<char>(std::ifstream(folder / "bus.txt").rdbuf()), {});
  }
}

TestSession::~TestSession() {
  for (auto* child : {bus_.get(), server_.get()}) {
    if (!child) continue;
    child->Signal(SIGTERM);
    child->Wait(std::chrono::seconds(30));
  }
}

std::vector<std::string> TestSession::SessionEnvironment(const std::vector<std::string>& changes) const {
  std::vector<std::string> session{"DISPLAY=" + display_,
                                   "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (folder_ / "runtime/bus").string(),
                                   "XDG_RUNTIME_DIR=" + (folder_ / "runtime").string(),
                                   "HOME=" + Home().string(),
                                   "PATH=" + (folder_ / "bin").string() + ":/usr/bin:/bin",
                                   "XAUTHORITY",
                                   "WAYLAND_DISPLAY",
                                   "XDG_CONFIG_HOME",
                                   "XDG_CACHE_HOME",
                                   "APPDATA",
                                   "PROGRAMDATA",
                                   "QUILLBROOK_BACKEND",
                                   "QUILLBROOK_SCRIPT",
                                   "QUILLBROOK_EVENTS",
                                   "CUPS_SERVER"};
  session.insert(session.end(), changes.begin(), changes.end());
  return Environment(session);
}

std::vector<std::string> TestSession::Suggested() const {
  std::vector<std::string> files;
  std::ifstream in(Home() / "suggested.txt");
  for (std::string line; std::getline(in, line);) files.push_back(line);
  return files;
}

}  // namespace qb::test
