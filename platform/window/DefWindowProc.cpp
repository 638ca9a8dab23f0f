#include <algorithm>

#include "platform/window/DefaultFrame.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

void ShrinkByDefaultFrame(DWORD style, RECT& rect) {
  const DefaultFrame frame = DefaultFrameFor(style);
  rect.left += frame.border;
  rect.right = std::max(rect.left, rect.right - frame.border);
  rect.top += frame.border + frame.caption;
  rect.bottom = std::max(rect.top, rect.bottom - frame.border);
}

HCURSOR CursorForHit(HWND hwnd, LRESULT hit) {
  switch (hit) {
    case HTCLIENT: return hwnd->windowClass->cursor;
    case HTLEFT:
    case HTRIGHT: return LoadCursor(nullptr, IDC_SIZEWE);
    case HTTOP:
    case HTBOTTOM: return LoadCursor(nullptr, IDC_SIZENS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return LoadCursor(nullptr, IDC_SIZENWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return LoadCursor(nullptr, IDC_SIZENESW);
    default: return LoadCursor(nullptr, IDC_ARROW);
  }
}

void LimitProposedSize(HWND hwnd, WINDOWPOS& pos) {
  if (pos.flags & SWP_NOSIZE) return;
  if (!(hwnd->style & WS_THICKFRAME) && (hwnd->style & WS_CAPTION) != WS_CAPTION) return;
  MINMAXINFO limits{};
  limits.ptMaxTrackSize = POINT{32767, 32767};
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&limits));
  pos.cx = std::clamp<int>(pos.cx, limits.ptMinTrackSize.x, std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
  pos.cy = std::clamp<int>(pos.cy, limits.ptMinTrackSize.y, std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
}

LRESULT SystemCommand(HWND hwnd, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE: RunSizeMoveLoop(hwnd, command); return 0;
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); return 0;
    default: return 0;  // there is no system menu to open and no minimized state
  }
}

}  // namespace
}  // namespace qb

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!qb::IsLive(hwnd)) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (create && create->lpszName) hwnd->text = create->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      if (wParam) {
        qb::ShrinkByDefaultFrame(hwnd->style, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]);
      } else {
        qb::ShrinkByDefaultFrame(hwnd->style, *reinterpret_cast<RECT*>(lParam));
      }
      return 0;
    case WM_NCHITTEST: {
      const POINT origin = qb::ScreenOrigin(hwnd);
      const POINT local{GET_X_LPARAM(lParam) - origin.x, GET_Y_LPARAM(lParam) - origin.y};
      if (!qb::ShapeContains(hwnd, local.x, local.y)) return HTNOWHERE;
      return qb::DefaultHitTest(hwnd->style, hwnd->Width(), hwnd->Height(), hwnd->client, local);
    }
    case WM_SETCURSOR: {
      if (hwnd->parent && SendMessage(hwnd->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      const LRESULT hit = SHORT(LOWORD(std::uintptr_t(lParam)));
      HCURSOR cursor = qb::CursorForHit(hwnd, hit);
      if (!cursor) return FALSE;
      SetCursor(cursor);
      return TRUE;
    }
    case WM_MOUSEACTIVATE:
      if (hwnd->parent) {
        if (const LRESULT answer = SendMessage(hwnd->parent, WM_MOUSEACTIVATE, wParam, lParam)) return answer;
      }
      return (qb::TopLevelOf(hwnd)->exStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
      return 0;
    case WM_NCACTIVATE:
      if (hwnd->client != RECT{0, 0, hwnd->Width(), hwnd->Height()}) hwnd->framePending = true;
      return TRUE;
    case WM_SETTEXT:
      hwnd->text = lParam ? std::u16string(reinterpret_cast<const char16_t*>(lParam)) : std::u16string();
      if (!hwnd->parent) qb::UiThread::Get().backend->SetWindowTitle(hwnd, hwnd->text);
      return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0 || !lParam) return 0;
      const std::size_t count = std::min<std::size_t>(hwnd->text.size(), std::size_t(wParam) - 1);
      auto* buffer = reinterpret_cast<char16_t*>(lParam);
      std::copy_n(hwnd->text.data(), count, buffer);
      buffer[count] = u'\0';
      return LRESULT(count);
    }
    case WM_GETTEXTLENGTH: return LRESULT(hwnd->text.size());
    case WM_PAINT: qb::TakeUpdateRegion(hwnd); return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_WINDOWPOSCHANGING: qb::LimitProposedSize(hwnd, *reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOCLIENTMOVE)) {
        SendMessage(hwnd, WM_MOVE, 0,
                    MAKELPARAM_POINT(hwnd->rect.left + hwnd->client.left, hwnd->rect.top + hwnd->client.top));
      }
      if (qb::IsLive(hwnd) && !(pos->flags & SWP_NOCLIENTSIZE)) {
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(WORD(hwnd->client.right - hwnd->client.left), WORD(hwnd->client.bottom - hwnd->client.top)));
      }
      return 0;
    }
    case WM_SYSCOMMAND: return qb::SystemCommand(hwnd, wParam);
    case WM_NCLBUTTONDOWN: {
      const LRESULT hit = LRESULT(wParam);
      HWND top = qb::TopLevelOf(hwnd);
      if (hit == HTCAPTION) SendMessage(top, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
      if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        SendMessage(top, WM_SYSCOMMAND, SC_SIZE | WPARAM(hit - HTLEFT + WMSZ_LEFT), lParam);
      }
      return 0;
    }
    case WM_SYSKEYDOWN:
      if (wParam == WPARAM(VK_F4) && (lParam & (1 << 29))) {
        SendMessage(qb::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SYSCHAR:
      if (wParam == WPARAM(u' ')) SendMessage(qb::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(u' '));
      return 0;
    default: return 0;
  }
}
