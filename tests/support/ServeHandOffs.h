// Serves the hand-offs of worker threads on the calling thread, which must
// be the user-interface thread, until `done` holds. `done` is checked again
// at least every 10 ms; after 30 s the current test fails instead of
// hanging. Header-only, for the test programs that link the toolkit.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "toolkit/thread/SynchronizeQueue.h"

namespace qb::test {

inline void ServeHandOffsUntil(const std::function<bool()>& done) {
  using namespace std::chrono_literals;
  SynchronizeQueue& queue = SynchronizeQueue::Instance();
  std::atomic<bool> expired{false};
  std::mutex mutex;
  std::condition_variable stop;
  bool stopped = false;
  std::thread ticker([&] {
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    std::unique_lock lock(mutex);
    while (!stop.wait_for(lock, 10ms, [&] { return stopped; })) {
      if (std::chrono::steady_clock::now() > deadline) expired = true;
      queue.Signal();
    }
  });
  queue.ServeUntil([&] { return expired.load() || done(); });
  {
    std::lock_guard lock(mutex);
    stopped = true;
  }
  stop.notify_all();
  ticker.join();
  if (expired.load()) ADD_FAILURE() << "gave up waiting after 30 s";
}

}  // namespace qb::test
