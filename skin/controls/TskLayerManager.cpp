#include "skin/controls/TskLayerManager.h"

#include <algorithm>

#include "platform/gdi/window/LayeredWindow.h"

namespace qb {

namespace {

constexpr char16_t kGlowClass[] = u"QuillbrookGlowFrame";

LRESULT GlowWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, message, wParam, lParam);
}

void RegisterGlowClass() {
  WNDCLASS windowClass;
  windowClass.lpfnWndProc = GlowWindowProcedure;
  windowClass.lpszClassName = kGlowClass;
  // Fails harmlessly when the class exists already.
  RegisterClass(&windowClass);
}

}  // namespace

TskLayerManager::TskLayerManager(TComponent* owner) : TComponent(owner), fadeTimer_(std::make_unique<TTimer>(nullptr)) {
  fadeTimer_->SetEnabled(false);
  fadeTimer_->SetInterval(kFadeInterval);
  fadeTimer_->SetOnTimer([this](TObject*) { FadeTick(); });
}

TskLayerManager::~TskLayerManager() { Hide(); }

void TskLayerManager::Show(int x, int y, BYTE opacity, const TBitmap& mask, const TBitmap& picture) {
  Hide();
  // A glow that is not blended would be a solid block around the button.
  if (!PerPixelAlphaShown()) return;
  visible_ = true;
  RegisterGlowClass();
  const DWORD exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
  window_.Reset(CreateWindowEx(exStyle, kGlowClass, u"", WS_POPUP, x, y, picture.Width(), picture.Height(), nullptr,
                               0, nullptr));
  if (!window_) return;
  surface_ = std::make_unique<TskBitmap>();
  surface_->Assign(&picture);
  surface_->MaskToAlpha(mask);
  surface_->ClampColorsToAlpha();
  start_ = 0;
  Present();
  SetWindowPos(window_.Get(), Topmost ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  end_ = opacity;
  step_ = opacity / 10;
  fadeTimer_->SetEnabled(true);
}

void TskLayerManager::Hide() {
  fadeTimer_->SetEnabled(false);
  surface_.reset();
  visible_ = false;
  if (window_) {
    ShowWindow(window_.Get(), SW_HIDE);
    window_.Reset();
  }
}

void TskLayerManager::FadeTick() {
  if (!surface_ || !window_) return;
  start_ = std::min(start_ + step_, end_);
  Present();
  if (start_ == end_) fadeTimer_->SetEnabled(false);
}

void TskLayerManager::Present() {
  const SIZE size{surface_->Width(), surface_->Height()};
  const POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(start_), AC_SRC_ALPHA};
  UpdateLayeredWindow(window_.Get(), nullptr, nullptr, &size, surface_->DC(), &origin, 0, &blend, ULW_ALPHA);
}

}  // namespace qb
