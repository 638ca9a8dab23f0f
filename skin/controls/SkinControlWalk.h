// The skin-change walk over a form's controls, carried out by the form's
// frame component when its form receives a skin notification.
#pragma once

#include "platform/WinTypes.h"

namespace qb {

class TWinControl;
class TskSkinData;

// Starting at `root`, depth first in pre-order with each container's
// children in child order: every TskSkinControl whose SkinData is
// `skinData` (every one, when `skinData` is null) gets BeforeChangeSkinData
// for SKM_BEFORECHANGE and ChangeSkinData for SKM_CHANGE. Other
// notifications change nothing.
void WalkSkinControls(TWinControl* root, const TskSkinData* skinData, UINT notification);

}  // namespace qb
