#include "platform/notify/ChangeNotification.h"

#include <poll.h>

#include <cerrno>
#include <chrono>

#include "platform/notify/FolderWatch.h"
#include "platform/text/Utf.h"
#include "platform/thread/LastError.h"

namespace {

qb::FolderWatch* WatchOf(HANDLE handle) {
  if (!handle || handle == INVALID_HANDLE_VALUE) return nullptr;
  return static_cast<qb::FolderWatch*>(handle);
}

}  // namespace

HANDLE FindFirstChangeNotification(std::u16string_view path, BOOL watchSubtree, DWORD filter) {
  int error = 0;
  auto watch = qb::FolderWatch::Open(qb::ToUtf8(path), watchSubtree != FALSE, filter, error);
  if (!watch) {
    SetLastError(DWORD(error));
    return INVALID_HANDLE_VALUE;
  }
  return watch.release();
}

BOOL FindNextChangeNotification(HANDLE handle) {
  qb::FolderWatch* watch = WatchOf(handle);
  if (!watch) {
    SetLastError(EBADF);
    return FALSE;
  }
  watch->Rearm();
  return TRUE;
}

BOOL FindCloseChangeNotification(HANDLE handle) {
  qb::FolderWatch* watch = WatchOf(handle);
  if (!watch) {
    SetLastError(EBADF);
    return FALSE;
  }
  delete watch;
  return TRUE;
}

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds) {
  if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles || waitAll) {
    SetLastError(EINVAL);
    return WAIT_FAILED;
  }
  qb::FolderWatch* watches[MAXIMUM_WAIT_OBJECTS];
  pollfd descriptors[MAXIMUM_WAIT_OBJECTS];
  for (DWORD i = 0; i < count; ++i) {
    watches[i] = WatchOf(handles[i]);
    if (!watches[i]) {
      SetLastError(EBADF);
      return WAIT_FAILED;
    }
    descriptors[i] = {watches[i]->Descriptor(), POLLIN, 0};
  }
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    // Events that match no filter wake the poll without signalling, so the
    // wait goes on for the rest of the time.
    for (DWORD i = 0; i < count; ++i)
      if (watches[i]->Poll()) return WAIT_OBJECT_0 + i;
    int timeout = -1;
    if (milliseconds != INFINITE) {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return WAIT_TIMEOUT;
      timeout = int(left);
    }
    const int ready = poll(descriptors, count, timeout);
    if (ready < 0 && errno != EINTR) {
      SetLastError(DWORD(errno));
      return WAIT_FAILED;
    }
  }
}
