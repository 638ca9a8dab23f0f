#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/files/AtomicFile.h"
#include "platform/text/Utf.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

std::size_t EntryCount(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Limits the size of every file this process writes, so that a write fails
// part way, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};

TEST(ReplaceFileContents, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
  test::TempDir dir;
  const fs::path file = dir.Write("quillbrook.ini", "[settings]\nsavepath=/old/\n");
  {
    const FileSizeLimit limit(64);
    EXPECT_FALSE(ReplaceFileContents(test::U16(file), "[settings]\nsavepath=/" + std::string(4096, 'x') + "/\n"));
  }
  EXPECT_EQ(test::Content(file), "[settings]\nsavepath=/old/\n");
  EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(ReplaceFileContents, KeepsPermissionsAndWritesThroughLinks) {
  test::TempDir dir;
  const fs::path file = dir.Write("real.ini", "old");
  chmod(file.c_str(), 0640);
  fs::create_symlink(file, dir.Path() / "link.ini");

  EXPECT_TRUE(ReplaceFileContents(test::U16(dir.Path() / "link.ini"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.ini"));
  EXPECT_EQ(test::Content(file), "new");
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(EntryCount(dir.Path()), 2u);
}

TEST(ReplaceFileContents, NewFileGetsTheUsualPermissions) {
  test::TempDir dir;
  const mode_t mask = umask(022);
  EXPECT_TRUE(ReplaceFileContents(test::U16(dir.Path() / "new.ini"), "x"));
  umask(mask);
  struct stat after {};
  ASSERT_EQ(stat((dir.Path() / "new.ini").c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0644u);
}

}  // namespace
}  // namespace qb
