#include "tests/support/ProcessGone.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>

namespace qb::test {

bool ProcessRuns(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const std::size_t close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

bool GoneWithin(pid_t pid, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (ProcessRuns(pid)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

pid_t RecordedProcess(const std::filesystem::path& file) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  pid_t pid = 0;
  while (pid == 0 && std::chrono::steady_clock::now() < deadline) {
    std::ifstream(file) >> pid;
    if (pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (pid == 0) ADD_FAILURE() << "no process id in " << file;
  return pid;
}

}  // namespace qb::test
