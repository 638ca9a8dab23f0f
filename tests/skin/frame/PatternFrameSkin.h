// A small hand-made frame skin whose every frame pixel tells where it came
// from: a 40 × 36 frame picture with one colour per pixel (corners 6 wide,
// 20 rows of top and 3 of bottom, 3-pixel sides; the top and right edges
// stretched, the bottom and left ones tiled), a mask that leaves out only its
// four corner pixels, a centred caption in plain Tahoma 13 (odd), and a close
// and a system-menu button with one solid block per look, placed from the
// right or, in the variant, from the left.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinCompression.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"
#include "tests/support/TestPictures.h"

namespace qb::test {

// Pixel (x, y) of the frame picture.
constexpr std::uint32_t FramePixel(int x, int y) {
  return std::uint32_t(0x40 + 4 * x) << 16 | std::uint32_t(0x40 + 4 * y) << 8 | 0x20u;
}

// The close button's looks and the system-menu button.
constexpr std::uint32_t kCloseNormal = 0xC00000;
constexpr std::uint32_t kCloseActive = 0x00C000;
constexpr std::uint32_t kCloseDown = 0x0000C0;
constexpr std::uint32_t kCloseInactive = 0xC0C000;
constexpr std::uint32_t kSysMenu = 0x808080;
// The caption's text colours.
constexpr TColor kCaptionActive = 255;
constexpr TColor kCaptionInactive = 8421504;

constexpr std::string_view kPatternFrameSkin =
    "[VERSION]\r\nskinname=Pattern\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=1\r\n0=buttons.bmp\r\n"
    "[FORMINFO]\r\nlefttoppoint=6,20\r\nrighttoppoint=34,20\r\nleftbottompoint=6,32\r\nrightbottompoint=34,32\r\n"
    "clientrect=3,20,37,33\r\nmaskrectarea=3,20,37,33\r\ncaptionrect=3,2,37,18\r\nbuttonsoffset=2\r\n"
    "borderwidth=3\r\nhittestlefttoppoint=4,4\r\nhittestrighttoppoint=36,4\r\nhittestleftbottompoint=4,32\r\n"
    "hittestrightbottompoint=36,32\r\ntopstretch=1\r\nrightstretch=1\r\n"
    "[SKINOBJECTS]\r\ncount=3\r\n0=closebutton:stdbutton\r\n1=sysmenubutton:stdbutton\r\n2=caption:caption\r\n"
    "[SKINCONTROLS]\r\ncount=0\r\n"
    "[closebutton]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=0,0,10,10\r\n"
    "activeskinrect=10,0,20,10\r\ndownrect=20,0,30,10\r\ninactiveskinrect=30,0,40,10\r\ncommand=cmclose\r\n"
    "morphing=0\r\n"
    "[sysmenubutton]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=40,0,48,10\r\ncommand=cmsysmenu\r\n"
    "[caption]\r\nskinrectinapicture=0\r\nskinrect=3,2,37,18\r\ntextrect=2,0,30,16\r\nalignment=tacenter\r\n"
    "fontname=Tahoma\r\nfontheight=13\r\nactivefontcolor=255\r\nfontcolor=8421504\r\n";

// The same skin with its caption buttons placed from the left.
inline std::string LeftButtonsPatternFrameSkin() {
  std::string definition(kPatternFrameSkin);
  definition.insert(definition.find("buttonsoffset="), "buttonsinleft=1\r\n");
  return definition;
}

struct PatternFrameSkinData {
  TBitmap main, mask, buttons;
  std::unique_ptr<TskCompressedStoredSkin> stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
  std::unique_ptr<TskSkinData> data = std::make_unique<TskSkinData>(nullptr);

  explicit PatternFrameSkinData(std::string_view definition = kPatternFrameSkin) {
    MakePicture(main, 40, 36, FramePixel);
    MakePicture(mask, 40, 36, [](int x, int y) -> std::uint32_t {
      return (x == 0 || x == 39) && (y == 0 || y == 35) ? 0xFFFFFF : 0;
    });
    MakePicture(buttons, 48, 10, [](int x, int) {
      const std::uint32_t looks[] = {kCloseNormal, kCloseActive, kCloseDown, kCloseInactive, kSysMenu};
      return looks[x / 10];
    });
    SkinPackageWriter writer;
    writer.WriteInt32(3);
    writer.WritePictureSlot(&main);
    writer.WritePictureSlot(nullptr);
    writer.WritePictureSlot(&mask);
    writer.WriteInt32(1);
    writer.WritePicture(buttons);
    writer.WriteBytes(std::span(reinterpret_cast<const BYTE*>(definition.data()), definition.size()));
    stored->ReadCompressedData(DeflateSkin(writer.Bytes()));
    data->SetShowLayeredBorders(false);
    data->LoadStoredSkin(stored.get());
  }
};

}  // namespace qb::test
