// A small hand-made skin for the control tests, whose every composed pixel
// tells where it came from:
// - a 64 × 64 picture with solid 8 × 8 state blocks for the button records
//   from x = 8 (its corner stays black, so that a look composed from an
//   empty rectangle shows), a 6 × 6 piece with one colour per pixel for the
//   "…pattern" records (2-pixel corners and edges around a 2 × 2 client),
//   and a horizontal and a vertical gauge whose progress pieces have one
//   colour per column or row;
// - an 8 × 8 mask, black but for its four corner pixels, that shapes the
//   "shaped…" records in each resize mode;
// - a 7 × 5 glow picture with one colour per pixel and its white (opaque)
//   mask for the "glow…" records.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "skin/data/SkinCompression.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"
#include "tests/support/TestPictures.h"

namespace qb::test {

// Colours of the state blocks (0xRRGGBB).
constexpr std::uint32_t kNormal = 0xC00000;
constexpr std::uint32_t kActive = 0x00C000;
constexpr std::uint32_t kDown = 0x0000C0;
constexpr std::uint32_t kFocused = 0xC0C000;
constexpr std::uint32_t kDisabled = 0x808080;
constexpr std::uint32_t kTrack = 0x404040;

// A colour (system colours resolved) as 0xRRGGBB.
inline std::uint32_t SystemColour(TColor colour) {
  const COLORREF c = ColorToRGB(colour);
  return (std::uint32_t(c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Pixel (x, y) of the pattern piece.
constexpr std::uint32_t PatternPixel(int x, int y) {
  return std::uint32_t(x + 1) * 0x200000u | std::uint32_t(y + 1) * 0x2000u | 0x40u;
}

// Column c of the gauge's progress piece, row r of the vertical gauge's.
constexpr std::uint32_t PieceColumn(int c) { return 0x00C800u | (std::uint32_t(c * 10) << 16); }
constexpr std::uint32_t PieceRow(int r) { return 0x0000C8u | (std::uint32_t(r * 20) << 8); }

constexpr std::string_view kControlSkin =
    "[VERSION]\r\nskinname=Controls\r\n"
    "[PICTURES]\r\nactivepicturescount=4\r\n0=a.bmp\r\n1=mask.bmp\r\n2=glow.bmp\r\n3=glowmask.bmp\r\n"
    "[SKINOBJECTS]\r\ncount=0\r\n"
    "[SKINCONTROLS]\r\ncount=17\r\n0=statebutton:button\r\n1=plainbutton:button\r\n2=gauge:gauge\r\n"
    "3=fixedbutton:button\r\n4=glowbutton:button\r\n5=shaped:button\r\n6=shapedfixed:button\r\n"
    "7=shapedwide:button\r\n8=shapedtall:button\r\n9=vgauge:gauge\r\n10=glowresize:button\r\n"
    "11=glowwide:button\r\n12=activeonly:button\r\n"
    "13=tiledpattern:button\r\n14=mixedpattern:button\r\n15=widepattern:button\r\n16=tallpattern:button\r\n"
    "[statebutton]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nactiveskinrect=16,0,24,8\r\n"
    "downskinrect=24,0,32,8\r\nfocusedskinrect=32,0,40,8\r\ndisabledskinrect=40,0,48,8\r\n"
    "lefttoppoint=2,2\r\nrighttoppoint=6,2\r\nleftbottompoint=2,6\r\nrightbottompoint=6,6\r\n"
    "clientrect=1,1,6,5\r\nleftstretch=1\r\ntopstretch=1\r\nrightstretch=1\r\nbottomstretch=1\r\n"
    "stretcheffect=1\r\nmorphing=0\r\nfontcolor=0\r\nactivefontcolor=32768\r\ndownfontcolor=8388608\r\n"
    "disabledfontcolor=14144205\r\n"
    "[plainbutton]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nactiveskinrect=16,0,24,8\r\n"
    "downskinrect=24,0,32,8\r\nlefttoppoint=2,2\r\nrighttoppoint=6,2\r\nleftbottompoint=2,6\r\n"
    "rightbottompoint=6,6\r\nclientrect=2,2,6,6\r\nleftstretch=1\r\ntopstretch=1\r\nrightstretch=1\r\n"
    "bottomstretch=1\r\nstretcheffect=1\r\nmorphing=1\r\nfontcolor=255\r\ndisabledfontcolor=255\r\n"
    "[tiledpattern]\r\npictureindex=0\r\nskinrect=48,0,54,6\r\nlefttoppoint=2,2\r\nrighttoppoint=4,2\r\n"
    "leftbottompoint=2,4\r\nrightbottompoint=4,4\r\nclientrect=2,2,4,4\r\n"
    "[mixedpattern]\r\npictureindex=0\r\nskinrect=48,0,54,6\r\nlefttoppoint=2,2\r\nrighttoppoint=4,2\r\n"
    "leftbottompoint=2,4\r\nrightbottompoint=4,4\r\nclientrect=2,2,4,4\r\ntopstretch=1\r\nrightstretch=1\r\n"
    "stretcheffect=1\r\n"
    "[widepattern]\r\npictureindex=0\r\nskinrect=48,0,54,6\r\nlefttoppoint=2,0\r\nrighttoppoint=4,0\r\n"
    "clientrect=2,2,4,4\r\n"
    "[tallpattern]\r\npictureindex=0\r\nskinrect=48,0,54,6\r\nlefttoppoint=0,2\r\nleftbottompoint=0,4\r\n"
    "clientrect=2,2,4,4\r\nstretcheffect=1\r\n"
    "[activeonly]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nactiveskinrect=16,0,24,8\r\nlefttoppoint=2,2\r\n"
    "righttoppoint=6,2\r\nleftbottompoint=2,6\r\nrightbottompoint=6,6\r\nclientrect=2,2,6,6\r\n"
    "[fixedbutton]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nclientrect=1,1,7,7\r\n"
    "[glowbutton]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nclientrect=1,1,7,7\r\n"
    "glowlayerpictureindex=0\r\nglowlayermaskpictureindex=0\r\nglowlayershowoffsetx=3\r\n"
    "glowlayershowoffsety=4\r\n"
    "[glowresize]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nlefttoppoint=2,2\r\nrighttoppoint=6,2\r\n"
    "leftbottompoint=2,6\r\nrightbottompoint=6,6\r\nclientrect=2,2,6,6\r\nglowlayerpictureindex=2\r\n"
    "glowlayermaskpictureindex=3\r\nglowlayeroffsetleft=1\r\nglowlayeroffsettop=1\r\nglowlayeroffsetright=2\r\n"
    "glowlayeroffsetbottom=2\r\n"
    "[glowwide]\r\npictureindex=0\r\nskinrect=8,0,16,8\r\nlefttoppoint=2,0\r\nrighttoppoint=6,0\r\n"
    "clientrect=2,2,6,6\r\nglowlayerpictureindex=2\r\nglowlayermaskpictureindex=3\r\nglowlayeroffsetleft=1\r\n"
    "glowlayeroffsetright=2\r\n"
    "[shaped]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=8,0,16,8\r\nlefttoppoint=2,2\r\n"
    "righttoppoint=6,2\r\nleftbottompoint=2,6\r\nrightbottompoint=6,6\r\nclientrect=2,2,6,6\r\n"
    "[shapedfixed]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=8,0,16,8\r\nclientrect=1,1,7,7\r\n"
    "[shapedwide]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=8,0,16,8\r\nlefttoppoint=2,0\r\n"
    "righttoppoint=6,0\r\nclientrect=2,2,6,6\r\n"
    "[shapedtall]\r\npictureindex=0\r\nmaskpictureindex=1\r\nskinrect=8,0,16,8\r\nlefttoppoint=0,2\r\n"
    "leftbottompoint=0,6\r\nclientrect=2,2,6,6\r\n"
    "[gauge]\r\npictureindex=0\r\nskinrect=0,16,18,31\r\nlefttoppoint=2,0\r\nrighttoppoint=16,0\r\n"
    "clientrect=2,2,16,13\r\nprogressarea=2,2,17,14\r\nprogressrect=24,16,43,27\r\n"
    "fontname=Arial\r\nfontheight=14\r\nfontcolor=255\r\n"
    "[vgauge]\r\npictureindex=0\r\nvertical=1\r\nskinrect=0,32,16,56\r\nlefttoppoint=0,2\r\n"
    "leftbottompoint=0,22\r\nclientrect=2,2,14,22\r\nprogressarea=2,1,14,23\r\nprogressrect=20,32,32,40\r\n"
    "fontname=Arial\r\nfontheight=14\r\nfontcolor=255\r\n";

inline void MakeControlPicture(TBitmap& picture) {
  MakePicture(picture, 64, 64, [](int x, int y) -> std::uint32_t {
    if (y < 8) {
      const std::uint32_t blocks[] = {0, kNormal, kActive, kDown, kFocused, kDisabled};
      if (x < 48) return blocks[x / 8];
      if (x < 54 && y < 6) return PatternPixel(x - 48, y);
      return 0;
    }
    if (y >= 16 && y < 31 && x < 18) return kTrack;
    if (y >= 16 && y < 27 && x >= 24 && x < 43) return PieceColumn(x - 24);
    if (y >= 32 && y < 56 && x < 16) return kTrack;
    if (y >= 32 && y < 40 && x >= 20 && x < 32) return PieceRow(y - 32);
    return 0;
  });
}

inline void MakeControlMask(TBitmap& mask) {
  MakePicture(mask, 8, 8, [](int x, int y) -> std::uint32_t {
    return (x == 0 || x == 7) && (y == 0 || y == 7) ? 0xFFFFFF : 0;
  });
}

// Pixel (x, y) of the glow picture.
constexpr std::uint32_t GlowPixel(int x, int y) {
  return 0x800000u | std::uint32_t(x * 16) << 8 | std::uint32_t(y * 16);
}

inline void MakeGlowPictures(TBitmap& glow, TBitmap& glowMask) {
  MakePicture(glow, 7, 5, GlowPixel);
  MakePicture(glowMask, 7, 5, [](int, int) { return 0xFFFFFFu; });
}

// The package of `definition` with `pictures` as its active pictures.
inline std::unique_ptr<TskCompressedStoredSkin> StoredSkin(std::string_view definition,
                                                           const std::vector<const TBitmap*>& pictures) {
  SkinPackageWriter writer;
  writer.WriteInt32(3);
  for (int slot = 0; slot < 3; ++slot) writer.WritePictureSlot(nullptr);
  writer.WriteInt32(std::int32_t(pictures.size()));
  for (const TBitmap* picture : pictures) writer.WritePicture(*picture);
  writer.WriteBytes(std::span(reinterpret_cast<const BYTE*>(definition.data()), definition.size()));
  auto stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
  stored->ReadCompressedData(DeflateSkin(writer.Bytes()));
  return stored;
}

// A skin data component holding the control skin.
struct ControlSkin {
  TBitmap picture;
  TBitmap mask;
  TBitmap glow;
  TBitmap glowMask;
  std::unique_ptr<TskCompressedStoredSkin> stored;
  std::unique_ptr<TskSkinData> data = std::make_unique<TskSkinData>(nullptr);

  explicit ControlSkin(std::string_view definition = kControlSkin) {
    MakeControlPicture(picture);
    MakeControlMask(mask);
    MakeGlowPictures(glow, glowMask);
    stored = StoredSkin(definition, {&picture, &mask, &glow, &glowMask});
    data->LoadStoredSkin(stored.get());
  }
};

// The control's look as its next paint draws it, in a picture of its size.
template <typename Control>
void PaintInto(Control& control, TBitmap& target) {
  target.SetSize(control.Width(), control.Height());
  control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
}

}  // namespace qb::test
