#include <thread>

namespace qb::test {

template <typename Check>
bool WaitFor(Check ready, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (ready()) return true;
    if (std::chrono::steady_clock::now() > deadline) return ready();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace qb::test
