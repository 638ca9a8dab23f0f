// The kinds of frame, caption buttons, stacking and placement a form has.
#pragma once

#include "toolkit/component/EnumSet.h"

namespace qb {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = EnumSet<TBorderIcon>;

enum TFormStyle { fsNormal, fsStayOnTop };

// poDesigned keeps the position the form was given; poScreenCenter centres
// the form on the screen when it is first shown.
enum TPosition { poDesigned, poScreenCenter };

}  // namespace qb
