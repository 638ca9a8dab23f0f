// A small hand-made frame skin whose every frame pixel tells where it came
// from: a 40 × 36 frame picture with one colour per pixel (corners 6 wide,
// 20 rows of top and 3 of bottom, 3-pixel sides; the top and right edges
// stretched, the bottom and left ones tiled), a mask that leaves out only its
// four corner pixels, a centred caption in plain Tahoma 13 (odd), and a close
// and a system-menu button with one solid block per look, placed from the
// right or, in a variant, from the left. Another variant adds a full-border
// layered frame: a 60 × 50 picture with one colour per pixel, opaque
// throughout, whose client rectangle 6,24,54,44 lands on the form and whose
// caption rectangle 6,4,54,22 carries the caption and the buttons.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinCompression.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"
#include "tests/support/PictureDifference.h"
#include "tests/support/TestPictures.h"

namespace qb::test {

// Pixel (x, y) of the frame picture and of the layered frame's picture.
constexpr std::uint32_t FramePixel(int x, int y) {
  return std::uint32_t(0x40 + 4 * x) << 16 | std::uint32_t(0x40 + 4 * y) << 8 | 0x20u;
}
constexpr std::uint32_t LayerPixel(int x, int y) {
  return std::uint32_t(0x20 + 3 * x) << 16 | 0x30u << 8 | std::uint32_t(0x20 + 4 * y);
}

// The close button's looks and the system-menu button.
constexpr std::uint32_t kCloseNormal = 0xC00000;
constexpr std::uint32_t kCloseActive = 0x00C000;
constexpr std::uint32_t kCloseDown = 0x0000C0;
constexpr std::uint32_t kCloseInactive = 0xC0C000;
constexpr std::uint32_t kSysMenu = 0x808080;
// The close button's look a colour shows: Normal, Active, Down, Inactive,
// or ? for anything else.
constexpr char CloseLook(std::uint32_t colour) {
  switch (colour) {
    case kCloseNormal: return 'N';
    case kCloseActive: return 'A';
    case kCloseDown: return 'D';
    case kCloseInactive: return 'I';
    default: return '?';
  }
}
// The caption's text colours.
constexpr TColor kCaptionActive = 255;
constexpr TColor kCaptionInactive = 8421504;

constexpr std::string_view kPatternFrameSkin =
    "[VERSION]\r\nskinname=Pattern\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=3\r\n0=buttons.bmp\r\n"
    "1=layer.bmp\r\n2=white.bmp\r\n"
    "[FORMINFO]\r\nlefttoppoint=6,20\r\nrighttoppoint=34,20\r\nleftbottompoint=6,32\r\nrightbottompoint=34,32\r\n"
    "clientrect=3,20,37,33\r\nmaskrectarea=3,20,37,33\r\ncaptionrect=3,2,37,18\r\nbuttonsoffset=2\r\n"
    "borderwidth=3\r\nhittestlefttoppoint=4,4\r\nhittestrighttoppoint=36,4\r\nhittestleftbottompoint=4,32\r\n"
    "hittestrightbottompoint=36,32\r\ntopstretch=1\r\nrightstretch=1\r\n"
    "[SKINOBJECTS]\r\ncount=3\r\n0=closebutton:stdbutton\r\n1=sysmenubutton:stdbutton\r\n2=caption:caption\r\n"
    "[SKINCONTROLS]\r\ncount=0\r\n"
    "[closebutton]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=0,0,10,10\r\n"
    "activeskinrect=10,0,20,10\r\ndownrect=20,0,30,10\r\ninactiveskinrect=30,0,40,10\r\ncommand=cmclose\r\n"
    "morphing=0\r\nalphamaskpictureindex=2\r\nalphamaskactivepictureindex=2\r\nalphamaskinactivepictureindex=2\r\n"
    "[sysmenubutton]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=40,0,48,10\r\ncommand=cmsysmenu\r\n"
    "alphamaskpictureindex=2\r\n"
    "[caption]\r\nskinrectinapicture=0\r\nskinrect=3,2,37,18\r\ntextrect=2,0,30,16\r\nalignment=tacenter\r\n"
    "fontname=Tahoma\r\nfontheight=13\r\nactivefontcolor=255\r\nfontcolor=8421504\r\n";

// The same skin with its caption buttons placed from the left.
inline std::string LeftButtonsPatternFrameSkin() {
  std::string definition(kPatternFrameSkin);
  definition.insert(definition.find("buttonsoffset="), "buttonsinleft=1\r\n");
  return definition;
}

// The same skin with the layered frame around the form.
inline std::string LayeredPatternFrameSkin() {
  std::string definition(kPatternFrameSkin);
  definition.insert(definition.find("[SKINOBJECTS]"),
                    "[LAYERFRAME]\r\npictureindex=1\r\nmaskpictureindex=2\r\nlefttoppoint=10,24\r\n"
                    "righttoppoint=50,24\r\nleftbottompoint=10,44\r\nrightbottompoint=50,44\r\n"
                    "clientrect=6,24,54,44\r\nborderrect=3,3,57,47\r\nfullborder=1\r\nhittestenable=1\r\n"
                    "hittestsize=3\r\ncaptionrect=6,4,54,22\r\n");
  return definition;
}

// What `background` shows with the skin's caption text drawn over it: the
// caption centred in `textRect`, one pixel higher for the odd font height,
// in the active or inactive colour, without background.
inline PixelRows WithCaption(const Surface& background, const RECT& textRect, const std::u16string& caption,
                             bool active) {
  TBitmap picture;
  MakePicture(picture, background.Width(), background.Height(),
              [&](int x, int y) { return background.At(x, y) & 0x00FFFFFFu; });
  TCanvas& canvas = picture.Canvas();
  canvas.Font().SetName(u"Tahoma");
  canvas.Font().SetHeight(13);
  canvas.Font().SetColor(active ? kCaptionActive : kCaptionInactive);
  canvas.Brush().SetStyle(bsClear);
  const SIZE text = canvas.TextExtent(caption);
  const RECT& r = textRect;
  canvas.TextOut(r.left + (r.right - r.left) / 2 - text.cx / 2, r.top + (r.bottom - r.top) / 2 - text.cy / 2 - 1,
                 caption);
  return Colours(picture);
}

struct PatternFrameSkinData {
  TBitmap main, mask, buttons, layer, white;
  std::unique_ptr<TskCompressedStoredSkin> stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
  std::unique_ptr<TskSkinData> data = std::make_unique<TskSkinData>(nullptr);

