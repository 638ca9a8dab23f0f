#include "tools/skingen/PopupPainter.h"

#include "tools/skingen/Bevel.h"
#include "tools/skingen/ControlLooks.h"
#include "tools/skingen/Glyph.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

// A framed window with rounded corners and its window mask.
void PaintWindow(Raster& picture, Raster& mask, float radius, const Gradient& body) {
  const float w = float(picture.Width());
  const float h = float(picture.Height());
  const RoundRect shape = RoundRect::Uniform(0, 0, w, h, radius);
  Bevel{shape, {{1, Hex(0x8C939B), Hex(0x7C838B)}, {1, theme::kWhite, Hex(0xE6E9EC), 0.8f}}, body, 0, h}.PaintOn(picture);
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) {
      if (shape.Distance(x + 0.5f, y + 0.5f) <= 0) mask.Set(x, y, Grey(0));
    }
  }
}

void PaintItems(Raster& items) {
  using namespace popup;
  items.Fill(kItem, theme::kWhite);
  items.Fill(kItemDisabled, theme::kWhite);
  items.Fill(kItemActive, theme::kWhite);
  Bevel{RoundRect::Uniform(float(kItemActive.left) + 1, float(kItemActive.top), float(kItemActive.right) - 1,
                           float(kItemActive.bottom), 3),
        {{1, Hex(0xD6A444), Hex(0xC99535)}},
        {{0.0f, Hex(0xFFF6DC)}, {1.0f, Hex(0xFBE3A4)}},
        float(kItemActive.top),
        float(kItemActive.bottom)}
      .PaintOn(items);
  items.Fill(kDivider, theme::kWhite);
  items.Fill({kDivider.left + 26, kDivider.top + 2, kDivider.right - 2, kDivider.top + 3}, Hex(0xD5D9DE));
  for (const RECT& r : {kCheck, kCheckActive, kArrow, kArrowActive}) items.Fill(r, theme::kWhite);
  CheckGlyph(16, 16).PaintOn(items, kCheck, theme::kGlyph);
  CheckGlyph(16, 16).PaintOn(items, kCheckActive, Hex(0x5A3E08));
  ArrowGlyph(16, 16, 1, 3.5f).PaintOn(items, kArrow, theme::kGlyph);
  ArrowGlyph(16, 16, 1, 3.5f).PaintOn(items, kArrowActive, Hex(0x5A3E08));
  PaintToolButton(items, kBarItem, Look::kNormal);
  PaintToolButton(items, kBarItemActive, Look::kHot);
  PaintToolButton(items, kBarItemDown, Look::kPressed);
}

}  // namespace

PopupPictures PaintPopups() {
  using namespace popup;
  PopupPictures result{Raster(kHintSize, kHintSize, theme::kClient), Raster(kHintSize, kHintSize, theme::kWhite),
                       Raster(kMenuWidth, kMenuHeight, theme::kClient), Raster(kMenuWidth, kMenuHeight, theme::kWhite),
                       Raster(kItemsWidth, kItemsHeight, theme::kClient)};
  PaintWindow(result.hint, result.hintMask, 4, {{0.0f, theme::kWhite}, {1.0f, Hex(0xE9ECEF)}});
  PaintWindow(result.menu, result.menuMask, 3, Gradient(Hex(0xFBFBFC)));
  PaintItems(result.items);
  return result;
}

}  // namespace qb::skingen
