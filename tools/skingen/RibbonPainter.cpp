#include "tools/skingen/RibbonPainter.h"

#include "tools/skingen/Bevel.h"
#include "tools/skingen/ControlLooks.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

void PaintGroup(Raster& raster, const RECT& r, bool hot) {
  const float bottom = float(r.bottom);
  Bevel{RoundRect::Uniform(float(r.left), float(r.top), float(r.right), bottom, 3),
        {{1, hot ? Hex(0xC9932B) : Hex(0xB3B9C0), Hex(0xA3A9B0)}, {1, theme::kWhite, theme::kWhite, 0.7f}},
        {{0.0f, Hex(0xF8F9FA)}, {0.8f, Hex(0xEDEFF2)}, {0.81f, Hex(0xDDE1E5)}, {1.0f, Hex(0xD3D8DD)}},
        float(r.top),
        bottom}
      .PaintOn(raster);
}

}  // namespace

RibbonPictures PaintRibbon() {
  using namespace ribbon;
  RibbonPictures result{Raster(kWidth, kHeight, theme::kClient), Raster(kAppMenuWidth, kAppMenuHeight, theme::kClient),
                        Raster(kAppMenuBackgroundSize, kAppMenuBackgroundSize, theme::kClient)};
  PaintBar(result.ribbon, kTabBar, false);
  PaintTab(result.ribbon, kTab, Look::kNormal);
  PaintTab(result.ribbon, kTabActive, Look::kPressed);
  PaintTab(result.ribbon, kTabHot, Look::kHot);
  PaintPanel(result.ribbon, kPage);
  PaintGroup(result.ribbon, kGroup, false);
  PaintGroup(result.ribbon, kGroupHot, true);
  PaintPushButton(result.ribbon, kButtonHot, Look::kHot);
  PaintPushButton(result.ribbon, kButtonDown, Look::kPressed);

  const float w = float(kAppMenuWidth);
  const float h = float(kAppMenuHeight);
  Bevel{RoundRect::Uniform(0, 0, w, h, 4), {{1, theme::kOutline, theme::kOutlineShaded}, {1, theme::kWhite, theme::kInnerShade, 0.9f}},
        theme::CaptionGradient(), 0, 24}
      .PaintOn(result.appMenu);
  result.appMenu.Fill({4, 24, kAppMenuWidth - 4, kAppMenuHeight - 4}, theme::kWhite);
  result.appMenu.Fill({4, 24, 70, kAppMenuHeight - 4}, Hex(0xF2F4F6));
  result.appMenu.Fill({70, 24, 71, kAppMenuHeight - 4}, Hex(0xD5D9DE));

  const Gradient background{{0.0f, Hex(0xF7F8FA)}, {1.0f, Hex(0xDFE3E7)}};
  for (int y = 0; y < kAppMenuBackgroundSize; ++y) {
    result.appMenuBackground.Fill({0, y, kAppMenuBackgroundSize, y + 1}, background.AtRow(y + 0.5f, 0, float(kAppMenuBackgroundSize)));
  }
  return result;
}

}  // namespace qb::skingen
