// The hint window of frame objects: a small popup that shows one line of
// text near the pointer until it is hidden. With a skin data whose
// [HINTWINDOW] record names a picture it is drawn from that picture (shaped
// by its mask) in the record's font; otherwise it is a plain box in the
// system's hint colours, Tahoma 13.
//
// The window never activates and lets pointer input pass through, so the
// frame object under it keeps its hover state.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "platform/window/WindowApi.h"
#include "toolkit/component/TComponent.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskSkinData;

class TskSkinHint : public TComponent {
 public:
  // The window's offset below the pointer, so that it does not hide what
  // the pointer is on.
  static constexpr int kPointerGap = 20;

  explicit TskSkinHint(TComponent* owner);
  ~TskSkinHint() override;

  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* data);

  // Shows `text` with the window's top-left at the screen point, moved
  // inside the screen; a hint already shown is replaced. Empty text hides.
  void ActivateHint(POINT at, const std::u16string& text);
  // The same below the pointer.
  void ActivateHint(const std::u16string& text);
  void HideHint();

  bool Visible() const { return static_cast<bool>(window_); }
  const std::u16string& Text() const { return text_; }
  HWND Window() const { return window_.Get(); }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Composes the window's picture for `text` into look_.
  void ComposeLook();

  TskSkinData* skinData_ = nullptr;
  std::u16string text_;
  TBitmap look_;
  OwnedWindow window_;
};

}  // namespace qb
