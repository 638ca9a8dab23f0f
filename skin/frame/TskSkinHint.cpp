#include "skin/frame/TskSkinHint.h"

#include <algorithm>

#include "platform/gdi/Blit.h"
#include "platform/gdi/text/Text.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/SystemMetrics.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/SkinWindowPicture.h"

namespace qb {

namespace {

constexpr char16_t kClassName[] = u"TskSkinHintWindow";
// Room between the text and the inner edge of the picture or the box.
constexpr int kTextPadX = 4;
constexpr int kTextPadY = 2;

void RegisterHintClass(WNDPROC procedure) {
  WNDCLASS windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.lpszClassName = kClassName;
  RegisterClass(&windowClass);  // fails harmlessly once the class exists
}

SkinWindowPicture HintPicture(const TskSkinData* data) {
  if (data == nullptr || data->Empty()) return SkinWindowPicture{};
  const TskDataSkinHintWindow& record = data->HintWindow();
  return SkinWindowPicture::Of(data, record, record.clientrect);
}

}  // namespace

TskSkinHint::TskSkinHint(TComponent* owner) : TComponent(owner) {}

TskSkinHint::~TskSkinHint() { HideHint(); }

void TskSkinHint::SetSkinData(TskSkinData* data) {
  if (skinData_ != nullptr && skinData_ != data) skinData_->RemoveFreeNotification(this);
  skinData_ = data;
  if (data != nullptr) data->FreeNotification(this);
}

void TskSkinHint::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == skinData_) {
    HideHint();
    skinData_ = nullptr;
  }
}

void TskSkinHint::ComposeLook() {
  const SkinWindowPicture picture = HintPicture(skinData_);
  TFont font;
  font.SetName(u"Tahoma");
  font.SetHeight(13);
  font.SetColor(clInfoText);
  if (picture.Usable()) {
    const TskDataSkinHintWindow& record = skinData_->HintWindow();
    font.SetName(record.fontname);
    font.SetHeight(record.fontheight);
    font.SetStyle(record.fontstyle);
    font.SetColor(record.fontcolor);
  }
  look_.SetSize(1, 1);
  TCanvas& canvas = look_.Canvas();
  canvas.Font().Assign(&font);
  const SIZE text = canvas.TextExtent(text_);
  const RECT margins = picture.Margins();
  const SIZE least = picture.MinimumSize();
  const int width = std::max<int>(least.cx, margins.left + text.cx + 2 * kTextPadX + margins.right);
  const int height = std::max<int>(least.cy, margins.top + text.cy + 2 * kTextPadY + margins.bottom);
  RECT inner{0, 0, width, height};
  if (picture.Usable()) {
    picture.Compose(width, height, look_);
    inner = picture.InnerFor(width, height);
  } else {
    look_.SetSize(width, height);
    TCanvas& box = look_.Canvas();
    box.Brush().SetColor(clInfoBk);
    box.FillRect(inner);
    box.Brush().SetColor(clInfoText);
    box.FrameRect(inner);
  }
  TCanvas& target = look_.Canvas();
  target.Font().Assign(&font);
  target.Brush().SetStyle(bsClear);
  target.DrawText(inner, text_, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TskSkinHint::ActivateHint(POINT at, const std::u16string& text) {
  HideHint();
  if (text.empty()) return;
  text_ = text;
  ComposeLook();
  const int width = look_.Width();
  const int height = look_.Height();
  at.x = std::clamp<int>(at.x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
  at.y = std::clamp<int>(at.y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - height));
  RegisterHintClass(&TskSkinHint::Procedure);
  const DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
  window_.Reset(CreateWindowEx(exStyle, kClassName, u"", WS_POPUP, at.x, at.y, width, height, nullptr, 0, nullptr));
  if (!window_) return;
  SetWindowLongPtr(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (GdiHandle<HRGN> shape = HintPicture(skinData_).Shape(width, height))
    SetWindowRgn(window_.Get(), shape.release(), FALSE);
  ShowWindow(window_.Get(), SW_SHOWNOACTIVATE);
  UpdateWindow(window_.Get());
}

void TskSkinHint::ActivateHint(const std::u16string& text) {
  POINT cursor{};
  GetCursorPos(&cursor);
  ActivateHint(POINT{cursor.x, cursor.y + kPointerGap}, text);
}

void TskSkinHint::HideHint() {
  text_.clear();
  if (!window_) return;
  SetWindowLongPtr(window_.Get(), GWLP_USERDATA, 0);
  window_.Reset();
}

LRESULT TskSkinHint::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* hint = reinterpret_cast<TskSkinHint*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (hint == nullptr) return DefWindowProc(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      BitBlt(dc, 0, 0, hint->look_.Width(), hint->look_.Height(), hint->look_.Canvas().Handle(), 0, 0, SRCCOPY);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_NCHITTEST: return HTTRANSPARENT;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace qb
