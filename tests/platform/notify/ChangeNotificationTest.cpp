#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/notify/ChangeNotification.h"
#include "platform/text/Utf.h"
#include "platform/thread/LastError.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using qb::test::TempDir;

// inotify queues an event before the file-system call returns, so a wait of
// 0 ms tells reliably whether a change was caught.
bool Signalled(HANDLE handle) {
  return WaitForMultipleObjects(1, &handle, FALSE, 0) == WAIT_OBJECT_0;
}

std::u16string U16(const fs::path& path) { return qb::ToUtf16(path.string()); }

// Closes the handle at the end of a test.
struct Watch {
  Watch(const fs::path& folder, bool subtree, DWORD filter)
      : handle(FindFirstChangeNotification(U16(folder), subtree, filter)) {}
  ~Watch() {
    if (handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle);
  }
  HANDLE handle;
};

// A watched folder holding "old.txt" and an empty folder "sub".
struct Fixture {
  Fixture() {
    dir.Write("old.txt", "old");
    fs::create_directory(dir.Path() / "sub");
  }
  TempDir dir;
};

TEST(ChangeNotification, WhichActionsSignalForEachFilter) {
  struct Action {
    const char* name;
    std::function<void(const fs::path&)> run;
  };
  const std::vector<Action> actions = {
      {"create file", [](const fs::path& d) { std::ofstream(d / "new.ps") << "x"; }},
      {"delete file", [](const fs::path& d) { fs::remove(d / "old.txt"); }},
      {"rename file", [](const fs::path& d) { fs::rename(d / "old.txt", d / "old.tmp"); }},
      {"write to file",
       [](const fs::path& d) { std::ofstream(d / "old.txt", std::ios::app) << "y"; }},
      {"create subfolder", [](const fs::path& d) { fs::create_directory(d / "made"); }},
      {"create file in subfolder",
       [](const fs::path& d) { std::ofstream(d / "sub" / "f") << "x"; }},
      {"change permissions", [](const fs::path& d) { chmod((d / "old.txt").c_str(), 0600); }},
  };
  struct Config {
    const char* name;
    DWORD filter;
    bool subtree;
    std::string expected;  // one letter per action: y signals, n does not
  };
  const Config configs[] = {
      {"file names", FILE_NOTIFY_CHANGE_FILE_NAME, false, "yyynnnn"},
      {"folder names", FILE_NOTIFY_CHANGE_DIR_NAME, false, "nnnnynn"},
      {"file names with subtree", FILE_NOTIFY_CHANGE_FILE_NAME, true, "yyynnyn"},
      {"folder names with subtree", FILE_NOTIFY_CHANGE_DIR_NAME, true, "nnnnynn"},
      {"size and last write", FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE, false,
       "ynnynnn"},
      {"attributes", FILE_NOTIFY_CHANGE_ATTRIBUTES, false, "nnnnnny"},
      {"security", FILE_NOTIFY_CHANGE_SECURITY, false, "nnnnnny"},
  };
  for (const Config& config : configs) {
    for (std::size_t i = 0; i < actions.size(); ++i) {
      SCOPED_TRACE(std::string(config.name) + " / " + actions[i].name);
      Fixture fixture;
      Watch watch(fixture.dir.Path(), config.subtree, config.filter);
      ASSERT_NE(watch.handle, INVALID_HANDLE_VALUE);
      ASSERT_FALSE(Signalled(watch.handle));
      actions[i].run(fixture.dir.Path());
      EXPECT_EQ(Signalled(watch.handle), config.expected[i] == 'y');
    }
  }
}

TEST(ChangeNotification, ReArmKeepsChangesMadeAfterTheSignal) {
  Fixture fixture;
  const fs::path& d = fixture.dir.Path();
  Watch watch(d, false, FILE_NOTIFY_CHANGE_FILE_NAME);
  std::ofstream(d / "a") << "x";
  std::ofstream(d / "b") << "x";
  ASSERT_TRUE(Signalled(watch.handle));
  // Still signalled until re-armed; both changes count as one.
  ASSERT_TRUE(Signalled(watch.handle));
  ASSERT_TRUE(FindNextChangeNotification(watch.handle));
  EXPECT_FALSE(Signalled(watch.handle));

  std::ofstream(d / "c") << "x";
  ASSERT_TRUE(Signalled(watch.handle));
  fs::remove(d / "c");  // between the signal and the re-arm
  ASSERT_TRUE(FindNextChangeNotification(watch.handle));
  EXPECT_TRUE(Signalled(watch.handle));
}

