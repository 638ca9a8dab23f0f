#include "app/SaveFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/text/Utf.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(SaveFolder, RememberedElseDesktopElseHome) {
  struct Case {
    const char* why;
    std::string remembered;  // "@" stands for the temporary folder
    bool desktop;            // whether ~/Desktop exists
    std::string expected;    // "~" stands for the home folder
  };
  const Case cases[] = {
      {"remembered, absolute, as written", "@/home/Ablage/", true, "@/home/Ablage/"},
      {"remembered, relative: below the home folder", "Ablage/", true, "~/Ablage/"},
      {"remembered, below ~", "~/Ablage", true, "~/Ablage"},
      {"nothing remembered", "", true, "~/Desktop"},
      {"the remembered folder is gone", "@/geloescht/", true, "~/Desktop"},
      {"a relative one that is not there", "Fehlt/", true, "~/Desktop"},
      {"no desktop folder", "", false, "~"},
      {"neither", "@/geloescht/", false, "~"},
  };
  for (const Case& c : cases) {
    test::TempDir temp;
    const std::string home = (temp.Path() / "home").string();
    fs::create_directories(home + "/Ablage");
    if (c.desktop) fs::create_directories(home + "/Desktop");
    test::EnvGuard env;
    env.Set("HOME", home);
    env.Unset("XDG_CONFIG_HOME");
    auto expand = [&](std::string text) {
      if (text.starts_with('~')) text.replace(0, 1, home);
      if (text.starts_with('@')) text.replace(0, 1, temp.Path().string());
      return text;
    };
    EXPECT_EQ(SaveFolder(ToUtf16(expand(c.remembered))), ToUtf16(expand(c.expected))) << c.why;
  }
}

}  // namespace
}  // namespace qb
