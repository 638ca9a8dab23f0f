// The headless backend: a virtual screen that shows nothing. The screen and
// work area come from QUILLBROOK_SCREEN ("WxH", default 1920x1080) and
// QUILLBROOK_WORKAREA ("left,top,right,bottom", default 0,0,1920,1040).
// Input comes from the functions of RawInput.h (tests, the scripted user);
// the screen's pixels are composed from the windows' stores on demand.
// It records what it was asked to do so that tests can look.
#pragma once

#include <map>
#include <optional>

#include "platform/backend/Backend.h"

namespace qb {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend(SIZE screen, RECT workArea);
  // Reads the geometry from the environment; a malformed value is reported
  // on stderr and the default used.
  static std::unique_ptr<HeadlessBackend> FromEnvironment();

  const char* Name() const override { return "headless"; }
  SIZE ScreenSize() const override { return screen_; }
  RECT WorkArea() const override { return workArea_; }
  void PlaceWindow(HWND, const RECT&) override {}
  void ShowWindow(HWND, bool) override {}
  void StackWindows(const std::vector<HWND>&) override {}
  void ForgetWindow(HWND hwnd) override { presented_.erase(hwnd); }
  void SetWindowTitle(HWND, const std::u16string&) override {}
  void PresentWindow(HWND hwnd) override { ++presented_[hwnd]; }
  void SetCursorShape(CursorShape shape) override { cursor_ = shape; }
  // The virtual screen composes alpha unless a test plays a display without
  // a compositing manager.
  bool ComposesAlpha() const override { return composesAlpha_; }
  void SetComposesAlpha(bool composes);
  // Waits, with the loop running, until AnswerSaveDialog is called.
  std::optional<std::u16string> RunSaveDialog(const SaveDialogRequest& request) override;

  // The save dialog that waits for an answer, or null.
  const SaveDialogRequest* OpenSaveDialog() const { return openDialog_; }
  void AnswerSaveDialog(std::optional<std::u16string> choice);

  CursorShape Cursor() const { return cursor_; }
  int PresentCount(HWND hwnd) const;

 private:
  SIZE screen_;
  RECT workArea_;
  CursorShape cursor_ = CursorShape::kArrow;
  bool composesAlpha_ = true;
  std::map<HWND, int> presented_;
  const SaveDialogRequest* openDialog_ = nullptr;
  std::optional<std::optional<std::u16string>> answer_;
};

// The running backend when it is the headless one, else null.
HeadlessBackend* CurrentHeadlessBackend();

}  // namespace qb
