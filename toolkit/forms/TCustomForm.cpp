#include "toolkit/forms/TCustomForm.h"

#include <stdexcept>
#include <vector>

#include "platform/Check.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/SystemMetrics.h"
#include "toolkit/app/TApplication.h"

namespace qb {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  // A window smaller than its frame has an empty client area, from which the
  // frame's size cannot be told; forms start large enough.
  SetBounds(0, 0, 320, 240);
  SetVisible(false);
  if (TApplication* application = Application()) application->AddForm(this);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  Destroying();
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  if (TApplication* application = Application()) application->RemoveForm(this);
  DestroyHandle();
}

void TCustomForm::InitializeForm() {
  if (initialized_) return;
  initialized_ = true;
  BeginLoading();
  CreateComponents();
  ResolveReferences();
  EndReading();
  for (int i = 0; i < ComponentCount(); ++i) Components(i)->EndReading();
  Loaded();
  // Loaded may add components; those are not loading and are skipped.
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* component = Components(i);
    if (component->ComponentState().Contains(csLoading)) component->Loaded();
  }
  if (OnCreate) OnCreate(this);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (Visible() && !(HandleAllocated() && IsWindowVisible(Handle()))) VisibleChanged();
}

void TCustomForm::BeforeDestruction() {
  if (destroyRaised_) return;
  destroyRaised_ = true;
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  if (HandleAllocated()) {
    SetWindowPos(Handle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // A form is shown by VisibleChanged once it is placed, never by creation.
  params.Style &= ~(WS_CHILD | WS_TABSTOP | WS_VISIBLE);
  params.WndParent = nullptr;
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      break;
  }
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
  if (formStyle_ == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  if (TApplication* application = Application()) {
    TCustomForm* mainForm = application->MainForm();
    if (mainForm == this || mainForm == nullptr) {
      if (application->MainFormOnTaskBar()) params.ExStyle |= WS_EX_APPWINDOW;
    } else if (mainForm->HandleAllocated()) {
      params.WndParent = mainForm->Handle();
    }
  }
}

RECT TCustomForm::ClientRect() {
  RECT r;
  GetClientRect(Handle(), &r);
  return r;
}

void TCustomForm::Centre() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetBounds((screenWidth - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());
}

void TCustomForm::VisibleChanged() {
  if (ComponentState().Contains(csLoading) && !HandleAllocated()) return;
  if (!Visible()) {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  HandleNeeded();
  if (!placed_) {
    placed_ = true;
    if (position_ == poScreenCenter) Centre();
  }
  ShowWindow(Handle(), SW_SHOW);
}

void TCustomForm::FocusControl(TWinControl* control) {
  activeControl_ = control;
  if (control != nullptr && active_ && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  focusedControl_ = control;
  if (control != this) activeControl_ = control;
  if (!ComponentState().Contains(csDestroying)) Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::BroadcastFocusChanged() {
  TWinControl* sender = activeControl_ != nullptr ? activeControl_ : this;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(sender));
}

void TCustomForm::ControlDestroyed(TControl* control) {
  if (activeControl_ != nullptr && IsInside(activeControl_, control)) activeControl_ = nullptr;
  if (focusedControl_ != nullptr && IsInside(focusedControl_, control)) focusedControl_ = nullptr;
}

void TCustomForm::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (!active) {
    if (OnDeactivate && CanRaiseEvents()) OnDeactivate(this);
    return;
  }
  if (TApplication* application = Application()) application->FormActivated(this);
  if (activeControl_ == nullptr) activeControl_ = FindNextControl(nullptr, true);
  if (activeControl_ != nullptr && activeControl_->CanFocus()) {
    ::SetFocus(activeControl_->Handle());
  } else if (GetFocus() != Handle()) {
    ::SetFocus(Handle());
  }
  if (OnActivate && CanRaiseEvents()) OnActivate(this);
}

bool TCustomForm::IsShortCut(TWMKey& key) {
  bool handled = false;
  if (OnShortCut && CanRaiseEvents()) OnShortCut(key, handled);
  return handled;
}

bool TCustomForm::DialogKeyRouting(WORD key) {
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
  return Perform(CM_DIALOGKEY, key, 0) != 0;
}

int TCustomForm::ShowModal() {
  if (Visible()) throw std::logic_error("Cannot make a visible window modal");
  TApplication* application = Application();
  QB_CHECK(application != nullptr);
  std::vector<HWND> disabled;
  for (TCustomForm* form : application->Forms()) {
    if (form == this || !form->HandleAllocated() || !IsWindowEnabled(form->Handle())) continue;
    EnableWindow(form->Handle(), FALSE);
    disabled.push_back(form->Handle());
  }
  modalResult_ = mrNone;
  modal_ = true;
  Show();
  while (modalResult_ == mrNone && !application->Terminated()) application->HandleMessage();
  modal_ = false;
  const int result = modalResult_;
  Hide();
  for (HWND hwnd : disabled) {
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  }
  return result;
}

void TCustomForm::Close() {
  TApplication* application = Application();
  if (modal_) {
    SetModalResult(mrCancel);
  } else if (application != nullptr && application->MainForm() == this) {
    application->Terminate();
  } else {
    Hide();
  }
}

void TCustomForm::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_ && result != mrNone && HandleAllocated()) PostMessage(Handle(), WM_NULL, 0, 0);
}

void TCustomForm::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(&Font());
  canvas_.Brush().SetColor(Color());
  Paint();
  canvas_.SetHandle(nullptr);
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ACTIVATE:
      DefaultHandler(message);
      SetActive(LOWORD(message.WParam) != WA_INACTIVE);
      return;
    case WM_CLOSE:
      Close();
      return;
    case CM_DIALOGKEY:
      if (message.WParam == VK_TAB) {
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        if (TWinControl* next = FindNextControl(activeControl_, !backwards)) next->SetFocus();
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace qb
