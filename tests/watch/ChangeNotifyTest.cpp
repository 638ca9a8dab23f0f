#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/text/Utf.h"
#include "tests/support/ServeHandOffs.h"
#include "tests/support/TempDir.h"
#include "watch/TChangeNotify.h"
#include "watch/WatchErrors.h"

// The test runner's thread is the user-interface thread here: events reach
// it only while a test serves hand-offs.
namespace qb {
namespace {

namespace fs = std::filesystem;
using test::ServeHandOffsUntil;
using test::TempDir;

std::u16string U16(const fs::path& path) { return ToUtf16(path.string()); }

// Notification handles open in this process: their descriptors show up as
// inotify instances.
int OpenInotifyCount() {
  int count = 0;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (fs::read_symlink(entry.path(), error).string() == "anon_inode:inotify") ++count;
  }
  return count;
}

class ChangeNotifyTest : public ::testing::Test {
 protected:
  // Every test ends with all handles closed, so that counts start from 0.
  void TearDown() override {
    ServeHandOffsUntil([] { return OpenInotifyCount() == 0; });
  }

  // The tool's kind of watcher on dir: one entry, file names only, no
  // subtree; a short interval. It logs its events.
  std::unique_ptr<TChangeNotify> MakeWatcher(bool freeOnTerminate = true) {
    auto notify = std::make_unique<TChangeNotify>(nullptr);
    notify->SetCheckInterval(10);
    notify->SetFreeOnTerminate(freeOnTerminate);
    TChangeItem* item = notify->Notifications()->Add();
    item->SetActions({caChangeFileName});
    item->SetDirectory(U16(dir.Path()));
    item->OnChange = [this](TObject*) { log.push_back(u"item"); };
    notify->OnChangeNotify = [this](TObject*, const std::u16string&, TChangeActions) {
      ++events;
      if (onEvent) onEvent();
    };
    return notify;
  }

  void Touch(const std::string& name) { std::ofstream(dir.Path() / name) << "x"; }

