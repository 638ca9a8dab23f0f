#include <algorithm>
#include <thread>

#include "platform/window/MessageApi.h"
#include "platform/window/UiThread.h"

namespace qb {

std::optional<Clock::time_point> NextTimerDue() {
  std::optional<Clock::time_point> next;
  for (const Timer& timer : UiThread::Get().timers) {
    if (!next || timer.due < *next) next = timer.due;
  }
  return next;
}

void ForgetTimers(HWND hwnd) {
  std::erase_if(UiThread::Get().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace qb

using qb::UiThread;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
  if (hwnd && !qb::IsLive(hwnd)) return 0;
  UiThread& ui = UiThread::Get();
  const auto interval = std::chrono::milliseconds(std::max<UINT>(intervalMs, 10));
  auto existing = std::find_if(ui.timers.begin(), ui.timers.end(),
                               [&](const qb::Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (existing == ui.timers.end()) {
    if (!hwnd) id = ui.nextThreadTimerId++;
    ui.timers.push_back(qb::Timer{hwnd, id, interval, {}, proc});
    existing = ui.timers.end() - 1;
  }
  existing->interval = interval;
  existing->proc = proc;
  existing->due = qb::Clock::now() + interval;
  return hwnd ? (id == 0 ? 1 : id) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  UiThread& ui = UiThread::Get();
  const auto removed =
      std::erase_if(ui.timers, [&](const qb::Timer& t) { return t.hwnd == hwnd && t.id == id; });
  return removed > 0 ? TRUE : FALSE;
}

DWORD GetTickCount() {
  const auto sinceStart = std::chrono::duration_cast<std::chrono::milliseconds>(
      qb::Clock::now().time_since_epoch());
  return DWORD(std::uint64_t(sinceStart.count()));
}

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
