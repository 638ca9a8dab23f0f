#include "skin/frame/TskSystemMenu.h"

#include <algorithm>

#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Text.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/SkinWindowPicture.h"
#include "skin/frame/TskSkinForm.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

namespace {

constexpr char16_t kClassName[] = u"TskSystemMenuPopup";
constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr int kTextLeft = 22;
constexpr int kShortCutGap = 24;
constexpr int kMinWidth = 120;
// The plain box's border.
constexpr RECT kPlainMargins{2, 2, 2, 2};

void UseMenuFont(TCanvas& canvas) {
  canvas.Font().SetName(u"Tahoma");
  canvas.Font().SetHeight(13);
}

void RegisterPopupClass(WNDPROC procedure) {
  WNDCLASS windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.lpszClassName = kClassName;
  RegisterClass(&windowClass);  // fails harmlessly once the class exists
}

const TskSkinData* MenuSkin(const TskSkinForm& form) {
  const TskSkinData* data = form.MenusSkinData() != nullptr ? form.MenusSkinData() : form.SkinData();
  return data != nullptr && !data->Empty() ? data : nullptr;
}

SkinWindowPicture MenuPicture(const TskSkinData* data) {
  if (data == nullptr) return SkinWindowPicture{};
  const TskDataSkinPopupWindow& record = data->PopupWindow();
  return SkinWindowPicture::Of(data, record, record.itemsrect);
}

}  // namespace

TskSystemMenu::TskSystemMenu(TskSkinForm& owner) : owner_(owner) {}

TskSystemMenu::~TskSystemMenu() { Close(); }

std::vector<SystemMenuItem> TskSystemMenu::BuildItems() const {
  TskSkinForm& f = owner_;
  const TskBorderIcons icons = f.BorderIcons();
  const TWindowState state = f.WindowState();
  const TskSkinData* data = f.MenusSkinData() != nullptr ? f.MenusSkinData() : f.SkinData();
  const TskResourceStrData* strings = data != nullptr ? data->ResourceStrData() : nullptr;
  auto caption = [strings](const char16_t* key, const char16_t* fallback) {
    if (strings != nullptr) {
      std::u16string value = strings->GetResStr(key);
      if (!value.empty()) return value;
    }
    return std::u16string(fallback);
  };
  std::vector<SystemMenuItem> items;
  if (state != wsMinimized && icons.Contains(TskBorderIcon::biMinimize))
    items.push_back({u"SKF_MINITEM", caption(u"MI_MINCAPTION", u"Mi&nimize"), u"",
                     [&f] { f.ExecuteCommand(TskStdCommand::cmMinimize); }});
  if (state != wsMaximized && icons.Contains(TskBorderIcon::biMaximize))
    items.push_back({u"SKF_MAXITEM", caption(u"MI_MAXCAPTION", u"Ma&ximize"), u"",
                     [&f] { f.SetFrameState(wsMaximized); }});
  if (state != wsNormal || f.RolledUp())
    items.push_back({u"SKF_RESTORE", caption(u"MI_RESTORECAPTION", u"&Restore"), u"", [&f] {
                       if (f.RolledUp())
                         f.ToggleRollUp();
                       else
                         f.SetFrameState(wsNormal);
                     }});
  if (icons.Contains(TskBorderIcon::biRollUp) && !f.RolledUp() && state != wsMinimized)
    items.push_back({u"SKF_ROLLUP", caption(u"MI_ROLLUPCAPTION", u"Ro&llUp"), u"", [&f] { f.ToggleRollUp(); }});
  if (icons.Contains(TskBorderIcon::biMinimizeToTray))
    items.push_back({u"SKF_MINTOTRAY", caption(u"MI_MINTOTRAYCAPTION", u"Minimize to &Tray"), u"",
                     [&f] { f.MinimizeToTray(); }});
  if (!items.empty()) items.push_back({u"", u"", u"", nullptr});
  items.push_back({u"SKF_CLOSE", caption(u"MI_CLOSECAPTION", u"&Close"), u"Alt+F4",
                   [&f] { f.ExecuteCommand(TskStdCommand::cmClose); }});
  return items;
}

int TskSystemMenu::ItemTop(int index) const {
  int y = margins_.top;
  for (int i = 0; i < index; ++i) y += items_[std::size_t(i)].Separator() ? kSeparatorHeight : kItemHeight;
  return y;
}

int TskSystemMenu::ItemAt(int y) const {
  for (int i = 0; i < int(items_.size()); ++i) {
    const int top = ItemTop(i);
    const int height = items_[std::size_t(i)].Separator() ? kSeparatorHeight : kItemHeight;
    if (y >= top && y < top + height) return items_[std::size_t(i)].Separator() ? -1 : i;
  }
  return -1;
}

