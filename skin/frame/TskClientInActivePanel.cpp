#include "skin/frame/TskClientInActivePanel.h"

#include "platform/gdi/Blit.h"
#include "platform/window/WindowApi.h"

namespace qb {

TskClientInActivePanel::TskClientInActivePanel(TCustomForm& form, const TskBitmap& look) : TCustomControl(nullptr) {
  look_.Assign(&look);
  SetParent(&form);
  const RECT client = form.ClientRect();
  SetBounds(client.left, client.top, client.right - client.left, client.bottom - client.top);
  // Above every control of the form, which the picture shows in its place.
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TskClientInActivePanel::Paint() {
  if (look_.Empty()) return;
  BitBlt(Canvas().Handle(), 0, 0, look_.Width(), look_.Height(), look_.DC(), 0, 0, SRCCOPY);
}

void MakeInActiveClientLook(TskBitmap& snapshot, const TskBitmap& background, TskClientInActiveEffect effect) {
  if (snapshot.Empty()) return;
  if (effect == skieBlur) {
    snapshot.StackBlur(TskClientInActivePanel::kBlurRadius);
    return;
  }
  TskBitmap faded;
  faded.Assign(&background);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, TskClientInActivePanel::kFadeAlpha, 0};
  AlphaBlend(faded.DC(), 0, 0, snapshot.Width(), snapshot.Height(), snapshot.DC(), 0, 0, snapshot.Width(),
             snapshot.Height(), blend);
  snapshot.Assign(&faded);
  snapshot.SetAlpha(255);
}

}  // namespace qb
