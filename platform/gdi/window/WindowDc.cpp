#include "platform/gdi/window/WindowDc.h"

#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/MessageApi.h"
#include "platform/window/Messages.h"
#include "platform/window/PaintTarget.h"

namespace qb {
namespace {

class WindowDc : public HDC__ {
 public:
  WindowDc(HWND hwnd, bool wholeWindow, std::optional<Region> paintArea)
      : hwnd_(hwnd), wholeWindow_(wholeWindow), paintArea_(std::move(paintArea)) {}

  HWND Window() const { return hwnd_; }
  void Changed(const RECT&) override { dirty_ = true; }
  // Presents the window when something was drawn since the last call.
  void Flush() {
    if (dirty_) PresentWindow(hwnd_);
    dirty_ = false;
  }

 protected:
  Surface* Resolve(POINT& origin, std::optional<Region>& visible) override {
    const PaintTarget target = GetPaintTarget(hwnd_, wholeWindow_);
    if (!target.store) return nullptr;
    origin = wholeWindow_ ? target.windowOrigin : target.clientOrigin;
    Region area = target.visible;
    area.Offset(-origin.x, -origin.y);
    visible = paintArea_ ? area.Intersect(*paintArea_) : area;
    return target.store;
  }

 private:
  HWND hwnd_;
  bool wholeWindow_;
  std::optional<Region> paintArea_;  // device coordinates
  bool dirty_ = false;
};

// The screen as it looks when the context is used.
class ScreenDc : public HDC__ {
 protected:
  Surface* Resolve(POINT& origin, std::optional<Region>&) override {
    screen_ = ComposeScreen();
    origin = POINT{};
    return &screen_;
  }

 private:
  Surface screen_;
};

}  // namespace
}  // namespace qb

HDC GetDC(HWND hwnd) {
  if (!hwnd) return new qb::ScreenDc();
  if (!qb::GetPaintTarget(hwnd, false).store) return nullptr;
  return new qb::WindowDc(hwnd, false, std::nullopt);
}

HDC GetWindowDC(HWND hwnd) {
  if (!hwnd) return GetDC(nullptr);
  if (!qb::GetPaintTarget(hwnd, true).store) return nullptr;
  return new qb::WindowDc(hwnd, true, std::nullopt);
}

int ReleaseDC(HWND, HDC dc) {
  if (auto* window = dynamic_cast<qb::WindowDc*>(dc)) {
    window->Flush();
  } else if (!dynamic_cast<qb::ScreenDc*>(dc)) {
    return 0;
  }
  delete dc;
  return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  if (!paint || !qb::GetPaintTarget(hwnd, false).store) return nullptr;
  qb::UpdateTake take = qb::TakeUpdateRegion(hwnd);
  *paint = PAINTSTRUCT{};
  paint->rcPaint = take.region.Bounds();
  auto* dc = new qb::WindowDc(hwnd, false, std::move(take.region));
  paint->hdc = dc;
  if (take.erase) paint->fErase = SendMessage(hwnd, WM_ERASEBKGND, WPARAM(dc), 0) ? FALSE : TRUE;
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
  if (!paint) return FALSE;
  return ReleaseDC(hwnd, paint->hdc) ? TRUE : FALSE;
}

HWND WindowFromDC(HDC dc) {
  auto* window = dynamic_cast<qb::WindowDc*>(dc);
  return window ? window->Window() : nullptr;
}
