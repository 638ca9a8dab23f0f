// Drawing objects behind handles (bitmaps, brushes, pens, fonts, regions).
// Every kind of handle derives from HGDIOBJ__, so that a specific handle
// converts to HGDIOBJ as it does on Windows, and DeleteObject frees any kind.
#pragma once

#include "platform/WinTypes.h"

struct HGDIOBJ__ {
  HGDIOBJ__() = default;
  HGDIOBJ__(const HGDIOBJ__&) = delete;
  HGDIOBJ__& operator=(const HGDIOBJ__&) = delete;
  virtual ~HGDIOBJ__() = default;

  // Stock objects live for the whole process.
  bool permanent = false;
  // How many device contexts (and saved states of them) hold the object
  // selected; such an object is not freed, so that no context is left
  // pointing at freed memory.
  int selections = 0;
};
using HGDIOBJ = HGDIOBJ__*;

// Frees the object. Returns FALSE, freeing nothing, for null and for an
// object still selected into a device context; stock objects are kept and
// TRUE is returned.
BOOL DeleteObject(HGDIOBJ object);

namespace qb {

// Owns a drawing object and deletes it when it goes away.
template <typename Handle>
class GdiHandle {
 public:
  GdiHandle() = default;
  explicit GdiHandle(Handle handle) : handle_(handle) {}
  GdiHandle(GdiHandle&& other) noexcept : handle_(other.release()) {}
  GdiHandle& operator=(GdiHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~GdiHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

}  // namespace qb
