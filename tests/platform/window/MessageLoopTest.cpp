#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/events/EventLog.h"
#include "platform/window/MessageApi.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/PaintApi.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

constexpr UINT kFirst = WM_USER + 1;
constexpr UINT kSecond = WM_USER + 2;
constexpr UINT kSent = WM_USER + 3;

TEST(MessageLoop, SentMessagesRunAtOncePostedOnesInOrderThenQuit) {
  TestWindow window({});
  PumpPending();
  window.ClearSeen();
  PostMessage(window.Handle(), kFirst, 0, 0);
  PostQuitMessage(7);
  PostMessage(window.Handle(), kSecond, 0, 0);
  EXPECT_EQ(SendMessage(window.Handle(), kSent, 0, 0), 0);
  EXPECT_EQ(window.SeenOf({kFirst, kSecond, kSent}), std::vector<UINT>{kSent});

  MSG msg;
  std::vector<UINT> retrieved;
  while (GetMessage(&msg, nullptr, 0, 0)) {
    retrieved.push_back(msg.message);
    DispatchMessage(&msg);
  }
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(retrieved, (std::vector<UINT>{kFirst, kSecond})) << "WM_QUIT waits for the posted messages";
  EXPECT_EQ(window.SeenOf({kFirst, kSecond, kSent}), (std::vector<UINT>{kSent, kFirst, kSecond}));
}

// A quit request that arrives inside a modal loop (a dialog open when the
// program is told to end) ends that loop and then the outer one, and is
// logged once: handing it back outwards is no second request.
TEST(MessageLoop, AQuitRequestEndsNestedLoopsAndIsLoggedOnce) {
  std::vector<std::int64_t> logged;
  const events::Subscription subscription = events::Subscribe([&](const events::Event& event) {
    if (event.name == "quit") logged.push_back(std::get<std::int64_t>(*event.Find("code")));
  });
  TestWindow window({});
  PumpPending();
  PostMessage(window.Handle(), kFirst, 0, 0);
  bool innerEnded = false;
  window.handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != kFirst) return std::nullopt;
    PostQuitMessage(4);
    innerEnded = !RunModalUntil([] { return false; });
    return 0;
  };
  MSG msg;
  while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
  EXPECT_TRUE(innerEnded);
  EXPECT_EQ(msg.wParam, 4u);
  EXPECT_EQ(logged, std::vector<std::int64_t>{4});
}

TEST(MessageLoop, NestedSendsUnwindInOrder) {
  std::vector<std::string> trace;
  TestWindow other({});
  TestWindow window({});
  other.handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != kSecond) return std::nullopt;
    trace.push_back("other begins");
    const LRESULT inner = SendMessage(window.Handle(), kSent, 0, 0);
    trace.push_back("other ends");
    return inner + 1;
  };
  window.handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == kFirst) {
      trace.push_back("window begins");
      const LRESULT result = SendMessage(other.Handle(), kSecond, 0, 0);
      trace.push_back("window ends");
      return result + 1;
    }
    if (message == kSent) {
      trace.push_back("window answers");
      return 40;
    }
    return std::nullopt;
  };
  EXPECT_EQ(SendMessage(window.Handle(), kFirst, 0, 0), 42);
  EXPECT_EQ(trace, (std::vector<std::string>{"window begins", "other begins", "window answers", "other ends",
                                             "window ends"}));
}

// The worker's send must be served while the user-interface thread sits in
// a modal loop of its own, and run on the user-interface thread.
TEST(MessageLoop, SendFromWorkerIsAnsweredInsideModalLoop) {
  const std::thread::id uiThread = std::this_thread::get_id();
  std::thread::id handledOn;
  TestWindow window({});
  window.handler = [&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message != kSent) return std::nullopt;
    handledOn = std::this_thread::get_id();
    return LRESULT(wParam * 2);
  };
  std::atomic<LRESULT> answer = 0;
  std::atomic<bool> finished = false;
  bool modalEnded = false;
  std::thread worker([&] {
    answer = SendMessage(window.Handle(), kSent, 21, 0);
    finished = true;
    PostMessage(window.Handle(), kFirst, 0, 0);
  });
  window.handler = [&, previous = window.handler](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (m == kFirst) modalEnded = true;
    return previous(h, m, w, l);
  };
  EXPECT_TRUE(PumpUntil([&] { return modalEnded; }));
  worker.join();
  EXPECT_TRUE(finished);
  EXPECT_EQ(answer, 42);
  EXPECT_EQ(handledOn, uiThread);
}

