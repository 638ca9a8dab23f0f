#include "tools/skingen/PaintedSkin.h"

#include "tools/skingen/ControlCatalog.h"
#include "tools/skingen/SkinDefinition.h"
#include "tools/skingen/SkinPictureIndex.h"

namespace qb::skingen {

std::vector<SkinFile> PaintedSkin::Files() const {
  const Dib actives[] = {
      buttons.objects.ToDib24(),          popups.hint.ToDib24(),         popups.menu.ToDib24(),
      popups.items.ToDib24(),             controls.Picture().ToDib24(),  layer.alpha.ToDib24(),
      popups.menuMask.ToGreyDib(4),       popups.hintMask.ToGreyDib(1),  layer.picture.ToDib24(),
      ribbon.ribbon.ToDib24(),            ribbon.appMenu.ToDib24(),      ribbon.appMenuBackground.ToDib24(),
      buttons.buttonMask.ToDib24(),       buttons.inactiveMask.ToDib24(), buttons.sysMenuMask.ToDib24(),
      buttons.sysMenuInactiveMask.ToDib24(), layer.blurMask.ToGreyDib(4), buttons.quickButtonMask.ToDib24(),
  };
  static_assert(std::size(actives) == kPictureNames.size());
  std::vector<SkinFile> files{{std::string(kMainPictureName), frame.picture.ToDib24()},
                              {std::string(kMaskPictureName), frame.mask.ToGreyDib(8)}};
  for (std::size_t i = 0; i < kPictureNames.size(); ++i) files.push_back({std::string(kPictureNames[i]), actives[i]});
  return files;
}

PaintedSkin PaintSkin() {
  PaintedSkin skin{PaintMainFrame(), PaintLayerFrame(), PaintCaptionButtons(), PaintControls(), PaintPopups(), PaintRibbon(), {}};
  skin.definition = SkinDefinitionText(skin.controls);
  return skin;
}

}  // namespace qb::skingen
