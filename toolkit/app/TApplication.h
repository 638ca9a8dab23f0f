// The application object: the message loop, the list of forms, the title
// and icon, and the hidden window through which worker threads hand calls
// to the user-interface thread.
//
// One application exists at a time, made and destroyed on the
// user-interface thread; Application() finds it. While it lives, a worker's
// TThread::Synchronize posts an empty message to the hidden window, and the
// call runs when the window receives it: in Run's loop, in ProcessMessages,
// and in every modal loop (message boxes, the save dialog).
//
// Key handling in the loop: a key-down first goes to the active form's
// OnShortCut, then to the focused control as CN_KEYDOWN (dialog keys);
// characters as CN_CHAR (accelerators). What none of them takes is
// translated and dispatched as usual.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/window/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "toolkit/component/TComponent.h"
#include "toolkit/controls/TControl.h"
#include "toolkit/graphics/TIcon.h"

namespace qb {

class TCustomForm;

// Told about changes of a control's visibility, caption or bounds.
using ControlChangeHook = std::function<void(TControl& control, TControlChange change)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // The program entry's first step; everything is ready once the object
  // exists.
  void Initialize() {}

  const std::u16string& Title() const { return title_; }
  void SetTitle(const std::u16string& title) { title_ = title; }
  TIcon& Icon() { return icon_; }
  bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  void SetMainFormOnTaskBar(bool value) { mainFormOnTaskBar_ = value; }

  // The first form made with CreateForm.
  TCustomForm* MainForm() const { return mainForm_; }

  // Builds a form owned by the application (playing its stored
  // description); the first becomes the main form.
  template <typename Form>
  Form* CreateForm() {
    static_assert(std::is_base_of_v<TCustomForm, Form>);
    auto* form = new Form(this);
    if (mainForm_ == nullptr) mainForm_ = form;
    form->InitializeForm();
    return form;
  }

  // Every form of the program, the most recently active first.
  const std::vector<TCustomForm*>& Forms() const { return forms_; }

  // Shows the main form, then handles messages until a quit request.
  void Run();
  // Handles every message there is now, without waiting.
  void ProcessMessages();
  // Handles one message, waiting for one when there is none.
  void HandleMessage();
  // Asks the loop to end (a quit request).
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Shows the main form again and raises OnRestore.
  void Restore();

  // The hidden window of the application.
  HWND Handle() const { return window_.Get(); }

  // An exception that escaped from a message handler: OnException when set,
  // otherwise a message box with its text.
  void HandleException(std::exception_ptr error);

  void SetControlChangeHook(ControlChangeHook hook) { controlChangeHook_ = std::move(hook); }
  void ReportControlChange(TControl& control, TControlChange change);

  TNotifyEvent OnRestore;
  std::function<void(std::exception_ptr error)> OnException;

  // Kept by the forms themselves.
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void FormActivated(TCustomForm* form);

 private:
  static LRESULT HiddenWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool ProcessMessage(MSG& msg);
  bool PreprocessKey(const MSG& msg);

  std::u16string title_;
  TIcon icon_;
  bool mainFormOnTaskBar_ = false;
  TCustomForm* mainForm_ = nullptr;
  std::vector<TCustomForm*> forms_;
  bool terminated_ = false;
  OwnedWindow window_;
  ControlChangeHook controlChangeHook_;
};

// The application object, or null when there is none.
TApplication* Application();

}  // namespace qb
