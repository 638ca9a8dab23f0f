#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ServeHandOffs.h"
#include "toolkit/thread/SynchronizeQueue.h"
#include "toolkit/thread/TThread.h"

// The test runner's thread is the process's initial thread and so the
// user-interface thread of these tests.
namespace qb {
namespace {

using namespace std::chrono_literals;

class Worker : public TThread {
 public:
  explicit Worker(std::function<void(Worker&)> body) : body_(std::move(body)) {}
  using TThread::Terminated;

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(Worker&)> body_;
};

TEST(Thread, RunsOnlyAfterStartAndWaitForReturnsWhenDone) {
  std::atomic<bool> ran{false};
  Worker worker([&](Worker&) { ran = true; });
  EXPECT_TRUE(worker.Suspended());
  std::this_thread::sleep_for(10ms);
  EXPECT_FALSE(ran.load());
  worker.Start();
  worker.WaitFor();
  EXPECT_TRUE(ran.load());
  EXPECT_TRUE(worker.Finished());
  EXPECT_EQ(worker.FatalException(), nullptr);
}

TEST(Thread, HandOffRunsOnTheInterfaceThreadWhileTheWorkerWaits) {
  const auto ui = std::this_thread::get_id();
  std::vector<int> order;  // touched only on the interface thread
  std::atomic<bool> allOnUi{true};
  std::atomic<int> seenByWorker{-1};
  Worker worker([&](Worker&) {
    for (int i = 0; i < 3; ++i)
      TThread::Synchronize([&, i] {
        if (std::this_thread::get_id() != ui) allOnUi = false;
        order.push_back(i);
      });
    // The last call has run by the time Synchronize returns.
    TThread::Synchronize([&] { seenByWorker = int(order.size()); });
  });
  worker.Start();
  worker.WaitFor();
  EXPECT_TRUE(allOnUi.load());
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(seenByWorker.load(), 3);
}

TEST(Thread, ErrorRaisedInTheHandOffReachesTheWorker) {
  std::string caught;
  Worker worker([&](Worker&) {
    try {
      TThread::Synchronize([] { throw std::runtime_error("handler failed"); });
    } catch (const std::runtime_error& error) {
      caught = error.what();
    }
    TThread::Synchronize([] { throw std::logic_error("escapes"); });
  });
  worker.Start();
  worker.WaitFor();
  EXPECT_EQ(caught, "handler failed");
  EXPECT_THROW(std::rethrow_exception(worker.FatalException()), std::logic_error);
}

TEST(Thread, WaitForOnTheInterfaceThreadServesAWorkerBusyHandingOff) {
  std::atomic<int> handed{0};
  Worker worker([&](Worker& self) {
    while (!self.Terminated()) TThread::Synchronize([&] { ++handed; });
  });
  worker.Start();
  test::ServeHandOffsUntil([&] { return handed.load() >= 5; });
  worker.Terminate();
  worker.WaitFor();
  EXPECT_TRUE(worker.Finished());
}

TEST(Thread, FreeOnTerminateDeletesTheThreadWhenItEnds) {
  struct Tracked : Worker {
    Tracked(std::atomic<bool>& gone) : Worker([](Worker&) {}), gone_(gone) {}
    ~Tracked() override { gone_ = true; }
    std::atomic<bool>& gone_;
  };
  std::atomic<bool> gone{false};
  auto* worker = new Tracked(gone);
  worker->SetFreeOnTerminate(true);
  worker->Start();
  test::ServeHandOffsUntil([&] { return gone.load(); });
}

TEST(Thread, WakeFunctionRunsForEveryQueuedCall) {
  std::mutex mutex;
  std::condition_variable woken;
  int wakes = 0;
  SynchronizeQueue::Instance().SetWakeMainThread([&] {
    std::lock_guard lock(mutex);
    ++wakes;
    woken.notify_all();
  });
  std::atomic<int> ran{0};
  Worker worker([&](Worker&) {
    TThread::Synchronize([&] { ++ran; });
    TThread::Synchronize([&] { ++ran; });
  });
  worker.Start();
  // The way an application serves: sleep until woken, then run the queue.
  for (int seen = 0; ran.load() < 2;) {
    {
      std::unique_lock lock(mutex);
      ASSERT_TRUE(woken.wait_for(lock, 30s, [&] { return wakes > seen; }));
      seen = wakes;
    }
    CheckSynchronize();
  }
  worker.WaitFor();
  SynchronizeQueue::Instance().SetWakeMainThread(nullptr);
  EXPECT_EQ(ran.load(), 2);
  EXPECT_EQ(wakes, 2);
}

}  // namespace
}  // namespace qb
