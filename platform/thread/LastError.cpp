#include "platform/thread/LastError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/text/Utf.h"

namespace {

thread_local DWORD lastError = 0;

}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD code) { lastError = code; }

DWORD FormatMessage(DWORD flags, DWORD messageId, DWORD /*languageId*/, char16_t* buffer,
                    DWORD size) {
  if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer || size == 0) {
    SetLastError(EINVAL);
    return 0;
  }
  char text[256];
  // The GNU strerror_r returns the text, which need not be in `text`.
  const std::u16string message = qb::ToUtf16(strerror_r(int(messageId), text, sizeof text));
  const DWORD length = std::min<DWORD>(DWORD(message.size()), size - 1);
  std::copy_n(message.begin(), length, buffer);
  buffer[length] = u'\0';
  return length;
}
