#include <algorithm>

#include "platform/backend/SelectBackend.h"
#include "platform/events/EventLog.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

void NoteArrival(UiThread& ui) {
  ++ui.arrivals;
  ui.wake.notify_all();
}

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool Matches(const MSG& msg, HWND filter, UINT first, UINT last) {
  return (!filter || msg.hwnd == filter) && InRange(msg.message, first, last);
}

bool FindTimerMessage(HWND filter, bool remove, MSG* msg) {
  UiThread& ui = UiThread::Get();
  const Clock::time_point now = Clock::now();
  Timer* due = nullptr;
  for (Timer& timer : ui.timers) {
    if (timer.due > now || (filter && timer.hwnd != filter)) continue;
    if (!due || timer.due < due->due) due = &timer;
  }
  if (!due) return false;
  *msg = MSG{due->hwnd, WM_TIMER, due->id, LPARAM(due->proc), 0, {}};
  if (remove) {
    // One tick per retrieval however late the loop is: the next one is due
    // an interval later, or an interval from now when that has passed.
    due->due += due->interval;
    if (due->due <= now) due->due = now + due->interval;
  }
  return true;
}

bool Retrieve(MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
  UiThread& ui = UiThread::Get();
  ServeCrossThreadSends();
  bool found = false;
  bool fromInput = false;
  char32_t typed = 0;
  {
    std::lock_guard lock(ui.mutex);
    auto it = std::find_if(ui.posted.begin(), ui.posted.end(),
                           [&](const MSG& m) { return Matches(m, filter, first, last); });
    if (it != ui.posted.end()) {
      *msg = *it;
      if (remove) ui.posted.erase(it);
      found = true;
    }
  }
  while (!found) {
    auto it = std::find_if(ui.cooked.begin(), ui.cooked.end(),
                           [&](const CookedInput& c) { return Matches(c.msg, filter, first, last); });
    if (it != ui.cooked.end()) {
      *msg = it->msg;
      typed = it->character;
      fromInput = true;
      if (remove) ui.cooked.erase(it);
      found = true;
      break;
    }
    RawEvent event;
    {
      std::lock_guard lock(ui.mutex);
      if (ui.raw.empty()) break;
      event = ui.raw.front();
      ui.raw.pop_front();
    }
    MSG cooked;
    if (CookRawEvent(event, &cooked)) ui.cooked.push_back(CookedInput{cooked, event.character});
  }
  if (!found) {
    std::lock_guard lock(ui.mutex);
    if (ui.quitPending) {
      *msg = MSG{nullptr, WM_QUIT, WPARAM(ui.quitCode), 0, 0, {}};
      if (remove) ui.quitPending = false;
      found = true;
    }
  }
  if (!found && InRange(WM_PAINT, first, last)) found = FindPaintMessage(filter, msg);
  if (!found && InRange(WM_TIMER, first, last)) found = FindTimerMessage(filter, remove, msg);
  if (found) {
    msg->time = GetTickCount();
    if (msg->message != WM_MOUSEMOVE && msg->message != WM_NCMOUSEMOVE) msg->pt = ui.input.cursor;
  }
  if (fromInput && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN)) {
    ui.input.typedKey = *msg;
    ui.input.typedCharacter = typed;
  }
  return found;
}

bool SameMessage(const MSG& a, const MSG& b) {
  return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
         a.time == b.time;
}

// What a key types when the display did not say: the keys the scripted
// user and the headless backend press.
char32_t CharacterOfKey(int key, bool shift) {
  if (key == VK_RETURN) return u'\r';
  if (key == VK_ESCAPE) return 0x1B;
  if (key == VK_SPACE) return u' ';
  if (key == VK_TAB) return u'\t';
  if (key == VK_BACK) return 0x08;
  if (key >= '0' && key <= '9') return char32_t(key);
  if (key >= 'A' && key <= 'Z') return char32_t(shift ? key : key - 'A' + 'a');
  return 0;
}

std::optional<Clock::time_point> RunAgent() {
  UiThread& ui = UiThread::Get();
  if (!ui.agent || ui.agentRunning) return std::nullopt;
  LoopAgent agent = ui.agent;
  ui.agentRunning = true;
  std::optional<Clock::time_point> next;
  try {
    next = agent();
  } catch (...) {
    ui.agentRunning = false;
    throw;
  }
  ui.agentRunning = false;
  return next;
}

std::uint64_t ArrivalsSoFar() {
  std::lock_guard lock(UiThread::Get().mutex);
  return UiThread::Get().arrivals;
}

// Sleeps until something arrives from another thread, or until the next
// timer or the agent is due.
void WaitForNews(std::uint64_t seen, std::optional<Clock::time_point> agentDue) {
  UiThread& ui = UiThread::Get();
  std::optional<Clock::time_point> deadline = NextTimerDue();
  if (agentDue && (!deadline || *agentDue < *deadline)) deadline = agentDue;
  std::unique_lock lock(ui.mutex);
  auto news = [&] { return ui.arrivals != seen; };
  if (deadline) {
    ui.wake.wait_until(lock, *deadline, news);
  } else {
    ui.wake.wait(lock, news);
  }
}

}  // namespace

UiThread& UiThread::Get() {
  // Lives as long as the process: windows may still be destroyed by static
  // destructors after main returns.
  static UiThread* instance = new UiThread;
  return *instance;
}

void InitUserInterfaceThread() {
  UiThread& ui = UiThread::Get();
  if (ui.started) return;
  ui.owner = std::this_thread::get_id();
  ui.started = true;
  ui.backend = CreateBackend();
  ui.input.cursorHandle = LoadCursor(nullptr, IDC_ARROW);
}