TEST(MessageLoop, PostFromWorkerWakesWaitingLoopPromptly) {
  TestWindow window({});
  PumpPending();
  std::thread worker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    PostMessage(window.Handle(), kFirst, 0, 0);
  });
  MSG msg;
  const DWORD before = GetTickCount();
  ASSERT_TRUE(GetMessage(&msg, window.Handle(), kFirst, kFirst));
  worker.join();
  EXPECT_EQ(msg.message, kFirst);
  EXPECT_LT(GetTickCount() - before, 5000u) << "the loop slept through the post";
}

TEST(MessageLoop, TimersComeLastAndNeverPileUp) {
  TestWindow window({});
  PumpPending();
  SetTimer(window.Handle(), 5, 10, nullptr);
  Sleep(120);  // a dozen intervals pass while the loop is busy
  PostMessage(window.Handle(), kFirst, 0, 0);
  InvalidateRect(window.Handle(), nullptr, FALSE);
  window.ClearSeen();
  PumpPending();
  EXPECT_EQ(window.SeenOf({kFirst, WM_PAINT, WM_TIMER}), (std::vector<UINT>{kFirst, WM_PAINT, WM_TIMER}));
  EXPECT_EQ(window.Count(WM_TIMER), 1);

  EXPECT_TRUE(PumpUntil([&] { return window.Count(WM_TIMER) >= 4; }));
  EXPECT_TRUE(KillTimer(window.Handle(), 5));
  window.ClearSeen();
  Sleep(40);
  PumpPending();
  EXPECT_EQ(window.Count(WM_TIMER), 0);
  EXPECT_FALSE(KillTimer(window.Handle(), 5));
}

TEST(MessageLoop, TimersOfADestroyedWindowStop) {
  auto window = std::make_unique<TestWindow>(TestWindow::Options{});
  SetTimer(window->Handle(), 1, 10, nullptr);
  PostMessage(window->Handle(), kFirst, 0, 0);
  window.reset();
  Sleep(30);
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) << "message " << msg.message;
}

// Subclassing: each layer keeps the procedure it replaced and passes
// messages on; taking the layers off in reverse order restores the original.
TEST(MessageLoop, SubclassingChainsAndRestoresInReverse) {
  static std::vector<std::string>* trace = nullptr;
  static WNDPROC outerPrevious = nullptr;
  static WNDPROC innerPrevious = nullptr;
  std::vector<std::string> calls;
  trace = &calls;
  TestWindow window({});
  window.handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == kFirst) calls.push_back("original");
    return std::nullopt;
  };
  const HWND hwnd = window.Handle();
  const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWLP_WNDPROC));
  WNDPROC inner = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == kFirst) trace->push_back("inner");
    return CallWindowProc(innerPrevious, h, m, w, l);
  };
  WNDPROC outer = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == kFirst) trace->push_back("outer");
    return CallWindowProc(outerPrevious, h, m, w, l);
  };
  innerPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtr(hwnd, GWLP_WNDPROC, LONG_PTR(inner)));
  outerPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtr(hwnd, GWLP_WNDPROC, LONG_PTR(outer)));
  EXPECT_EQ(innerPrevious, original);
  SendMessage(hwnd, kFirst, 0, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"outer", "inner", "original"}));

  EXPECT_EQ(SetWindowLongPtr(hwnd, GWLP_WNDPROC, LONG_PTR(outerPrevious)), LONG_PTR(outer));
  EXPECT_EQ(SetWindowLongPtr(hwnd, GWLP_WNDPROC, LONG_PTR(innerPrevious)), LONG_PTR(inner));
  calls.clear();
  SendMessage(hwnd, kFirst, 0, 0);
  EXPECT_EQ(calls, std::vector<std::string>{"original"});
  trace = nullptr;
}

TEST(MessageLoop, CreationAndDestructionMessages) {
  TestWindow parent({});
  auto child = std::make_unique<TestWindow>(
      TestWindow::Options{.style = WS_CHILD | WS_VISIBLE, .rect = {10, 10, 50, 40}, .parent = parent.Handle(), .handler = {}});
  EXPECT_EQ(child->SeenOf({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
  std::vector<std::string> order;
  parent.handler = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY) order.push_back("parent destroy");
    if (m == WM_NCDESTROY) order.push_back("parent ncdestroy");
    return std::nullopt;
  };
  child->handler = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY) order.push_back("child destroy");
    if (m == WM_NCDESTROY) order.push_back("child ncdestroy");
    return std::nullopt;
  };
  const HWND childHandle = child->Handle();
  DestroyWindow(parent.Handle());
  EXPECT_FALSE(IsWindow(childHandle));
  EXPECT_EQ(order, (std::vector<std::string>{"parent destroy", "child destroy", "child ncdestroy", "parent ncdestroy"}));
}

}  // namespace
}  // namespace qb::test