void TskSystemMenu::Popup(int x, int y) {
  Close();
  items_ = BuildItems();
  RegisterPopupClass(&TskSystemMenu::Procedure);
  const SkinWindowPicture picture = MenuPicture(MenuSkin(owner_));
  margins_ = picture.Usable() ? picture.Margins() : kPlainMargins;
  TCanvas measure;
  measure.SetHandle(GetDC(nullptr));
  UseMenuFont(measure);
  int content = 0;
  for (const SystemMenuItem& item : items_)
    content = std::max(content, kTextLeft + measure.TextWidth(item.Caption) + kShortCutGap +
                                    measure.TextWidth(item.ShortCut) + 8);
  // The canvas puts its original objects back into the context when it lets
  // go of it, so it must let go before the context is released.
  HDC screen = measure.Handle();
  measure.SetHandle(nullptr);
  ReleaseDC(nullptr, screen);
  const SIZE least = picture.MinimumSize();
  const int width = std::max({kMinWidth, int(least.cx), int(margins_.left + content + margins_.right)});
  const int height = std::max<int>(least.cy, ItemTop(int(items_.size())) + margins_.bottom);
  ComposeLook(width, height);
  HWND owner = owner_.Form().HandleAllocated() ? owner_.Form().Handle() : nullptr;
  window_ = OwnedWindow(CreateWindowEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, u"", WS_POPUP, x, y, width,
                                       height, owner, 0, nullptr));
  if (!window_) return;
  SetWindowLongPtr(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (GdiHandle<HRGN> shape = picture.Shape(width, height)) SetWindowRgn(window_.Get(), shape.release(), FALSE);
  ShowWindow(window_.Get(), SW_SHOWNOACTIVATE);
  SetCapture(window_.Get());
  SetMenuKeyboard(window_.Get());
}

void TskSystemMenu::Close() {
  if (!window_) return;
  if (GetCapture() == window_.Get()) ReleaseCapture();
  if (MenuKeyboard() == window_.Get()) SetMenuKeyboard(nullptr);
  SetWindowLongPtr(window_.Get(), GWLP_USERDATA, 0);
  window_ = OwnedWindow();
  hot_ = -1;
  if (OnClose) {
    auto done = std::move(OnClose);
    OnClose = nullptr;
    done();
  }
}

void TskSystemMenu::Choose(int index) {
  if (index < 0 || index >= int(items_.size()) || items_[std::size_t(index)].Separator()) return;
  const std::function<void()> action = items_[std::size_t(index)].Action;
  Close();
  if (action) action();
}

void TskSystemMenu::SetHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  if (window_) InvalidateRect(window_.Get(), nullptr, TRUE);
}

int TskSystemMenu::NextItem(int step) const {
  const int count = int(items_.size());
  if (count == 0) return -1;
  // From no highlight, Down starts at the first item and Up at the last.
  int index = hot_ != -1 ? hot_ : (step > 0 ? count - 1 : 0);
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step + count) % count;
    if (!items_[std::size_t(index)].Separator()) return index;
  }
  return -1;
}

void TskSystemMenu::HandleKey(WPARAM key) {
  switch (key) {
    case VK_DOWN: SetHot(NextItem(1)); break;
    case VK_UP: SetHot(NextItem(-1)); break;
    case VK_RETURN:
      if (hot_ != -1)
        Choose(hot_);
      else
        Close();
      break;
    case VK_ESCAPE: Close(); break;
    default: break;
  }
}

void TskSystemMenu::ComposeLook(int width, int height) {
  const TskSkinData* data = MenuSkin(owner_);
  const SkinWindowPicture picture = MenuPicture(data);
  if (picture.Usable()) {
    picture.Compose(width, height, look_);
    const TskSkinColors& c = data->SkinColors();
    colours_ = Colours{c.cbtntext, c.chighlight, c.chighlighttext, c.cbtnshadow};
    return;
  }
  look_.SetSize(width, height);
  TCanvas& canvas = look_.Canvas();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(RECT{0, 0, width, height});
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(RECT{0, 0, width, height});
  colours_ = Colours{};
}

void TskSystemMenu::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_.Get(), &client);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Draw(0, 0, look_);
  UseMenuFont(canvas);
  SetBkMode(dc, TRANSPARENT);
  const int left = margins_.left;
  const int right = client.right - margins_.right;
  for (int i = 0; i < int(items_.size()); ++i) {
    const SystemMenuItem& item = items_[std::size_t(i)];
    const int top = ItemTop(i);
    if (item.Separator()) {
      canvas.Pen().SetColor(colours_.separator);
      canvas.MoveTo(left + 2, top + kSeparatorHeight / 2);
      canvas.LineTo(right - 2, top + kSeparatorHeight / 2);
      continue;
    }
    RECT row{left, top, right, top + kItemHeight};
    if (i == hot_) {
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(colours_.hotFill);
      canvas.FillRect(row);
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(i == hot_ ? colours_.hotText : colours_.text);
    RECT text{left + kTextLeft, top, right - 6, top + kItemHeight};
    canvas.DrawText(text, item.Caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    canvas.DrawText(text, item.ShortCut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  canvas.SetHandle(nullptr);
}

LRESULT TskSystemMenu::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* menu = reinterpret_cast<TskSystemMenu*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (menu == nullptr) return DefWindowProc(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      menu->Paint(dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_MOUSEMOVE:
      menu->SetHot(menu->ItemAt(GET_Y_LPARAM(lParam)));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      RECT client{};
      GetClientRect(hwnd, &client);
      const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (p.x < client.left || p.y < client.top || p.x >= client.right || p.y >= client.bottom) menu->Close();
      return 0;
    }
    case WM_LBUTTONUP: {
      const int index = menu->ItemAt(GET_Y_LPARAM(lParam));
      if (index != -1) menu->Choose(index);
      return 0;
    }
    case WM_KEYDOWN:
      menu->HandleKey(wParam);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt leaves the menu, as on any menu; the key that comes with it
      // then goes to the window behind.
      menu->Close();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) menu->Close();
      return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace qb