  TempDir dir;
  std::vector<std::u16string> log;
  int events = 0;
  std::function<void()> onEvent;
};

TEST_F(ChangeNotifyTest, DeliversTheEntryThenTheComponentEventOnTheInterfaceThread) {
  auto notify = MakeWatcher();
  const auto ui = std::this_thread::get_id();
  notify->OnChangeNotify = [&](TObject* sender, const std::u16string& folder,
                               TChangeActions actions) {
    EXPECT_EQ(sender, notify.get());
    EXPECT_EQ(folder, U16(dir.Path()));
    EXPECT_EQ(actions, TChangeActions{caChangeFileName});
    EXPECT_EQ(std::this_thread::get_id(), ui);
    log.push_back(u"component");
  };
  notify->SetActive(true);
  EXPECT_EQ(OpenInotifyCount(), 1);
  Touch("job.ps");
  ServeHandOffsUntil([&] { return log.size() >= 2; });
  EXPECT_EQ(log[0], u"item");
  EXPECT_EQ(log[1], u"component");
}

TEST_F(ChangeNotifyTest, ChangesInQuickSuccessionGiveAtLeastOneEvent) {
  auto notify = MakeWatcher();
  notify->SetActive(true);
  for (int i = 0; i < 20; ++i) Touch("f" + std::to_string(i));
  ServeHandOffsUntil([&] { return events >= 1; });
}

TEST_F(ChangeNotifyTest, ChangeMadeWhileAHandlerRunsIsReportedAfterwards) {
  auto notify = MakeWatcher();
  onEvent = [&] {
    if (events == 1) Touch("during");
  };
  notify->SetActive(true);
  Touch("first");
  ServeHandOffsUntil([&] { return events >= 2; });
}

TEST_F(ChangeNotifyTest, DeactivationReturnsAtOnceAndTheWorkerClosesTheHandlesLater) {
  auto notify = MakeWatcher();
  notify->SetActive(true);
  Touch("pending");  // the worker may already be waiting in a hand-off
  notify->SetActive(false);
  EXPECT_FALSE(notify->Active());
  ServeHandOffsUntil([] { return OpenInotifyCount() == 0; });
  EXPECT_EQ(events, 0);
}

TEST_F(ChangeNotifyTest, DestroyingAnActiveComponentWaitsAndDeliversNothing) {
  for (bool freeOnTerminate : {true, false}) {
    SCOPED_TRACE(freeOnTerminate);
    auto notify = MakeWatcher(freeOnTerminate);
    notify->SetActive(true);
    Touch(freeOnTerminate ? "pending" : "pending again");
    notify.reset();
    EXPECT_EQ(OpenInotifyCount(), 0);
    SynchronizeQueue::Instance().CheckSynchronize();
    EXPECT_EQ(events, 0);
  }
}

TEST_F(ChangeNotifyTest, HandlerErrorEndsWatchingCleanly) {
  for (bool freeOnTerminate : {true, false}) {
    SCOPED_TRACE(freeOnTerminate);
    events = 0;
    auto notify = MakeWatcher(freeOnTerminate);
    onEvent = [] { throw std::runtime_error("handler failed"); };
    notify->SetActive(true);
    Touch(freeOnTerminate ? "one" : "one again");
    ServeHandOffsUntil([&] { return events == 1; });
    EXPECT_FALSE(notify->Active());
    // The worker got the error, closed its handles and ended.
    ServeHandOffsUntil([] { return OpenInotifyCount() == 0; });
    EXPECT_EQ(events, 1);

    onEvent = nullptr;
    notify->SetActive(true);
    Touch(freeOnTerminate ? "two" : "two again");
    ServeHandOffsUntil([&] { return events == 2; });
    notify->SetActive(false);
    notify.reset();
  }
}

TEST_F(ChangeNotifyTest, HandlerMayDeactivateOrDestroyItsComponent) {
  std::unique_ptr<TChangeNotify> notify;
  for (bool destroy : {false, true}) {
    SCOPED_TRACE(destroy);
    notify = MakeWatcher(false);
    onEvent = [&] {
      if (destroy)
        notify.reset();
      else
        notify->SetActive(false);
    };
    notify->SetActive(true);
    Touch(destroy ? "a" : "b");
    ServeHandOffsUntil([&] { return OpenInotifyCount() == 0; });
    notify.reset();
  }
}

TEST_F(ChangeNotifyTest, FailedActivationLeavesNothingOpen) {
  TempDir second;
  auto notify = MakeWatcher();
  notify->Notifications()->Add()->SetDirectory(U16(second.Path() / ".."));
  const fs::path gone = second.Path() / "gone";
  fs::create_directory(gone);
  notify->Notifications()->Items(1)->SetDirectory(U16(gone));
  fs::remove(gone);
  try {
    notify->SetActive(true);
    ADD_FAILURE() << "activated";
  } catch (const EWatchException& error) {
    EXPECT_EQ(error.what(), "Invalid or empty path (\"" + gone.string() + "\") at index 1");
  }
  EXPECT_FALSE(notify->Active());
  EXPECT_EQ(OpenInotifyCount(), 0);

  notify->Notifications()->Delete(1);
  while (notify->Notifications()->Count() <= 64) new TChangeItem(notify->Notifications());
  try {
    notify->SetActive(true);
    ADD_FAILURE() << "activated";
  } catch (const EWatchException& error) {
    EXPECT_STREQ(error.what(), "Maximum of 64 items exceeded");
  }
  EXPECT_FALSE(notify->Active());
}

TEST_F(ChangeNotifyTest, SystemRefusalCarriesTheSystemTextAndTheFolder) {
  auto notify = MakeWatcher();
  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 256);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  std::vector<int> filler;
  for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) filler.push_back(fd);
  std::exception_ptr refusal;
  try {
    notify->SetActive(true);
  } catch (const EChangeNotifyException&) {
    refusal = std::current_exception();
  }
  for (int fd : filler) close(fd);
  setrlimit(RLIMIT_NOFILE, &saved);
  // Read only now: a sanitizer checking the call to what() needs a pipe.
  std::string message;
  try {
    if (refusal) std::rethrow_exception(refusal);
  } catch (const EChangeNotifyException& error) {
    message = error.what();
  }
  EXPECT_EQ(message, "Too many open files:\r\n" + dir.Path().string());
  EXPECT_FALSE(notify->Active());
}

TEST_F(ChangeNotifyTest, ActiveLoadedAsTrueActivatesWhenLoadingEnds) {
  auto notify = MakeWatcher();
  notify->BeginLoading();
  notify->SetActive(true);
  EXPECT_EQ(OpenInotifyCount(), 0);
  notify->EndReading();
  notify->Loaded();
  EXPECT_TRUE(notify->Active());
  EXPECT_EQ(OpenInotifyCount(), 1);
}

TEST_F(ChangeNotifyTest, ChangingFreeOnTerminateKeepsWatching) {
  auto notify = MakeWatcher();
  notify->SetActive(true);
  notify->SetFreeOnTerminate(false);
  EXPECT_TRUE(notify->Active());
  EXPECT_FALSE(notify->FreeOnTerminate());
  Touch("after");
  ServeHandOffsUntil([&] { return events == 1; });
}

}  // namespace
}  // namespace qb
