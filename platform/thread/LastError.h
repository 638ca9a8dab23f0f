// The last error of the calling thread, and the system's text for an error.
//
// Error codes are the operating system's own (errno values): the platform
// functions that fail set the errno they met, and FormatMessage gives the C
// library's text for it ("No such file or directory"). Each thread has its
// own last error; a new thread starts with 0.
#pragma once

#include "platform/WinTypes.h"

constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;

DWORD GetLastError();
void SetLastError(DWORD code);

// With FORMAT_MESSAGE_FROM_SYSTEM: writes the text for `messageId` into
// `buffer` (at most size − 1 characters, then a terminating zero; a longer
// text is cut) and returns the number of characters written. Returns 0 and
// sets the last error to EINVAL without FORMAT_MESSAGE_FROM_SYSTEM or
// without room. The text carries no trailing line break. `languageId` is
// ignored: texts are English.
DWORD FormatMessage(DWORD flags, DWORD messageId, DWORD languageId, char16_t* buffer, DWORD size);