TEST(ChangeNotification, SubtreeFollowsFoldersCreatedAndRemovedLater) {
  Fixture fixture;
  const fs::path& d = fixture.dir.Path();
  TempDir outside;
  Watch watch(d, true, FILE_NOTIFY_CHANGE_FILE_NAME);

  // Created and filled before the watcher looked: the file is still caught.
  fs::create_directories(d / "new" / "deep");
  std::ofstream(d / "new" / "deep" / "early") << "x";
  EXPECT_TRUE(Signalled(watch.handle));
  FindNextChangeNotification(watch.handle);

  std::ofstream(d / "new" / "deep" / "late") << "x";
  EXPECT_TRUE(Signalled(watch.handle));
  FindNextChangeNotification(watch.handle);

  // A folder moved out of the tree is no longer watched.
  fs::rename(d / "new", outside.Path() / "gone");
  FindNextChangeNotification(watch.handle);
  EXPECT_FALSE(Signalled(watch.handle));
  std::ofstream(outside.Path() / "gone" / "deep" / "elsewhere") << "x";
  EXPECT_FALSE(Signalled(watch.handle));

  // One moved in is; what it brings along counts as changes.
  fs::rename(outside.Path() / "gone", d / "back");
  EXPECT_TRUE(Signalled(watch.handle));
  FindNextChangeNotification(watch.handle);
  std::ofstream(d / "back" / "deep" / "again") << "x";
  EXPECT_TRUE(Signalled(watch.handle));
}

TEST(ChangeNotification, LinkedFolderIsWatchedButLinksBelowItAreNotFollowed) {
  Fixture fixture;
  TempDir target;
  const fs::path link = fixture.dir.Path() / "link";
  fs::create_directory_symlink(target.Path(), link);
  Watch direct(link, false, FILE_NOTIFY_CHANGE_FILE_NAME);
  Watch tree(fixture.dir.Path(), true, FILE_NOTIFY_CHANGE_FILE_NAME);
  ASSERT_NE(direct.handle, INVALID_HANDLE_VALUE);
  std::ofstream(target.Path() / "x") << "x";
  EXPECT_TRUE(Signalled(direct.handle));
  EXPECT_FALSE(Signalled(tree.handle));
}

TEST(ChangeNotification, WaitReportsTheLowestSignalledHandleAndKeepsTheOthers) {
  std::vector<TempDir> dirs(MAXIMUM_WAIT_OBJECTS);
  std::vector<HANDLE> handles;
  for (const TempDir& dir : dirs)
    handles.push_back(
        FindFirstChangeNotification(U16(dir.Path()), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
  ASSERT_EQ(std::count(handles.begin(), handles.end(), INVALID_HANDLE_VALUE), 0);

  EXPECT_EQ(WaitForMultipleObjects(64, handles.data(), FALSE, 20), WAIT_TIMEOUT);
  dirs[63].Write("x", "");
  dirs[7].Write("x", "");
  EXPECT_EQ(WaitForMultipleObjects(64, handles.data(), FALSE, 5000), WAIT_OBJECT_0 + 7);
  FindNextChangeNotification(handles[7]);
  EXPECT_EQ(WaitForMultipleObjects(64, handles.data(), FALSE, 5000), WAIT_OBJECT_0 + 63);

  for (HANDLE handle : handles) EXPECT_TRUE(FindCloseChangeNotification(handle));
}

TEST(ChangeNotification, FailuresSetTheLastError) {
  Fixture fixture;
  const fs::path& d = fixture.dir.Path();
  HANDLE handles[65] = {};
  struct Case {
    const char* what;
    std::function<bool()> fails;
    DWORD error;
  };
  const Case cases[] = {
      {"missing folder",
       [&] {
         return FindFirstChangeNotification(U16(d / "none"), FALSE, 1) == INVALID_HANDLE_VALUE;
       },
       ENOENT},
      {"a file, not a folder",
       [&] {
         return FindFirstChangeNotification(U16(d / "old.txt"), TRUE, 1) == INVALID_HANDLE_VALUE;
       },
       ENOTDIR},
      {"empty filter",
       [&] { return FindFirstChangeNotification(U16(d), FALSE, 0) == INVALID_HANDLE_VALUE; },
       EINVAL},
      {"no handles", [&] { return WaitForMultipleObjects(0, handles, FALSE, 0) == WAIT_FAILED; },
       EINVAL},
      {"65 handles", [&] { return WaitForMultipleObjects(65, handles, FALSE, 0) == WAIT_FAILED; },
       EINVAL},
      {"invalid handle",
       [&] { return WaitForMultipleObjects(1, handles, FALSE, 0) == WAIT_FAILED; }, EBADF},
      {"close invalid handle", [&] { return !FindCloseChangeNotification(INVALID_HANDLE_VALUE); },
       EBADF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(0);
    EXPECT_TRUE(c.fails());
    EXPECT_EQ(GetLastError(), c.error);
  }
}

}  // namespace
