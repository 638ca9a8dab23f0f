#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/SpoolSearch.h"
#include "platform/files/FileOperations.h"
#include "platform/shell/UserName.h"
#include "platform/text/Utf.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(WildcardMatch, MatchesWholeNamesAgainstWholeMasks) {
  struct Case {
    std::u16string name;
    std::u16string mask;
    bool matches;
  };
  const Case cases[] = {
      {u"a.ps", u"*.ps", true},
      {u".ps", u"*.ps", true},
      {u"a.b.ps", u"*.ps", true},
      {u"a.ps.ps", u"*.ps", true},
      {u"a.psx", u"*.ps", false},
      {u"a.ps.bak", u"*.ps", false},
      {u"aps", u"*.ps", false},
      {u"A.PS", u"*.ps", false},
      {u"abc", u"a?c", true},
      {u"ac", u"a?c", false},
      {u"abbc", u"a?c", false},
      {u"", u"*", true},
      {u"anything", u"*", true},
      {u"", u"", true},
      {u"a", u"", false},
      {u"xaab", u"*?ab", true},
      {u"ab", u"*?ab", false},
      {u"abc", u"a*", true},
      {u"a", u"a*?", false},
      {u"ab", u"a*?", true},
      {u"abcbcd", u"*bcd", true},
      {u"a", u"**a**", true},
      {u"mississippi", u"m*iss*ppi", true},
      {u"mississippi", u"m*iss*x", false},
      {u"é.ps", u"?.ps", true},
      {u"\xD83D\xDE00.ps", u"?.ps", false},
      {u"\xD83D\xDE00.ps", u"??.ps", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WildcardMatch(c.name, c.mask), c.matches) << ToUtf8(c.name) << " ~ " << ToUtf8(c.mask);
  }
}

class FindFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"new.ps", "REPORT.PS", ".hidden.ps", "a.psx", "x.tmp", "old.ps/inner.ps", "sub/deep.ps",
                             "sub/deeper/x.ps", "sub/deeper/y.txt"}) {
      dir_.Write(file, "%!PS\n");
    }
    fs::create_directory_symlink(dir_.Path() / "sub", dir_.Path() / "sub/loop");
  }

  std::u16string Root() const { return ToUtf16(dir_.Path().string()); }

  test::TempDir dir_;
};

TEST_F(FindFilesTest, FlagsChooseFilesFoldersAndDepth) {
  struct Case {
    const char* mask;
    bool Recurse, ListFolders, FoldersBypassMask;
    std::set<std::pair<std::string, int>> expected;
  };
  const Case cases[] = {
      {"*.ps", false, false, true, {{"new.ps", 0}, {"REPORT.PS", 0}, {".hidden.ps", 0}}},
      {"*.PS", false, false, false, {{"new.ps", 0}, {"REPORT.PS", 0}, {".hidden.ps", 0}}},
      {"*.ps", false, true, false, {{"new.ps", 0}, {"REPORT.PS", 0}, {".hidden.ps", 0}, {"old.ps", 1}}},
      {"*.ps", false, true, true, {{"new.ps", 0}, {"REPORT.PS", 0}, {".hidden.ps", 0}, {"old.ps", 1}, {"sub", 1}}},
      {"*.ps",
       true,
       false,
       true,
       {{"new.ps", 0},
        {"REPORT.PS", 0},
        {".hidden.ps", 0},
        {"old.ps/inner.ps", 0},
        {"sub/deep.ps", 0},
        {"sub/deeper/x.ps", 0}}},
      {"*",
       true,
       true,
       false,
       {{"new.ps", 0},
        {"REPORT.PS", 0},
        {".hidden.ps", 0},
        {"a.psx", 0},
        {"x.tmp", 0},
        {"old.ps", 1},
        {"old.ps/inner.ps", 0},
        {"sub", 1},
        {"sub/deep.ps", 0},
        {"sub/loop", 1},
        {"sub/deeper", 1},
        {"sub/deeper/x.ps", 0},
        {"sub/deeper/y.txt", 0}}},
  };
  for (const Case& c : cases) {
    for (const std::u16string& folder : {Root(), Root() + u"/"}) {
      FoundList list;
      FindFiles(list, folder, ToUtf16(c.mask), c.Recurse, c.ListFolders, c.FoldersBypassMask);
      std::set<std::pair<std::string, int>> found;
      for (const FoundEntry& entry : list)
        found.emplace(ToUtf8(entry.path).substr(dir_.Path().string().size() + 1), entry.tag);
      EXPECT_EQ(found, c.expected) << c.mask << " recurse " << c.Recurse << " folders " << c.ListFolders << " bypass "
                                   << c.FoldersBypassMask;
      EXPECT_EQ(found.size(), list.size()) << "an entry was appended twice";
    }
  }
}

