// Preview PNGs of the window's look, composed from the painted pictures with
// the same cut-and-stretch rules the skin engine uses, so that the look can
// be reviewed without running the program: the framed window, the close
// button's looks, the push button's looks and the gauge.
#pragma once

#include <filesystem>

#include "tools/skingen/PaintedSkin.h"

namespace qb::skingen {

// Writes frame.png, closebutton.png, button.png and gauge.png into folder.
void WritePreviews(const PaintedSkin& skin, const std::filesystem::path& folder);

}  // namespace qb::skingen
