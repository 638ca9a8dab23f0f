// A top-level window that holds controls and components: the toolkit's
// form.
//
// Building a form. A form class builds its components in code that plays
// the role of the form's stored description: CreateComponents creates them
// in a fixed order (with Make, which marks each as loading), and
// ResolveReferences sets the references between them once all exist.
// InitializeForm, which NewForm and TApplication::CreateForm call right
// after construction, runs those two, then Loaded on the form and on each
// of its components in creation order, then OnCreate.
//
// Focus. The form knows its active control (the control that has or last
// had the focus) and tells every control of the form about each focus
// change with CM_FOCUSCHANGED (lParam: the focused control, or the form).
// Tab moves the focus along the tab order; Return and Escape go to the
// controls as dialog keys.
//
// Closing. A close request (WM_CLOSE: the frame's close button, Alt+F4, the
// system menu's close item) never destroys the window by itself: a modal
// form ends its modal loop with mrCancel, the application's main form ends
// the program (a quit request), and any other form is hidden.
//
// Destruction. Before the form goes, OnDestroy runs (BeforeDestruction, which
// the application calls while the derived form is still whole); then the
// form's components are destroyed, the most recent first, while the form is
// still a form, and last its window.
#pragma once

#include <memory>
#include <string_view>
#include <type_traits>

#include "toolkit/controls/TWinControl.h"
#include "toolkit/forms/FormTypes.h"
#include "toolkit/graphics/TCanvas.h"
#include "toolkit/graphics/TIcon.h"

namespace qb {

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Plays the stored description; see above. Runs once.
  void InitializeForm();
  // Raises OnDestroy once.
  void BeforeDestruction();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  TIcon& Icon() { return icon_; }
  TCanvas& Canvas() { return canvas_; }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  // Forms are designed at 96 pixels per inch; the flag is kept for those
  // who ask, as nothing is scaled.
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value) { scaled_ = value; }

  // The window is the active window.
  bool Active() const { return active_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control) { FocusControl(control); }
  // Makes `control` the active control and gives it the focus when the
  // form is active.
  void FocusControl(TWinControl* control);
  // Sends CM_FOCUSCHANGED again for the current active control (or the form).
  void BroadcastFocusChanged();

  int ModalResult() const { return modalResult_; }
  // While the form runs modally, a result also wakes its loop (the loop may
  // be waiting for a message when someone outside the message flow, like
  // the scripted user, sets it).
  void SetModalResult(int result);
  // Shows the form and runs the message loop until ModalResult is set (or
  // the application is asked to quit), with the application's other forms
  // disabled meanwhile. Returns the modal result.
  int ShowModal();
  // What a close request does; see above.
  void Close();

  // The client area of the window as it is now (the window is made for
  // this), so that a window procedure that reserves its own frame counts.
  RECT ClientRect() override;

  // Called by the form's controls.
  void SetFocusedControl(TWinControl* control);
  void ControlDestroyed(TControl* control);

  TNotifyEvent OnCreate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TShortCutEvent OnShortCut;

  // A form made visible while it was loading is shown now.
  void Loaded() override;

  // The form's shortcut handling for a key-down: OnShortCut.
  bool IsShortCut(TWMKey& key);

 protected:
  virtual void CreateComponents() {}
  virtual void ResolveReferences() {}
  // Paints the client area after the background was erased; the base
  // paints nothing.
  virtual void Paint() {}

  // Creates a component owned by the form, named and marked as loading,
  // on `parent` when it is a control.
  template <typename Component>
  Component* Make(std::u16string_view name, TWinControl* parent = nullptr) {
    auto* component = new Component(this);
    component->BeginLoading();
    component->SetName(std::u16string(name));
    if constexpr (std::is_base_of_v<TControl, Component>) {
      if (parent != nullptr) component->SetParent(parent);
    }
    return component;
  }

  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void VisibleChanged() override;
  bool DialogKeyRouting(WORD key) override;

 private:
  void SetActive(bool active);
  void Centre();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TIcon icon_;
  TCanvas canvas_;
  bool autoSize_ = false;
  bool autoScroll_ = true;
  bool scaled_ = true;
  bool active_ = false;
  bool initialized_ = false;
  bool destroyRaised_ = false;
  bool placed_ = false;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  int modalResult_ = 0;
  bool modal_ = false;
};

// Builds a form without owner and plays its stored description.
template <typename Form, typename... Args>
std::unique_ptr<Form> NewForm(Args&&... args) {
  auto form = std::make_unique<Form>(nullptr, std::forward<Args>(args)...);
  form->InitializeForm();
  return form;
}

}  // namespace qb
