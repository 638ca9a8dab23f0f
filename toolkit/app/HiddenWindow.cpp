#include "toolkit/app/HiddenWindow.h"

#include "platform/Check.h"

namespace qb {

OwnedWindow CreateHiddenWindow(const char16_t* className, WNDPROC procedure, void* userData) {
  WNDCLASS windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.lpszClassName = className;
  // A class registered before keeps its registration.
  RegisterClass(&windowClass);
  OwnedWindow window(CreateWindowEx(0, className, u"", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr));
  QB_CHECK(window);
  SetWindowLongPtr(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(userData));
  return window;
}

}  // namespace qb
