// Folder change notifications and waiting for them, on inotify.
//
// A change-notification handle watches one folder (and with `watchSubtree`
// every folder below it, including folders created later) for the kinds of
// change its filter names. It becomes signalled when at least one such
// change has happened since it was created or last re-armed, and stays
// signalled until FindNextChangeNotification re-arms it; changes that happen
// between the signal and the re-arm signal it again right away. The system
// does not say which change happened.
//
// Filter bits and what they catch:
//   FILE_NOTIFY_CHANGE_FILE_NAME   a file created, deleted or renamed
//   FILE_NOTIFY_CHANGE_DIR_NAME    a folder created, deleted or renamed
//   FILE_NOTIFY_CHANGE_ATTRIBUTES,
//   FILE_NOTIFY_CHANGE_SECURITY    attributes, permissions or owner changed
//   FILE_NOTIFY_CHANGE_SIZE,
//   FILE_NOTIFY_CHANGE_LAST_WRITE  a file's contents written
//
// A handle is used by one thread at a time. Failures set the last error
// (platform/thread/LastError.h) to the errno met.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/WinTypes.h"
#include "platform/process/Process.h"

using HANDLE = void*;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t{0});

constexpr DWORD FILE_NOTIFY_CHANGE_FILE_NAME = 0x00000001;
constexpr DWORD FILE_NOTIFY_CHANGE_DIR_NAME = 0x00000002;
constexpr DWORD FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x00000004;
constexpr DWORD FILE_NOTIFY_CHANGE_SIZE = 0x00000008;
constexpr DWORD FILE_NOTIFY_CHANGE_LAST_WRITE = 0x00000010;
constexpr DWORD FILE_NOTIFY_CHANGE_SECURITY = 0x00000100;

constexpr DWORD MAXIMUM_WAIT_OBJECTS = 64;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// INVALID_HANDLE_VALUE when the path names no folder that can be watched,
// the filter holds no known bit, or the system's watch limits are reached.
HANDLE FindFirstChangeNotification(std::u16string_view path, BOOL watchSubtree, DWORD filter);

// Re-arms a signalled handle.
BOOL FindNextChangeNotification(HANDLE handle);

BOOL FindCloseChangeNotification(HANDLE handle);

// Waits until one of the `count` change-notification handles (1 …
// MAXIMUM_WAIT_OBJECTS) is signalled, at most `milliseconds` (INFINITE:
// without limit). Returns WAIT_OBJECT_0 + the lowest index of a signalled
// handle, WAIT_TIMEOUT, or WAIT_FAILED (bad arguments: EINVAL; waitAll is
// not supported). Handles that are signalled but not reported stay
// signalled.
DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds);
