#include "app/print/PrintingUser.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <vector>

#include "app/print/EPrintError.h"

namespace qb {
namespace {

// The number after `key` on a line "KEY VALUE" (blanks or tabs between),
// when the line is that.
bool ReadSetting(std::string_view line, std::string_view key, uid_t& value) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  line.remove_prefix(start);
  if (!line.starts_with(key) || line.size() == key.size() || (line[key.size()] != ' ' && line[key.size()] != '\t')) {
    return false;
  }
  line.remove_prefix(key.size());
  line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
  uid_t parsed = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), parsed);
  if (error != std::errc() || end == line.data()) return false;
  value = parsed;
  return true;
}

[[noreturn]] void Fail(const std::string& what) { throw EPrintError(what + ": " + std::strerror(errno)); }

}  // namespace

LoginUidRange ReadLoginUidRange(const std::string& file) {
  LoginUidRange range;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    ReadSetting(line, "UID_MIN", range.first) || ReadSetting(line, "UID_MAX", range.last);
  }
  return range;
}

PrintingUser FindPrintingUser(std::string_view name, const LoginUidRange& range) {
  const std::string quoted = "\"" + std::string(name) + "\"";
  std::vector<char> scratch(16384);
  passwd entry{};
  passwd* found = nullptr;
  const std::string key(name);
  if (name.empty() || getpwnam_r(key.c_str(), &entry, scratch.data(), scratch.size(), &found) != 0 || !found) {
    throw EPrintRefused("The job is for " + quoted + ", an account this system does not know; it is not printed");
  }
  if (found->pw_uid == 0) {
    throw EPrintRefused("The job is for " + quoted +
                        ", the administrator's account; Quillbrook prints for login accounts only");
  }
  if (found->pw_uid < range.first || found->pw_uid > range.last) {
    throw EPrintRefused("The job is for " + quoted + " (UID " + std::to_string(found->pw_uid) +
                        "), which is no login account (UIDs " + std::to_string(range.first) + " to " +
                        std::to_string(range.last) + "); Quillbrook prints for login accounts only");
  }
  return {found->pw_name, found->pw_uid, found->pw_gid};
}

void BecomeUser(const PrintingUser& user) {
  if (initgroups(user.name.c_str(), user.gid) != 0) Fail("Cannot take the groups of " + user.name);
  if (setgid(user.gid) != 0) Fail("Cannot take the group of " + user.name);
  if (setuid(user.uid) != 0) Fail("Cannot become " + user.name);
  if (getuid() != user.uid || geteuid() != user.uid || getgid() != user.gid || getegid() != user.gid ||
      setuid(0) == 0) {
    throw EPrintError("Could not give up the administrator's rights to print as " + user.name);
  }
}

}  // namespace qb