bool IsUserInterfaceThread() {
  const UiThread& ui = UiThread::Get();
  return ui.started && ui.owner == std::this_thread::get_id();
}

Backend& CurrentBackend() {
  InitUserInterfaceThread();
  return *UiThread::Get().backend;
}

void ServeCrossThreadSends() {
  UiThread& ui = UiThread::Get();
  for (;;) {
    CrossThreadSend* send = nullptr;
    {
      std::lock_guard lock(ui.mutex);
      if (ui.sends.empty()) return;
      send = ui.sends.front();
      ui.sends.pop_front();
    }
    const LRESULT result = SendMessage(send->msg.hwnd, send->msg.message, send->msg.wParam, send->msg.lParam);
    std::lock_guard lock(ui.mutex);
    send->result = result;
    send->done = true;
    ui.wake.notify_all();
  }
}

void ForgetQueuedMessages(HWND hwnd) {
  UiThread& ui = UiThread::Get();
  std::erase_if(ui.cooked, [hwnd](const CookedInput& c) { return c.msg.hwnd == hwnd; });
  std::lock_guard lock(ui.mutex);
  std::erase_if(ui.posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

void SetLoopAgent(LoopAgent agent) {
  UiThread& ui = UiThread::Get();
  ui.agent = std::move(agent);
  std::lock_guard lock(ui.mutex);
  NoteArrival(ui);
}

void HandBackQuit(int exitCode) {
  UiThread& ui = UiThread::Get();
  std::lock_guard lock(ui.mutex);
  if (ui.quitPending) return;
  ui.quitPending = true;
  ui.quitCode = exitCode;
  NoteArrival(ui);
}

bool RunModalUntil(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    const std::uint64_t seen = ArrivalsSoFar();
    if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        HandBackQuit(int(msg.wParam));
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessage(&msg);
      continue;
    }
    if (done()) break;
    const auto agentDue = RunAgent();
    if (done()) break;
    WaitForNews(seen, agentDue);
  }
  return true;
}

}  // namespace qb

using qb::UiThread;

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  UiThread& ui = UiThread::Get();
  std::lock_guard lock(ui.mutex);
  ui.posted.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
  qb::NoteArrival(ui);
  return TRUE;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  UiThread& ui = UiThread::Get();
  if (ui.started && ui.owner != std::this_thread::get_id()) {
    qb::CrossThreadSend send;
    send.msg = MSG{hwnd, message, wParam, lParam, 0, {}};
    std::unique_lock lock(ui.mutex);
    ui.sends.push_back(&send);
    qb::NoteArrival(ui);
    ui.wake.wait(lock, [&] { return send.done; });
    return send.result;
  }
  if (!qb::IsLive(hwnd)) return 0;
  return CallWindowProc(hwnd->proc, hwnd, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  UiThread& ui = UiThread::Get();
  bool first = false;
  {
    std::lock_guard lock(ui.mutex);
    first = !ui.quitPending;
    ui.quitPending = true;
    ui.quitCode = exitCode;
    qb::NoteArrival(ui);
  }
  if (first) qb::events::Log("quit", {{"code", std::int64_t(exitCode)}});
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT removeFlags) {
  const bool remove = (removeFlags & PM_REMOVE) != 0;
  if (qb::Retrieve(msg, hwnd, first, last, remove)) return TRUE;
  qb::RunAgent();
  return qb::Retrieve(msg, hwnd, first, last, remove) ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last) {
  for (;;) {
    const std::uint64_t seen = qb::ArrivalsSoFar();
    if (qb::Retrieve(msg, hwnd, first, last, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
    const auto agentDue = qb::RunAgent();
    if (qb::Retrieve(msg, hwnd, first, last, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
    qb::WaitForNews(seen, agentDue);
  }
}

BOOL WaitMessage() {
  MSG msg;
  for (;;) {
    const std::uint64_t seen = qb::ArrivalsSoFar();
    if (qb::Retrieve(&msg, nullptr, 0, 0, false)) return TRUE;
    const auto agentDue = qb::RunAgent();
    if (qb::Retrieve(&msg, nullptr, 0, 0, false)) return TRUE;
    qb::WaitForNews(seen, agentDue);
  }
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  UiThread& ui = UiThread::Get();
  const qb::InputState& input = ui.input;
  char32_t ch = 0;
  if (input.typedCharacter != 0 && qb::SameMessage(*msg, input.typedKey)) {
    ch = input.typedCharacter;
  } else {
    ch = qb::CharacterOfKey(int(msg->wParam), (GetKeyState(VK_SHIFT) & 0x8000) != 0);
  }
  if (ch == 0) return FALSE;
  const UINT charMessage = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  std::lock_guard lock(ui.mutex);
  // The character comes before anything posted meanwhile, right after its
  // key; one beyond the first plane comes as its two surrogates in turn.
  if (ch > 0xFFFF) {
    ch -= 0x10000;
    ui.posted.push_front(MSG{msg->hwnd, charMessage, WPARAM(0xDC00 + (ch & 0x3FF)), msg->lParam, 0, {}});
    ch = 0xD800 + (ch >> 10);
  }
  ui.posted.push_front(MSG{msg->hwnd, charMessage, WPARAM(ch), msg->lParam, 0, {}});
  qb::NoteArrival(ui);
  return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!qb::IsLive(msg->hwnd)) return 0;
  return CallWindowProc(msg->hwnd->proc, msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
