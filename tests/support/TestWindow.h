// A window for tests: it records every message its procedure receives and
// lets a handler answer them; what the handler leaves goes to DefWindowProc.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "platform/window/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace qb::test {

struct SeenMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class TestWindow {
 public:
  // Returns an answer to handle the message, or nothing for DefWindowProc.
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  struct Options {
    DWORD style = WS_POPUP | WS_VISIBLE;
    DWORD exStyle = 0;
    RECT rect{100, 100, 300, 250};  // parent client coordinates for children
    HWND parent = nullptr;
    bool doubleClicks = false;  // class with CS_DBLCLKS
    Handler handler;
  };

  explicit TestWindow(Options options);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  const std::vector<SeenMessage>& Seen() const { return seen_; }
  // The messages seen (in order) that are among `wanted`.
  std::vector<UINT> SeenOf(std::initializer_list<UINT> wanted) const;
  int Count(UINT message) const;
  void ClearSeen() { seen_.clear(); }

  Handler handler;

 private:
  static LRESULT Procedure(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::vector<SeenMessage> seen_;
};

// Runs the real message loop until `done` holds or the watchdog expires, so
// that a message that never comes fails the test instead of hanging it.
// Returns whether `done` held.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds watchdog = std::chrono::seconds(10));
// Runs the loop until nothing is left to do now (input, posted messages,
// paints); timers that are not yet due are left alone.
void PumpPending();

}  // namespace qb::test
