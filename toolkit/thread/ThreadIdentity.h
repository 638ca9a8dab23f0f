// Which thread plays a role: the process's initial thread until another
// thread binds itself.
#pragma once

#include <atomic>
#include <thread>

namespace qb {

class ThreadIdentity {
 public:
  void Bind() {
    id_.store(std::this_thread::get_id());
    bound_.store(true);
  }
  bool IsCurrent() const;

 private:
  std::atomic<bool> bound_{false};
  std::atomic<std::thread::id> id_{};
};

}  // namespace qb
