#include "toolkit/app/TApplication.h"

#include <algorithm>

#include "platform/Check.h"
#include "platform/text/Utf.h"
#include "toolkit/app/HiddenWindow.h"
#include "toolkit/controls/TWinControl.h"
#include "toolkit/dialogs/MessageBox.h"
#include "toolkit/forms/TCustomForm.h"
#include "toolkit/thread/SynchronizeQueue.h"

namespace qb {

namespace {

// The one application of the user-interface thread.
TApplication* current = nullptr;

constexpr char16_t kHiddenWindowClass[] = u"TApplication";

}  // namespace

TApplication* Application() { return current; }

TApplication::TApplication() : TComponent(nullptr) {
  QB_CHECK(current == nullptr);
  InitUserInterfaceThread();
  window_ = CreateHiddenWindow(kHiddenWindowClass, &HiddenWindowProc, nullptr);
  current = this;
  HWND hwnd = window_.Get();
  SynchronizeQueue::Instance().SetWakeMainThread([hwnd] { PostMessage(hwnd, WM_NULL, 0, 0); });
}

TApplication::~TApplication() {
  SynchronizeQueue::Instance().SetWakeMainThread({});
  for (TCustomForm* form : std::vector<TCustomForm*>(forms_)) form->BeforeDestruction();
  Destroying();
  // The forms leave the form list on their way, so the list must still be
  // here while they go.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  current = nullptr;
}

LRESULT TApplication::HiddenWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NULL) {
    CheckSynchronize();
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

void TApplication::Run() {
  if (mainForm_ != nullptr) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!PreprocessKey(msg)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  return true;
}

bool TApplication::PreprocessKey(const MSG& msg) {
  UINT reflected = 0;
  switch (msg.message) {
    case WM_KEYDOWN: reflected = CN_KEYDOWN; break;
    case WM_SYSKEYDOWN: reflected = CN_SYSKEYDOWN; break;
    case WM_CHAR: reflected = CN_CHAR; break;
    case WM_SYSCHAR: reflected = CN_SYSCHAR; break;
    default: return false;
  }
  TWinControl* target = FindControl(msg.hwnd);
  if (target == nullptr) return false;
  if (reflected == CN_KEYDOWN || reflected == CN_SYSKEYDOWN) {
    if (TCustomForm* form = GetParentForm(target)) {
      TWMKey key{WORD(msg.wParam), msg.lParam};
      if (form->IsShortCut(key)) return true;
    }
  }
  return target->Perform(reflected, msg.wParam, msg.lParam) != 0;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Restore() {
  if (mainForm_ != nullptr) mainForm_->Show();
  if (OnRestore) OnRestore(this);
}

void TApplication::HandleException(std::exception_ptr error) {
  if (OnException) {
    OnException(error);
    return;
  }
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    ShowMessage(ToUtf16(e.what()));
  } catch (...) {
    ShowMessage(u"Unknown error");
  }
}

void TApplication::ReportControlChange(TControl& control, TControlChange change) {
  if (controlChangeHook_) controlChangeHook_(control, change);
}

void TApplication::AddForm(TCustomForm* form) { forms_.insert(forms_.begin(), form); }

void TApplication::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::FormActivated(TCustomForm* form) {
  std::erase(forms_, form);
  forms_.insert(forms_.begin(), form);
}

}  // namespace qb
