#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <map>
#include <optional>

#include "platform/shell/KnownFolders.h"
#include "platform/text/Utf.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// "~" in an expected folder stands for $HOME, "@" for the temporary folder.
std::string Expand(std::string text, const std::string& home, const std::string& temp) {
  for (std::size_t at; (at = text.find('~')) != std::string::npos;) text.replace(at, 1, home);
  for (std::size_t at; (at = text.find('@')) != std::string::npos;) text.replace(at, 1, temp);
  return text;
}

TEST(SpecialFolders, FollowTheVariablesAndTheDesktopEntry) {
  struct Case {
    const char* why;
    std::map<std::string, std::optional<std::string>> env;
    std::string userDirs;  // written to ~/.config/user-dirs.dirs when not empty
    int csidl;
    std::string expected;
  };
  const std::optional<std::string> unset;
  const Case cases[] = {
      {"APPDATA wins", {{"APPDATA", "/w/AppData/"}, {"XDG_CONFIG_HOME", "/x"}}, "", CSIDL_APPDATA, "/w/AppData"},
      {"empty APPDATA", {{"APPDATA", ""}, {"XDG_CONFIG_HOME", "/x/cfg"}}, "", CSIDL_APPDATA, "/x/cfg"},
      {"config default", {{"APPDATA", unset}, {"XDG_CONFIG_HOME", unset}}, "", CSIDL_APPDATA, "~/.config"},
      {"relative config", {{"APPDATA", unset}, {"XDG_CONFIG_HOME", "cfg"}}, "", CSIDL_APPDATA, "~/.config"},
      {"PROGRAMDATA", {{"PROGRAMDATA", "/srv/data"}}, "", CSIDL_COMMON_APPDATA, "/srv/data"},
      {"empty PROGRAMDATA", {{"PROGRAMDATA", ""}}, "", CSIDL_COMMON_APPDATA, "/var/lib"},
      {"no user-dirs", {{"XDG_CONFIG_HOME", unset}}, "", CSIDL_DESKTOPDIRECTORY, "~/Desktop"},
      {"home-relative desktop",
       {{"XDG_CONFIG_HOME", unset}},
       "# written by "
       "xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n",
       CSIDL_DESKTOPDIRECTORY,
       "~/Schreibtisch"},
      {"absolute desktop with escapes",
       {{"XDG_CONFIG_HOME", unset}},
       "XDG_DESKTOP_DIR=\"/data/Mein \\\"Tisch\\\"/\"\n",
       CSIDL_DESKTOPDIRECTORY,
       "/data/Mein \"Tisch\""},
      {"last entry wins, relative ignored",
       {{"XDG_CONFIG_HOME", unset}},
       "XDG_DESKTOP_DIR=\"$HOME/Alt\"\nXDG_DESKTOP_DIR=\"$HOME/Neu\"\nXDG_DESKTOP_DIR=\"Desktop\"\n",
       CSIDL_DESKTOPDIRECTORY,
       "~/Neu"},
      {"user-dirs below XDG_CONFIG_HOME",
       {{"XDG_CONFIG_HOME", "@/cfg"}},
       "XDG_DESKTOP_DIR=\"$HOME/Falsch\"\n",
       CSIDL_DESKTOPDIRECTORY,
       "~/Desktop"},
      {"profile", {{"HOME", "~/"}}, "", CSIDL_PROFILE, "~"},
      {"unknown identifier", {}, "", 5, ""},
  };
  for (const Case& c : cases) {
    test::TempDir temp;
    const std::string home = (temp.Path() / "home dir").string();
    test::EnvGuard env;
    env.Set("HOME", home);
    for (const auto& [name, value] : c.env) {
      if (value) {
        env.Set(name, Expand(*value, home, temp.Path().string()));
      } else {
        env.Unset(name);
      }
    }
    if (!c.userDirs.empty()) temp.Write("home dir/.config/user-dirs.dirs", c.userDirs);

    EXPECT_EQ(SHGetSpecialFolderPath(c.csidl), ToUtf16(Expand(c.expected, home, temp.Path().string()))) << c.why;
    EXPECT_EQ(fs::exists(home), !c.userDirs.empty()) << c.why << ": the lookup created a folder";
  }
}

TEST(SpecialFolders, WithoutHomeTheUserDatabaseGivesIt) {
  const passwd* entry = getpwuid(geteuid());
  ASSERT_NE(entry, nullptr);
  test::EnvGuard env;
  env.Unset("HOME");
  env.Unset("APPDATA");
  env.Unset("XDG_CONFIG_HOME");
  const std::string home = std::string(entry->pw_dir) == "/" ? "" : entry->pw_dir;
  EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_APPDATA), ToUtf16(home + "/.config"));
}

}  // namespace
}  // namespace qb
