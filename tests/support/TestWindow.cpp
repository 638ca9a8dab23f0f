#include "tests/support/TestWindow.h"

#include <algorithm>

#include "platform/backend/RawInput.h"
#include "platform/window/ModalLoop.h"

namespace qb::test {
namespace {

const char16_t* ClassName(bool doubleClicks) { return doubleClicks ? u"QbTestWindowDbl" : u"QbTestWindow"; }

void RegisterTestClasses(WNDPROC proc) {
  for (bool doubleClicks : {false, true}) {
    WNDCLASS windowClass;
    windowClass.style = doubleClicks ? CS_DBLCLKS : 0;
    windowClass.lpfnWndProc = proc;
    windowClass.lpszClassName = ClassName(doubleClicks);
    RegisterClass(&windowClass);  // fails harmlessly when already registered
  }
}

void NoTick(HWND, UINT, UINT_PTR, DWORD) {}

}  // namespace

TestWindow::TestWindow(Options options) : handler(std::move(options.handler)) {
  RegisterTestClasses(&TestWindow::Procedure);
  const RECT& r = options.rect;
  hwnd_ = CreateWindowEx(options.exStyle, ClassName(options.doubleClicks), u"", options.style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, options.parent, 0, this);
}

TestWindow::~TestWindow() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

LRESULT TestWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtr(hwnd, GWLP_USERDATA,
                     LONG_PTR(reinterpret_cast<const CREATESTRUCT*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProc(hwnd, message, wParam, lParam);
  self->seen_.push_back({message, wParam, lParam});
  if (self->handler) {
    if (std::optional<LRESULT> answer = self->handler(hwnd, message, wParam, lParam)) return *answer;
  }
  if (message == WM_NCDESTROY) SetWindowLongPtr(hwnd, GWLP_USERDATA, 0);
  return DefWindowProc(hwnd, message, wParam, lParam);
}

std::vector<UINT> TestWindow::SeenOf(std::initializer_list<UINT> wanted) const {
  std::vector<UINT> out;
  for (const SeenMessage& m : seen_) {
    if (std::find(wanted.begin(), wanted.end(), m.message) != wanted.end()) out.push_back(m.message);
  }
  return out;
}

int TestWindow::Count(UINT message) const {
  return int(std::count_if(seen_.begin(), seen_.end(), [&](const SeenMessage& m) { return m.message == message; }));
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds watchdog) {
  // A thread timer keeps the loop waking up, so the watchdog is looked at
  // even when no message comes at all.
  const UINT_PTR ticker = SetTimer(nullptr, 0, 20, &NoTick);
  const auto deadline = Clock::now() + watchdog;
  RunModalUntil([&] { return done() || Clock::now() >= deadline; });
  KillTimer(nullptr, ticker);
  return done();
}

void PumpPending() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

}  // namespace qb::test
