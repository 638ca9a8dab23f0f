// The virtual screen: every visible top-level window drawn bottom to top
// over the desktop colour, honouring window shapes and layered windows.
//
// An ordinary window shows its backing store opaque. A layered window shows
// the premultiplied content of UpdateLayeredWindow, scaled by its constant
// alpha, blended over what lies below; one with only
// SetLayeredWindowAttributes shows its backing store mixed with its constant
// alpha (LWA_ALPHA) and without the key colour (LWA_COLORKEY); one with
// neither shows nothing yet, as on Windows.
#pragma once

#include <filesystem>

#include "platform/WinTypes.h"
#include "platform/gdi/Surface.h"

namespace qb {

// Opaque pixels of the screen's size.
Surface ComposeScreen();

// The top-level window holding `hwnd` as the screen would show it alone:
// its layered content with its alpha, else its backing store with alpha
// 255. Empty for a window that is gone.
Surface CaptureWindow(HWND hwnd);

// PNG files of the screen and of one window; throw qb::PngError.
void WriteScreenPng(const std::filesystem::path& file);
void WriteWindowPng(HWND hwnd, const std::filesystem::path& file);

// Makes the scripted user's "screenshot FILE" step write this screen; the
// headless backend installs it when it starts.
void InstallScreenshotWriter();

}  // namespace qb
