// A small hand-made frame skin whose close button has a glow picture: a
// 60 × 40 frame picture, the button's two looks side by side, a 14 × 16 glow
// picture and its mask (white, so fully opaque).
#pragma once

#include <memory>
#include <string_view>

#include "skin/data/SkinCompression.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"
#include "tests/support/TestPictures.h"

namespace qb::test {

constexpr std::uint32_t kGlowColour = 0x30A0F0;
constexpr int kGlowOffsetX = 2;
constexpr int kGlowOffsetY = 3;
constexpr BYTE kGlowAlpha = 200;

constexpr std::string_view kGlowSkin =
    "[VERSION]\r\nskinname=Glow\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=3\r\n0=buttons.bmp\r\n1=glow.bmp\r\n2=glowmask.bmp\r\n"
    "[FORMINFO]\r\nlefttoppoint=10,20\r\nrighttoppoint=50,20\r\nleftbottompoint=10,36\r\nrightbottompoint=50,36\r\n"
    "clientrect=3,20,57,37\r\ncaptionrect=3,3,57,18\r\nborderwidth=3\r\nbuttonsoffset=2\r\n"
    "[SKINOBJECTS]\r\ncount=1\r\n0=closebutton:stdbutton\r\n"
    "[SKINCONTROLS]\r\ncount=0\r\n"
    "[closebutton]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=0,0,10,10\r\n"
    "activeskinrect=10,0,20,10\r\ncommand=cmclose\r\nglowlayerpictureindex=1\r\nglowlayermaskpictureindex=2\r\n"
    "glowlayeroffsetx=2\r\nglowlayeroffsety=3\r\nglowlayeralphablendvalue=200\r\n";

struct GlowSkinData {
  TBitmap main, buttons, glow, glowMask;
  std::unique_ptr<TskCompressedStoredSkin> stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
  std::unique_ptr<TskSkinData> data = std::make_unique<TskSkinData>(nullptr);

  GlowSkinData() {
    MakePicture(main, 60, 40, [](int, int) { return 0x808080u; });
    MakePicture(buttons, 20, 10, [](int x, int) { return x < 10 ? 0xC00000u : 0x00C000u; });
    MakePicture(glow, 14, 16, [](int, int) { return kGlowColour; });
    MakePicture(glowMask, 14, 16, [](int, int) { return 0xFFFFFFu; });
    SkinPackageWriter writer;
    writer.WriteInt32(3);
    writer.WritePictureSlot(&main);
    writer.WritePictureSlot(nullptr);
    writer.WritePictureSlot(nullptr);
    writer.WriteInt32(3);
    for (const TBitmap* picture : {&buttons, &glow, &glowMask}) writer.WritePicture(*picture);
    writer.WriteBytes(std::span(reinterpret_cast<const BYTE*>(kGlowSkin.data()), kGlowSkin.size()));
    stored->ReadCompressedData(DeflateSkin(writer.Bytes()));
    data->SetShowLayeredBorders(false);
    data->LoadStoredSkin(stored.get());
  }
};

}  // namespace qb::test
