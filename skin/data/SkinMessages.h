// The skin notifications: TskSkinData sends them synchronously to every form
// when a skin is loaded or a global switch changes; each form's frame skinner
// passes them on to the skinned controls bound to the same skin data.
// The word parameter is the sending TskSkinData, the long parameter 1000.
#pragma once

#include "platform/WinTypes.h"

constexpr UINT SKM_BEFORECHANGE = 1225;           // WM_USER + 201
constexpr UINT SKM_CHANGE = 1226;                 // WM_USER + 202
constexpr UINT SKM_AFTERCHANGE = 1227;            // WM_USER + 203
constexpr UINT SKM_STRINGSCHANGED = 1274;         // WM_USER + 250
constexpr UINT SKM_BACKGROUNDCHANGED = 1284;      // WM_USER + 260
constexpr UINT SKM_SKINNABLEFORMCHANGED = 1294;   // WM_USER + 270
constexpr UINT SKM_SHOWGLOWFRAME = 1424;          // WM_USER + 400
constexpr UINT SKM_HIDEGLOWFRAME = 1425;          // WM_USER + 401
constexpr UINT SKM_LAYEREDBORDERSCHANGED = 1427;  // WM_USER + 403
constexpr UINT SKM_AEROBLURCHANGED = 1428;        // WM_USER + 404

// The long parameter every skin notification carries.
constexpr LPARAM SKM_NOTIFY_LPARAM = 1000;
