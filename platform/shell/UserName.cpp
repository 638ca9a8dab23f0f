#include "platform/shell/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "platform/text/Utf.h"

namespace {

// The name that UserNameOverride puts in place; empty when none does.
std::optional<std::optional<std::u16string>>& Override() {
  static std::optional<std::optional<std::u16string>> name;
  return name;
}

std::optional<std::u16string> SystemUserName() {
  std::vector<char> scratch(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, scratch.data(), scratch.size(), &found) != 0 || !found) return std::nullopt;
  if (!found->pw_name || !*found->pw_name) return std::nullopt;
  return qb::ToUtf16(found->pw_name);
}

}  // namespace

BOOL GetUserName(char16_t* buffer, DWORD* size) {
  const std::optional<std::u16string> name = Override() ? *Override() : SystemUserName();
  if (!name) {
    *size = 0;
    return FALSE;
  }
  const DWORD needed = static_cast<DWORD>(name->size() + 1);
  if (needed > *size) {
    *size = needed;
    return FALSE;
  }
  std::copy(name->begin(), name->end(), buffer);
  buffer[name->size()] = u'\0';
  *size = needed;
  return TRUE;
}

namespace qb {

UserNameOverride::UserNameOverride(std::optional<std::u16string> name) : previous_(Override()) {
  Override() = std::move(name);
}

UserNameOverride::~UserNameOverride() { Override() = std::move(previous_); }

}  // namespace qb
