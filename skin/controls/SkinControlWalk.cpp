#include "skin/controls/SkinControlWalk.h"

#include "skin/controls/TskSkinControl.h"
#include "skin/data/SkinMessages.h"

namespace qb {

namespace {

void Visit(TControl* control, const TskSkinData* skinData, UINT notification) {
  if (auto* skinned = dynamic_cast<TskSkinControl*>(control);
      skinned != nullptr && (skinData == nullptr || skinned->SkinData() == skinData)) {
    if (notification == SKM_BEFORECHANGE) skinned->BeforeChangeSkinData();
    if (notification == SKM_CHANGE) skinned->ChangeSkinData();
  }
  auto* container = dynamic_cast<TWinControl*>(control);
  if (container == nullptr) return;
  for (int i = 0; i < container->ControlCount(); ++i) Visit(container->Controls(i), skinData, notification);
}

}  // namespace

void WalkSkinControls(TWinControl* root, const TskSkinData* skinData, UINT notification) {
  if (notification != SKM_BEFORECHANGE && notification != SKM_CHANGE) return;
  if (root != nullptr) Visit(root, skinData, notification);
}

}  // namespace qb
