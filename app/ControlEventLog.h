// Writes what a watcher of the program can see change on screen to the
// event log:
//   caption (text)       the main form's caption changed
//   window (left, top, width, height, client_width, client_height, visible)
//                        the main form's bounds or visibility changed
//   show (name, visible) another control was shown or hidden
//   label (name, text)   a label's caption changed
#pragma once

#include "toolkit/app/TApplication.h"

namespace qb {

// Installs the application's control-change hook; the main form is the
// application's main form at the time of each change.
void LogControlChanges(TApplication& application);

}  // namespace qb
