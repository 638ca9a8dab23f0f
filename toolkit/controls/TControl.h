// A visual control: a rectangle on a parent windowed control, with caption,
// font, colour, visibility and mouse events.
//
// Messages. Every message a control receives goes through WindowProc, a
// replaceable function that starts out as the virtual WndProc; a component
// that hooks a control keeps the previous WindowProc and passes messages on
// to it. WndProc handles what it knows and hands the rest to DefaultHandler.
// Perform sends a message to the control directly.
//
// Changes of visibility, caption and bounds are reported to the
// application's control-change hook (TApplication::SetControlChangeHook).
//
// A named control is a target of the scripted user ("mouse click NAME",
// "wait visible NAME") for as long as it lives.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/WinTypes.h"
#include "toolkit/component/EnumSet.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TComponent.h"
#include "toolkit/controls/ControlMessages.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/TFont.h"

namespace qb {

class TWinControl;
class TCustomForm;
class NamedComponent;

enum TControlStateFlag {
  csLButtonDown,  // the left button went down on the control and is not up yet
  csClicked,      // a release inside the control is a click
  csPaintCopy,    // the control paints a copy of itself into someone else's picture
  csCreating,     // the window handle is being made
};
using TControlState = EnumSet<TControlStateFlag>;

enum TControlStyleFlag {
  csCaptureMouse,  // the control keeps the pointer while the left button is down
  csClickEvents,   // a press and release inside is a click
  csOpaque,        // the control paints its whole area; its background is not erased
};
using TControlStyle = EnumSet<TControlStyleFlag>;

enum class TControlChange { kVisible, kCaption, kBounds };

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWndMethod WindowProc;
  LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  void SetName(const std::u16string& name) override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // The one place bounds change; subclasses override it to constrain them.
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

  // (0, 0, client width, client height).
  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent up to the top-level control visible too.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(const std::u16string& caption);

  TFont& Font() { return font_; }
  void SetFont(const TFont& font) { font_.Assign(&font); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  TControlState ControlState() const { return controlState_; }
  void IncludeState(TControlStateFlag flag) { controlState_.Include(flag); }
  void ExcludeState(TControlStateFlag flag) { controlState_.Exclude(flag); }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

  // Marks the control's area to be painted by the next paint cycle.
  virtual void Invalidate();
  // Paints what is invalid now.
  virtual void Update();
  // Invalidate, then Update.
  void Repaint();

  // The control's rectangle on the screen while it can be seen (it and its
  // parents are visible and the window it is drawn in is shown).
  std::optional<RECT> ScreenBounds();

  // Client coordinates of the control to screen coordinates and back.
  virtual POINT ClientToScreen(POINT point);
  virtual POINT ScreenToClient(POINT point);

  // Raises OnClick.
  virtual void Click();

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void WndProc(TMessage& message);
  // What no handler took: nothing for a control without a window.
  virtual void DefaultHandler(TMessage& message);

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  // Windowed controls move, show and enable their window here.
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  // Tells the application's control-change hook.
  void ReportChange(TControlChange change);
  // Events are not raised while the control is being destroyed.
  bool CanRaiseEvents() const { return !ComponentState().Contains(csDestroying); }

  // Bounds as they are, without any window being moved (the window moved
  // itself).
  void StoreBounds(int left, int top, int width, int height);

 private:
  friend class TWinControl;
  void HandleMouse(TMessage& message);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::u16string caption_;
  TFont font_;
  TColor color_ = clBtnFace;
  TControlState controlState_;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents};
  std::unique_ptr<NamedComponent> scriptTarget_;
};

// The form a control sits on (the control itself when it is a form), or null.
TCustomForm* GetParentForm(TControl* control);

// `control` is `ancestor` or lies on it, at any depth.
bool IsInside(const TControl* control, const TControl* ancestor);

// The shift state from the modifier bits of a mouse message's wParam.
TShiftState MouseShiftState(WPARAM keys);

}  // namespace qb