TEST_F(FindFilesTest, KeepsTheListingOrderAndPutsFoldersBeforeTheirContents) {
  FoundList list{{u"kept", 0}};
  FindFiles(list, Root(), u"*", true, true, true);
  ASSERT_EQ(list.front().path, u"kept");
  const auto index = [&](const fs::path& path) {
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const FoundEntry& e) { return e.path == ToUtf16(path.string()); });
    return it - list.begin();
  };
  for (const char* folder : {"old.ps", "sub", "sub/deeper"}) {
    for (const auto& child : fs::directory_iterator(dir_.Path() / folder)) {
      EXPECT_LT(index(dir_.Path() / folder), index(child.path())) << child.path();
    }
  }
  std::vector<std::u16string> topLevel;
  for (const FoundEntry& entry : list) {
    if (fs::path(ToUtf8(entry.path)).parent_path() == dir_.Path()) topLevel.push_back(entry.path);
  }
  std::vector<std::u16string> listed;
  for (const auto& entry : fs::directory_iterator(dir_.Path())) listed.push_back(ToUtf16(entry.path().string()));
  EXPECT_EQ(topLevel, listed);
}

TEST_F(FindFilesTest, MissingFolderAddsNothing) {
  FoundList list;
  FindFiles(list, Root() + u"/missing", u"*.ps", false, false, true);
  FindFiles(list, Root() + u"/new.ps", u"*.ps", false, false, true);
  EXPECT_TRUE(list.empty());
}

TEST(SpoolSearch, AJobWithAnInvalidUtf8NameIsClaimedExactly) {
  test::TempDir dir;
  const std::string latin1 = "ABCDEFGHIJKLMNOa\xE4.ps";
  const std::string utf8 = "ABCDEFGHIJKLMNOa\xC3\xA4.ps";
  dir.Write(latin1, "latin1");
  dir.Write(utf8, "utf8");

  FoundList jobs;
  FindFiles(jobs, ToUtf16(dir.Path().string()), u"*.ps", false, false, true);
  ASSERT_EQ(jobs.size(), 2u);
  const auto odd =
      std::find_if(jobs.begin(), jobs.end(), [](const FoundEntry& e) { return ToUtf8(e.path).ends_with("a\xE4.ps"); });
  ASSERT_NE(odd, jobs.end());
  std::u16string claimed = odd->path;
  claimed.replace(claimed.size() - 3, 3, u".tmp");

  EXPECT_TRUE(MoveFile(odd->path, claimed));
  EXPECT_TRUE(fs::exists(dir.Path() / "ABCDEFGHIJKLMNOa\xE4.tmp"));
  EXPECT_TRUE(fs::exists(dir.Path() / utf8));
  EXPECT_FALSE(fs::exists(dir.Path() / latin1));
  EXPECT_TRUE(DeleteFile(claimed));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::exists(dir.Path() / utf8));
}

TEST(SpoolSearch, SpecialFoldersComeFromTheirOwnLookups) {
  test::EnvGuard env;
  env.Set("APPDATA", "/users/anna/AppData/Roaming");
  env.Set("PROGRAMDATA", "/srv/ProgramData/");
  env.Set("HOME", "/nonexistent/anna");
  env.Unset("XDG_CONFIG_HOME");
  EXPECT_EQ(GetAppDataFolder(), u"/users/anna/AppData/Roaming");
  EXPECT_EQ(GetCommonAppDataFolder(), u"/srv/ProgramData");
  EXPECT_EQ(GetDesktopFolder(), u"/nonexistent/anna/Desktop");
}

TEST(SpoolSearch, UserNamesTooLongOrMissingAreUnknown) {
  struct Case {
    std::optional<std::u16string> name;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"anna", u"anna"},
      {std::u16string(254, u'n'), std::u16string(254, u'n')},
      {std::u16string(255, u'n'), u"Unknown"},
      {std::nullopt, u"Unknown"},
  };
  for (const Case& c : cases) {
    const UserNameOverride name(c.name);
    EXPECT_EQ(GetCurrentUserName(), c.expected) << (c.name ? c.name->size() : 0);
  }
}

}  // namespace
}  // namespace qb
