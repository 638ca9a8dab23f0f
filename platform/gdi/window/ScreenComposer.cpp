#include "platform/gdi/window/ScreenComposer.h"

#include <algorithm>

#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/png/PngFile.h"
#include "platform/script/ScreenshotHook.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/SystemMetrics.h"

namespace qb {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

enum class Mode { kOpaque, kContent, kAttributes, kHidden };

Mode ModeOf(const ScreenWindow& w) {
  if (!w.layered) return Mode::kOpaque;
  if (w.layeredState->hasContent) return Mode::kContent;
  if (w.layeredState->hasAttributes) return Mode::kAttributes;
  return Mode::kHidden;
}

// Draws one window's row segment [x0, x1) (window coordinates) of row y
// onto `out`, which points at the screen pixel of window column x0.
void ComposeRun(const ScreenWindow& w, Mode mode, const std::uint32_t* src, int count, std::uint32_t* out) {
  const LayeredState* state = w.layeredState;
  switch (mode) {
    case Mode::kOpaque:
      for (int i = 0; i < count; ++i) out[i] = src[i] | kOpaque;
      break;
    case Mode::kContent: {
      const std::uint32_t alpha = state->constantAlpha;
      const bool keyed = state->attributeFlags & LWA_COLORKEY;
      const std::uint32_t key = PixelFromColor(state->colorKey & 0xFFFFFF);
      for (int i = 0; i < count; ++i) {
        if (keyed && (src[i] & 0xFFFFFF) == key) continue;
        const std::uint32_t s = alpha == 255 ? src[i] : ScalePixel(src[i], alpha);
        out[i] = BlendPremultiplied(s, out[i]);
      }
      break;
    }
    case Mode::kAttributes: {
      const std::uint32_t alpha = (state->attributeFlags & LWA_ALPHA) ? state->constantAlpha : 255;
      const bool keyed = state->attributeFlags & LWA_COLORKEY;
      const std::uint32_t key = PixelFromColor(state->colorKey & 0xFFFFFF);
      for (int i = 0; i < count; ++i) {
        if (keyed && (src[i] & 0xFFFFFF) == key) continue;
        out[i] = MixConstant(src[i] | kOpaque, out[i], alpha);
      }
      break;
    }
    case Mode::kHidden: break;
  }
}

void ComposeWindow(const ScreenWindow& w, Surface& screen) {
  const Mode mode = ModeOf(w);
  if (mode == Mode::kHidden) return;
  const Surface& source = mode == Mode::kContent ? w.layeredState->content : *w.store;
  // Everything in window coordinates: the window, its picture, its shape
  // and the screen.
  RECT area{0, 0, std::min<LONG>(w.rect.right - w.rect.left, source.Width()),
            std::min<LONG>(w.rect.bottom - w.rect.top, source.Height())};
  area.left = std::max(area.left, -w.rect.left);
  area.top = std::max(area.top, -w.rect.top);
  area.right = std::min(area.right, screen.Width() - w.rect.left);
  area.bottom = std::min(area.bottom, screen.Height() - w.rect.top);
  if (area.left >= area.right || area.top >= area.bottom) return;
  Region visible(area);
  if (w.shape) visible = visible.Intersect(*w.shape);
  for (const RECT& r : visible.Rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) {
      ComposeRun(w, mode, source.Row(y) + r.left, r.right - r.left,
                 screen.Row(y + w.rect.top) + r.left + w.rect.left);
    }
  }
}

}  // namespace

Surface ComposeScreen() {
  Surface screen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::fill(screen.Data(), screen.Data() + std::size_t(screen.Width()) * std::size_t(screen.Height()),
            PixelFromColor(GetSysColor(COLOR_BACKGROUND)) | kOpaque);
  for (const ScreenWindow& w : VisibleTopLevelsBottomToTop()) ComposeWindow(w, screen);
  return screen;
}

Surface CaptureWindow(HWND hwnd) {
  const PaintTarget target = GetPaintTarget(hwnd, true);
  if (!target.store) return Surface();
  if (const LayeredState* state = GetLayeredState(hwnd); state && state->hasContent) return state->content;
  Surface picture = *target.store;
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) row[x] |= kOpaque;
  }
  return picture;
}

void WriteScreenPng(const std::filesystem::path& file) { WritePng(ComposeScreen(), file); }

void WriteWindowPng(HWND hwnd, const std::filesystem::path& file) {
  WritePng(CaptureWindow(hwnd), file, PngAlpha::kKeep);
}

void InstallScreenshotWriter() {
  SetScreenshotWriter([](const std::filesystem::path& file) {
    try {
      WriteScreenPng(file);
      return true;
    } catch (const PngError&) {
      return false;
    }
  });
}

}  // namespace qb
