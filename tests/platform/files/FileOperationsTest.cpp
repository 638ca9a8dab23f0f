#include <gtest/gtest.h>

#include "platform/files/FileAttributes.h"
#include "platform/files/FileOperations.h"
#include "platform/files/ProgramFolder.h"
#include "platform/text/Utf.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(MoveFile, MovesButNeverReplacesAnExistingTarget) {
  test::TempDir dir;
  const fs::path job = dir.Write("job.ps", "job");
  const fs::path taken = dir.Write("taken.tmp", "other");

  EXPECT_FALSE(MoveFile(test::U16(job), test::U16(taken)));
  EXPECT_EQ(test::Content(job), "job");
  EXPECT_EQ(test::Content(taken), "other");

  EXPECT_FALSE(MoveFile(test::U16(dir.Path() / "missing.ps"), test::U16(dir.Path() / "x.tmp")));
  EXPECT_FALSE(fs::exists(dir.Path() / "x.tmp"));

  EXPECT_TRUE(MoveFile(test::U16(job), test::U16(dir.Path() / "job.tmp")));
  EXPECT_FALSE(fs::exists(job));
  EXPECT_EQ(test::Content(dir.Path() / "job.tmp"), "job");

  fs::create_directory(dir.Path() / "folder");
  EXPECT_TRUE(MoveFile(test::U16(dir.Path() / "folder"), test::U16(dir.Path() / "renamed")));
  EXPECT_TRUE(FolderExists(test::U16(dir.Path() / "renamed")));
}

TEST(DeleteFile, RemovesFilesOnly) {
  test::TempDir dir;
  const fs::path file = dir.Write("a.tmp", "x");
  fs::create_directory(dir.Path() / "folder");

  EXPECT_TRUE(DeleteFile(test::U16(file)));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(DeleteFile(test::U16(file)));
  EXPECT_FALSE(DeleteFile(test::U16(dir.Path() / "folder")));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "folder"));
}

TEST(CreateFolderWithParents, CreatesEveryMissingLevel) {
  test::TempDir dir;
  dir.Write("file", "x");
  struct Case {
    std::string relative;
    bool created;
  };
  const Case cases[] = {
      {"a", true},       {"a", true},         {"b/c/d", true}, {"e//f/", true},
      {"b/c/d/e", true}, {"file/sub", false}, {"file", false},
  };
  for (const Case& c : cases) {
    const fs::path folder = dir.Path() / c.relative;
    EXPECT_EQ(CreateFolderWithParents(test::U16(folder)), c.created) << c.relative;
    EXPECT_EQ(fs::is_directory(folder), c.created) << c.relative;
  }
}

TEST(FileAttributes, FollowTheEntryKind) {
  test::TempDir dir;
  dir.Write("file.ps", "x");
  dir.Write(".hidden.ps", "x");
  fs::create_directory(dir.Path() / "folder");
  fs::create_directory_symlink(dir.Path() / "folder", dir.Path() / "link");
  fs::create_symlink(dir.Path() / "gone", dir.Path() / "dangling");
  struct Case {
    std::string name;
    DWORD attributes;
  };
  const Case cases[] = {
      {"file.ps", FILE_ATTRIBUTE_NORMAL},
      {".hidden.ps", FILE_ATTRIBUTE_HIDDEN},
      {"folder", FILE_ATTRIBUTE_DIRECTORY},
      {"folder/", FILE_ATTRIBUTE_DIRECTORY},
      {"link", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT},
      {"dangling", FILE_ATTRIBUTE_REPARSE_POINT},
      {"missing", INVALID_FILE_ATTRIBUTES},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetFileAttributes(test::U16(dir.Path() / c.name)), c.attributes) << c.name;
  }
  EXPECT_TRUE(FolderExists(test::U16(dir.Path() / "link")));
  EXPECT_FALSE(FolderExists(test::U16(dir.Path() / "file.ps")));
  EXPECT_FALSE(FolderExists(test::U16(dir.Path() / "missing")));
}

TEST(ProgramFolder, IsTheResolvedFolderOfThisExecutableWithTrailingSlash) {
  const std::u16string folder = GetProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), u'/');
  const fs::path self = fs::canonical("/proc/self/exe");
  EXPECT_EQ(folder + ToUtf16(self.filename().string()), test::U16(self));
}

}  // namespace
}  // namespace qb
