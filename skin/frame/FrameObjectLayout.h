// Placing the frame objects for the window's current size: objects that are
// part of the frame picture follow MapSkinRect; caption buttons with their
// own pictures are lined up in the button area, and the caption gives way
// to them.
#pragma once

#include <memory>
#include <span>

#include "platform/WinTypes.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/TskActiveSkinObject.h"

namespace qb {

using FrameObjectList = std::span<const std::unique_ptr<TskActiveSkinObject>>;

// The skinned layout. `smallIcon` is the size of a system-menu button that
// shows the form's icon.
void LayoutFrameObjects(const FrameGeometry& geometry, FrameObjectList objects, SIZE smallIcon);

// The layout of the unskinned frame of width `width`: caption buttons of
// buttonSize × buttonSize from the right edge without gaps, the system-menu
// button at the caption's left. Returns the caption area that remains.
RECT LayoutDefaultObjects(int width, int captionHeight, int buttonSize, FrameObjectList objects, SIZE smallIcon);

}  // namespace qb