  explicit PatternFrameSkinData(std::string_view definition = kPatternFrameSkin, bool layered = false) {
    MakePicture(main, 40, 36, FramePixel);
    MakePicture(mask, 40, 36, [](int x, int y) -> std::uint32_t {
      return (x == 0 || x == 39) && (y == 0 || y == 35) ? 0xFFFFFF : 0;
    });
    MakePicture(buttons, 48, 10, [](int x, int) {
      const std::uint32_t looks[] = {kCloseNormal, kCloseActive, kCloseDown, kCloseInactive, kSysMenu};
      return looks[x / 10];
    });
    MakePicture(layer, 60, 50, LayerPixel);
    MakePicture(white, 60, 50, [](int, int) { return 0xFFFFFFu; });
    SkinPackageWriter writer;
    writer.WriteInt32(3);
    writer.WritePictureSlot(&main);
    writer.WritePictureSlot(nullptr);
    writer.WritePictureSlot(&mask);
    writer.WriteInt32(3);
    for (const TBitmap* picture : {&buttons, &layer, &white}) writer.WritePicture(*picture);
    writer.WriteBytes(std::span(reinterpret_cast<const BYTE*>(definition.data()), definition.size()));
    stored->ReadCompressedData(DeflateSkin(writer.Bytes()));
    data->SetShowLayeredBorders(layered);
    data->LoadStoredSkin(stored.get());
  }
};

}  // namespace qb::test
