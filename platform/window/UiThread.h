// The user-interface thread's own state: its message queue, timers, window
// registry and input state. This is the one place of process-wide mutable
// state of the window layer; everything in it except the cross-thread part
// (guarded by `mutex`) is touched only on the user-interface thread.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/backend/RawInput.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/Window.h"

namespace qb {

struct RawEvent {
  enum class Kind { kMove, kButton, kKey, kFocus, kComposition } kind = Kind::kMove;
  POINT point;
  MouseButton button = MouseButton::kLeft;
  int virtualKey = 0;
  bool down = false;
  char32_t character = 0;
  HWND window = nullptr;
};

// Input turned into a message, still carrying the character its key typed.
struct CookedInput {
  MSG msg;
  char32_t character = 0;
};

struct CrossThreadSend {
  MSG msg;
  LRESULT result = 0;
  bool done = false;
};

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  Clock::duration interval{};
  Clock::time_point due;
  TIMERPROC proc = nullptr;
};

struct InputState {
  POINT cursor;
  HWND capture = nullptr;
  HWND active = nullptr;
  HWND focus = nullptr;
  HWND menu = nullptr;  // takes the keyboard while set (SetMenuKeyboard)
  HCURSOR cursorHandle = nullptr;
  bool clickActivation = false;  // the activation under way comes from a click
  std::array<BYTE, 256> keys{};  // 0x80: down, 0x01: toggled
  HWND hover = nullptr;           // the window under the pointer at the last pointer event
  LRESULT hoverHit = HTNOWHERE;
  HWND tracked = nullptr;         // TrackMouseEvent's window, or null
  bool trackedNonClient = false;
  // The key message retrieved last and the character the display gave it,
  // for TranslateMessage.
  MSG typedKey;
  char32_t typedCharacter = 0;
  struct Click {
    HWND hwnd = nullptr;
    UINT message = 0;
    DWORD time = 0;
    POINT point;
  } lastClick;
};

class UiThread {
 public:
  static UiThread& Get();

  // Guarded by mutex.
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<MSG> posted;
  std::deque<CrossThreadSend*> sends;
  std::deque<RawEvent> raw;
  bool quitPending = false;
  int quitCode = 0;
  // Counts every arrival (posts, sends, input, quit), so that a waiting loop
  // wakes for news even while older messages stay filtered out.
  std::uint64_t arrivals = 0;

  // Written once, before `started` is set; other threads read them to tell
  // whether a send has to cross over.
  std::thread::id owner;
  std::atomic<bool> started = false;

  // User-interface thread only.
  std::deque<CookedInput> cooked;  // input turned into messages, not yet retrieved
  std::vector<Timer> timers;
  UINT_PTR nextThreadTimerId = 1;
  std::vector<HWND> topLevels;  // top of the z-order first
  std::unordered_set<HWND> windows;
  std::map<std::u16string, std::shared_ptr<const WindowClass>> classes;  // by lower-case name
  InputState input;
  std::unique_ptr<Backend> backend;
  LoopAgent agent;
  bool agentRunning = false;
};

// Pieces of the core shared between its files.
bool IsLive(HWND hwnd);
bool CookRawEvent(const RawEvent& event, MSG* msg);
bool FindPaintMessage(HWND filter, MSG* msg);
void ForgetInputReferences(HWND hwnd);
void ForgetTimers(HWND hwnd);
void ForgetQueuedMessages(HWND hwnd);
std::optional<Clock::time_point> NextTimerDue();
void ServeCrossThreadSends();
void ActivateAfterHiding(HWND hidden);
// Whether a top-level window shows the pixel at (x, y) of its window: false
// where a layered window's content has alpha 0, its colour key shows or its
// constant alpha is 0, or it shows nothing yet; such pixels let the pointer
// through to what lies below. True for every pixel of other windows.
bool LayeredPixelShown(HWND top, LONG x, LONG y);
void RestackBackend();
// Which children an invalidation reaches: by default those of a parent
// without WS_CLIPCHILDREN.
enum class ChildInvalidation { kDefault, kAll, kNone };
void InvalidateWindowArea(HWND hwnd, const Region& clientArea, bool erase, ChildInvalidation children);
void InvalidateParentUnder(HWND child);
void AfterTopLevelResize(HWND hwnd);
void RunSizeMoveLoop(HWND hwnd, WPARAM command);

}  // namespace qb
