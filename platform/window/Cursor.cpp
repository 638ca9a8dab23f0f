#include <array>

#include "platform/window/InputApi.h"
#include "platform/window/UiThread.h"

struct HCURSOR__ {
  std::uintptr_t id;
  qb::CursorShape shape;
};

namespace qb {
namespace {

// The system cursors, made once and never changed.
std::array<HCURSOR__, 11>& SystemCursors() {
  static std::array<HCURSOR__, 11> cursors{{
      {IDC_ARROW, CursorShape::kArrow},
      {IDC_IBEAM, CursorShape::kIBeam},
      {IDC_WAIT, CursorShape::kWait},
      {IDC_CROSS, CursorShape::kCross},
      {IDC_SIZENWSE, CursorShape::kSizeNWSE},
      {IDC_SIZENESW, CursorShape::kSizeNESW},
      {IDC_SIZEWE, CursorShape::kSizeWE},
      {IDC_SIZENS, CursorShape::kSizeNS},
      {IDC_SIZEALL, CursorShape::kSizeAll},
      {IDC_NO, CursorShape::kNo},
      {IDC_HAND, CursorShape::kHand},
  }};
  return cursors;
}

}  // namespace

CursorShape ShapeOf(HCURSOR cursor) { return cursor ? cursor->shape : CursorShape::kArrow; }

}  // namespace qb

HCURSOR LoadCursor(HINSTANCE instance, std::uintptr_t id) {
  if (instance) return nullptr;
  for (HCURSOR__& cursor : qb::SystemCursors()) {
    if (cursor.id == id) return &cursor;
  }
  return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
  qb::UiThread& ui = qb::UiThread::Get();
  HCURSOR previous = ui.input.cursorHandle;
  ui.input.cursorHandle = cursor;
  if (cursor && cursor != previous) qb::CurrentBackend().SetCursorShape(cursor->shape);
  return previous;
}

HCURSOR GetCursor() { return qb::UiThread::Get().input.cursorHandle; }
