// A plain push button drawn by the toolkit. A press and release inside, or
// Space on the focused button, clicks it: the button tells its parent with
// WM_COMMAND (BN_CLICKED), which the parent reflects back as CN_COMMAND,
// and the button then runs Click. Click from code clicks at once.
//
// A Default button answers Return while the focus is not on another button;
// a Cancel button answers Escape. Every click stores ModalResult into the
// parent form.
#pragma once

#include "toolkit/controls/TCustomControl.h"

namespace qb {

// The button notification code of a click, in WM_COMMAND's high word.
constexpr WORD BN_CLICKED = 0;

class TButton : public TCustomControl {
 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // The button answers Return now.
  bool Active() const { return active_; }

  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void NotifyClicked();
  void SetPressed(bool pressed);
  bool Accelerates(WCHAR character) const;

  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
  bool active_ = false;
  bool pressed_ = false;
  bool spaceDown_ = false;
};

}  // namespace qb
