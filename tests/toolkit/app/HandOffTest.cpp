#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "platform/events/EventLog.h"
#include "platform/script/ScriptTargets.h"
#include "tests/support/ApplicationLoop.h"
#include "tests/support/NoScriptedUser.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/dialogs/MessageBox.h"
#include "toolkit/thread/SynchronizeQueue.h"
#include "toolkit/thread/TThread.h"

namespace qb {
namespace {

// A worker that hands one call to the user-interface thread and keeps what
// came back.
class THandOffThread : public TThread {
 public:
  explicit THandOffThread(std::function<void()> call) : call_(std::move(call)) {}

  std::string error;
  std::atomic<bool> handedOff{false};

 protected:
  void Execute() override {
    try {
      Synchronize(call_);
      handedOff = true;
    } catch (const std::exception& e) {
      error = e.what();
    }
  }

 private:
  std::function<void()> call_;
};

class HandOff : public ::testing::Test {
 protected:
  TApplication application;
  test::NoScriptedUser noScriptedUser;
};

TEST_F(HandOff, AWorkersCallRunsOnTheUserInterfaceThreadInsideAMessageBox) {
  bool ranInBox = false;
  THandOffThread worker([&] {
    EXPECT_TRUE(SynchronizeQueue::Instance().IsMainThread());
    ranInBox = MessageBoxAnnouncement::Current() != nullptr;
  });
  // Once the box shows, start the worker; press OK once its call has run,
  // or after five seconds as a watchdog.
  TTimer driver(nullptr);
  driver.SetInterval(10);
  int ticks = 0;
  driver.SetOnTimer([&](TObject*) {
    MessageBoxAnnouncement* box = MessageBoxAnnouncement::Current();
    if (box == nullptr) return;
    worker.Start();
    if (worker.handedOff || ++ticks > 500) {
      driver.SetEnabled(false);
      box->PressOk();
    }
  });
  ShowMessage(u"Bitte warten");
  worker.WaitFor();
  EXPECT_TRUE(ranInBox);
  EXPECT_EQ(worker.error, "");
}

TEST_F(HandOff, AnErrorRaisedByTheCallReachesTheWorker) {
  THandOffThread worker([] { throw std::runtime_error("Invalid or empty path (x)"); });
  worker.Start();
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return worker.Finished(); }));
  worker.WaitFor();
  EXPECT_EQ(worker.error, "Invalid or empty path (x)");
  EXPECT_FALSE(worker.handedOff);
}

TEST_F(HandOff, WaitForOnTheUserInterfaceThreadServesTheWorkersCall) {
  bool ran = false;
  THandOffThread worker([&] { ran = true; });
  worker.Start();
  worker.WaitFor();
  EXPECT_TRUE(ran);
  EXPECT_TRUE(worker.handedOff);
}

}  // namespace
}  // namespace qb
