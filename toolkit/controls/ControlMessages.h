// The toolkit's own messages, the message record its window procedures
// pass around, and the event types of controls.
//
// CM_ messages are notifications between controls; CN_ messages are window
// messages that the toolkit reflects back to the control they concern
// (CN_x = CN_BASE + the window message x).
#pragma once

#include <functional>

#include "platform/window/Messages.h"
#include "toolkit/component/EnumSet.h"
#include "toolkit/component/TObject.h"

namespace qb {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// A replaceable window procedure (TControl::WindowProc).
using TWndMethod = std::function<void(TMessage& message)>;

constexpr UINT CM_BASE = 0xB000;
// Popups and menus close; sent by the window frame to the controls.
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
// wParam: the virtual key; result non-zero when a control took the key.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// wParam: the character; result non-zero when a control took it.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// lParam: the control that now has the focus. Broadcast to every control
// of the form.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
// The command notification (WM_COMMAND is 0x0111) reflected to the control.
constexpr UINT CN_COMMAND = CN_BASE + 0x0111;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = EnumSet<TShiftFlag>;

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// A key as the form's shortcut handling sees it.
struct TWMKey {
  WORD CharCode = 0;
  LPARAM KeyData = 0;
};
using TShortCutEvent = std::function<void(TWMKey& message, bool& handled)>;

// Modal results.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

}  // namespace qb
