// A control with a window of its own, made on demand, that can hold child
// controls and take the keyboard focus.
//
// Window creation: CreateParams describes the window (class, styles,
// bounds, parent), CreateWnd makes it; subclasses override either. The
// window's procedure calls WindowProc, so hooking WindowProc sees every
// message the window gets. RecreateWnd destroys the window and makes it
// again with the current properties.
//
// Children are kept in z-order, the bottom first. Controls without a window
// of their own (TGraphicControl) are painted by their parent after it has
// painted itself, and receive the mouse messages of their area from it.
//
// Keys: the application's loop hands key-down and character messages to
// the control as CN_KEYDOWN / CN_CHAR first. The default handling offers
// Tab, Return and Escape to the form as CM_DIALOGKEY and Alt+letter (and
// letters a control does not want) as CM_DIALOGCHAR; the form and every
// windowed control pass those on to their children until one takes them.
#pragma once

#include <string>
#include <vector>

#include "platform/window/WindowApi.h"
#include "toolkit/controls/TControl.h"

namespace qb {

struct TCreateParams {
  std::u16string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  std::u16string WinClassName;
  UINT WindowClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made (with its parents' windows) when there is none yet.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (it is made again on demand).
  void DestroyHandle();
  void RecreateWnd();

  // Children in z-order, the bottom first.
  int ControlCount() const { return int(controls_.size()); }
  TControl* Controls(int index) const;
  // The visible, enabled child without a window whose bounds hold the
  // client point, the topmost first; null when there is none.
  TControl* ControlAtPos(POINT point) const;

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // The position among the parent's windowed children in tab order.
  int TabOrder() const;
  void SetTabOrder(int order);

  bool Focused();
  // Visible, enabled and every parent too.
  virtual bool CanFocus();
  virtual void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() override;
  POINT ClientToScreen(POINT point) override;
  POINT ScreenToClient(POINT point) override;
  void Invalidate() override;
  void Update() override;

  // Sends the message to every child control.
  void Broadcast(TMessage& message);

  // The next windowed child (all levels, tab order) after `current` that can
  // take the focus and has a tab stop, wrapping around; null when none.
  TWinControl* FindNextControl(TWinControl* current, bool forward);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void VisibleChanged() override;
  void EnabledChanged() override;

  // Paints the control's own content into `dc` (client coordinates); the
  // base paints nothing.
  virtual void PaintWindow(HDC dc);
  // Paints the children without a window into `dc` (client coordinates).
  void PaintControls(HDC dc);

  // The default handling of CN_KEYDOWN: dialog keys. Returns whether the
  // key was taken.
  virtual bool DialogKeyRouting(WORD key);
  // Whether the control wants the character itself rather than as an
  // accelerator of another control.
  virtual bool WantsChar(WCHAR) const { return false; }

 private:
  friend class TControl;
  friend LRESULT ToolkitWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT MainWndProc(UINT message, WPARAM wParam, LPARAM lParam);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateChildHandles();
  void PaintMessage(TMessage& message);
  void RouteMouse(TMessage& message);
  void TrackMouseControl(TControl* control);
  void ForgetMouseControl(TControl* leaving);
  TWinControl* TopParent();
  void UpdateBoundsFromWindow();
  void FocusReceived();
  void CollectTabOrder(std::vector<TWinControl*>& list);

  HWND handle_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  // The child without a window that took the left button; it gets the
  // pointer messages until the button is released.
  TControl* captureChild_ = nullptr;
  // On the top-level control: the control the pointer is over.
  TControl* mouseControl_ = nullptr;
};

// The toolkit control that owns a window, or null.
TWinControl* FindControl(HWND hwnd);

}  // namespace qb
