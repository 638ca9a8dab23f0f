// A worker thread. It is created suspended; Start runs Execute on a thread
// of its own. Terminate only sets a flag that Execute is expected to read.
//
// Lifetime. With FreeOnTerminate the thread deletes itself once Execute has
// returned; nobody else may delete it or wait for it then. Without it, the
// creator waits (WaitFor) and deletes it. Deleting a thread that is still
// running is a programming error (checked): the derived parts that Execute
// uses are gone before the base destructor could wait.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace qb {

class TThread {
 public:
  TThread() = default;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  virtual ~TThread();

  // Starts the suspended thread; a started thread is not started again.
  void Start();
  bool Suspended() const;

  void Terminate() { terminated_.store(true); }
  bool Terminated() const { return terminated_.load(); }

  // May change while the thread runs; read when Execute has returned.
  bool FreeOnTerminate() const;
  void SetFreeOnTerminate(bool value);

  bool Finished() const { return finished_.load(); }

  // Blocks until Execute has returned. On the user-interface thread the
  // wait keeps running the hand-offs of all workers, so that a worker
  // blocked in Synchronize can finish.
  void WaitFor();

  // What escaped from Execute, if anything.
  std::exception_ptr FatalException() const;

  // Runs `method` on the user-interface thread and waits for it there; an
  // exception it raises is raised again here.
  static void Synchronize(const std::function<void()>& method);

 protected:
  virtual void Execute() = 0;

 private:
  void Run();

  mutable std::mutex mutex_;
  std::condition_variable finishedChanged_;
  std::thread thread_;
  bool started_ = false;
  bool freeOnTerminate_ = false;
  std::exception_ptr fatal_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
};

}  // namespace qb
