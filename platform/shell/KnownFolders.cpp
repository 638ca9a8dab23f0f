#include "platform/shell/KnownFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "platform/text/Utf.h"

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Variable("HOME");
  if (!home.empty()) return home;
  std::vector<char> scratch(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, scratch.data(), scratch.size(), &found) == 0 && found && found->pw_dir) {
    home = found->pw_dir;
  }
  return home;
}

std::string Below(const std::string& folder, const char* name) { return folder.empty() ? "" : folder + name; }

std::string ConfigFolder() {
  const std::string configured = Variable("XDG_CONFIG_HOME");
  if (!configured.empty() && configured.front() == '/') return configured;
  return Below(HomeFolder(), "/.config");
}

// The value of XDG_DESKTOP_DIR in a user-dirs.dirs file, which is written as
// shell assignments: XDG_DESKTOP_DIR="$HOME/Desktop". The last assignment
// wins, as it would when the shell reads the file.
std::optional<std::string> DesktopFromUserDirs(const std::string& file) {
  static constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
  std::ifstream in(file);
  std::optional<std::string> desktop;
  for (std::string line; std::getline(in, line);) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) continue;
    std::string value;
    std::size_t i = start + kKey.size();
    const bool quoted = i < line.size() && line[i] == '"';
    for (i += quoted; i < line.size(); ++i) {
      if (quoted && line[i] == '"') break;
      if (!quoted && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) break;
      if (line[i] == '\\' && i + 1 < line.size()) ++i;
      value += line[i];
    }
    if (value == "$HOME" || value.starts_with("$HOME/")) {
      const std::string home = HomeFolder();
      if (home.empty()) continue;
      value = home + value.substr(5);
    }
    if (value.starts_with("/")) desktop = value;
  }
  return desktop;
}

std::string Lookup(int csidl) {
  switch (csidl) {
    case CSIDL_APPDATA: {
      const std::string appData = Variable("APPDATA");
      return appData.empty() ? ConfigFolder() : appData;
    }
    case CSIDL_COMMON_APPDATA: {
      const std::string programData = Variable("PROGRAMDATA");
      return programData.empty() ? "/var/lib" : programData;
    }
    case CSIDL_DESKTOPDIRECTORY: {
      const std::string config = ConfigFolder();
      if (!config.empty()) {
        if (auto desktop = DesktopFromUserDirs(config + "/user-dirs.dirs")) return *desktop;
      }
      return Below(HomeFolder(), "/Desktop");
    }
    case CSIDL_PROFILE:
      return HomeFolder();
    default:
      return "";
  }
}

}  // namespace

std::u16string SHGetSpecialFolderPath(int csidl) {
  std::string folder = Lookup(csidl);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return qb::ToUtf16(folder);
}
