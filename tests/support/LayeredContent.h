// Per-pixel content for a layered window in tests, as a program gives it
// with UpdateLayeredWindow.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/WinTypes.h"

namespace qb::test {

// Gives the window width × height premultiplied pixels (0xAARRGGBB) from
// `pixel`, shown at `constantAlpha`.
void GiveLayeredContent(HWND hwnd, int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel,
                        BYTE constantAlpha = 255);

}  // namespace qb::test
