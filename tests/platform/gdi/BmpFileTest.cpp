#include "platform/gdi/BmpFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace qb {
namespace {

// A hand-laid BMP file: the headers with every field settable, then whatever
// palette and pixel bytes the case appends.
struct RawBmp {
  std::int32_t width = 2;
  std::int32_t height = 2;
  WORD bitsPerPixel = 8;
  DWORD compression = 0;
  DWORD colorsUsed = 0;
  DWORD infoSize = 40;
  std::vector<BYTE> palette;  // raw bytes, four per entry
  std::vector<BYTE> pixels;
  long fileSizeDelta = 0;
  long offsetDelta = 0;

  std::vector<BYTE> Bytes() const {
    std::vector<BYTE> out;
    auto put32 = [&](DWORD v) {
      for (int s = 0; s < 32; s += 8) out.push_back(BYTE(v >> s));
    };
    auto put16 = [&](WORD v) {
      out.push_back(BYTE(v));
      out.push_back(BYTE(v >> 8));
    };
    const DWORD offset = DWORD(14 + infoSize + palette.size() + offsetDelta);
    const DWORD size = DWORD(14 + infoSize + palette.size() + pixels.size() + fileSizeDelta);
    out = {'B', 'M'};
    put32(size);
    put32(0);
    put32(offset);
    put32(infoSize);
    put32(DWORD(width));
    put32(DWORD(height));
    put16(1);
    put16(bitsPerPixel);
    put32(compression);
    put32(DWORD(pixels.size()));
    put32(0);
    put32(0);
    put32(colorsUsed);
    put32(0);
    out.resize(14 + infoSize, 0);
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
  }
};

std::vector<BYTE> GreyPalette(int entries) {
  std::vector<BYTE> bytes;
  for (int i = 0; i < entries; ++i) bytes.insert(bytes.end(), {BYTE(i), BYTE(i), BYTE(i), 0});
  return bytes;
}

Dib PatternDib(int width, int height, int bpp) {
  Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = bpp;
  if (bpp <= 8) {
    for (int i = 0; i < (1 << bpp); ++i) dib.palette.push_back(RGBQUAD{BYTE(i * 7), BYTE(255 - i), BYTE(i * 3), 0});
  }
  dib.bits.resize(std::size_t(dib.Stride()) * std::size_t(height));
  for (std::size_t i = 0; i < dib.bits.size(); ++i) dib.bits[i] = BYTE(i * 37 + 11);
  return dib;
}

TEST(BmpFile, RoundTripKeepsEveryBitDepthAndPalette) {
  // Widths chosen so that rows need padding for each depth.
  for (int bpp : {1, 4, 8, 24, 32}) {
    const Dib original = PatternDib(5, 3, bpp);
    const std::vector<BYTE> file = WriteBmp(original);
    EXPECT_EQ(BmpImageLength(file), file.size()) << bpp;
    const Dib back = ReadBmp(file);
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.bitsPerPixel, bpp);
    EXPECT_EQ(back.palette, original.palette) << bpp;
    EXPECT_EQ(back.bits, original.bits) << bpp;
  }
}

TEST(BmpFile, WritesRowsBottomUpAndReadsBothOrders) {
  RawBmp raw;
  raw.width = 1;
  raw.bitsPerPixel = 24;
  raw.pixels = {1, 2, 3, 0, 4, 5, 6, 0};  // stored bottom row first
  Dib dib = ReadBmp(raw.Bytes());
  EXPECT_EQ(dib.bits, (std::vector<BYTE>{4, 5, 6, 0, 1, 2, 3, 0}));
  const std::vector<BYTE> written = WriteBmp(dib);
  EXPECT_EQ(std::vector<BYTE>(written.end() - 8, written.end()), raw.pixels);

  raw.height = -2;
  dib = ReadBmp(raw.Bytes());
  EXPECT_EQ(dib.height, 2);
  EXPECT_EQ(dib.bits, raw.pixels);
}

TEST(BmpFile, LengthIsTheStatedSizeAndTrailingBytesAreIgnored) {
  std::vector<BYTE> file = WriteBmp(PatternDib(3, 2, 8));
  const std::size_t length = file.size();
  file.insert(file.end(), {'B', 'M', 0xFF, 0xFF});
  EXPECT_EQ(BmpImageLength(file), length);
  EXPECT_EQ(ReadBmp(file).bits, PatternDib(3, 2, 8).bits);
}

TEST(BmpFile, ShortPaletteIsPaddedWithBlack) {
  RawBmp raw;
  raw.bitsPerPixel = 4;
  raw.colorsUsed = 2;
  raw.palette = {10, 20, 30, 0, 40, 50, 60, 0};
  raw.pixels = {0x1F, 0, 0, 0, 0x01, 0, 0, 0};
  const Dib dib = ReadBmp(raw.Bytes());
  ASSERT_EQ(dib.palette.size(), 16u);
  EXPECT_EQ(dib.palette[1], (RGBQUAD{40, 50, 60, 0}));
  EXPECT_EQ(dib.palette[15], RGBQUAD{});
  EXPECT_EQ(dib.bits[0], 0x01);
  EXPECT_EQ(dib.bits[4], 0x1F);
}

TEST(BmpFile, ReadsV5HeaderWithStandardBitfields) {
  RawBmp raw;
  raw.width = 1;
  raw.height = 1;
  raw.bitsPerPixel = 32;
  raw.compression = 3;
  raw.infoSize = 124;
  raw.pixels = {1, 2, 3, 200};
  std::vector<BYTE> file = raw.Bytes();
  const BYTE masks[] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF};
  std::memcpy(file.data() + 54, masks, sizeof masks);
  EXPECT_EQ(ReadBmp(file).bits, raw.pixels);
}

TEST(BmpFile, DecodesRunLengthPictures) {
  struct Case {
    const char* name;
    WORD bpp;
    DWORD compression;
    int width;
    int height;
    std::vector<BYTE> rle;
    std::vector<BYTE> bits;  // top-down, rows padded to 4 bytes
  };
  const Case cases[] = {
      {"rle8 run, literal and end of line",
       8, 1, 4, 2,
       {3, 7, /*eol*/ 0, 0, /*literal*/ 0, 3, 1, 2, 3, 0, /*eob*/ 0, 1},
       {1, 2, 3, 0, 7, 7, 7, 0}},
      {"rle8 delta skips pixels, which stay index 0",
       8, 1, 4, 2,
       {1, 5, 0, 2, 2, 1, 1, 6, 0, 1},
       {0, 0, 0, 6, 5, 0, 0, 0}},
      {"rle4 run alternates nibbles, literal padded to a word",
       4, 2, 8, 1,
       {3, 0x12, 0, 5, 0x34, 0x56, 0x70, 0, 0, 1},
       {0x12, 0x13, 0x45, 0x67}},
  };
  for (const Case& c : cases) {
    RawBmp raw;
    raw.width = c.width;
    raw.height = c.height;
    raw.bitsPerPixel = c.bpp;
    raw.compression = c.compression;
    raw.palette = GreyPalette(1 << c.bpp);
    raw.pixels = c.rle;
    const Dib dib = ReadBmp(raw.Bytes());
    EXPECT_EQ(dib.bits, c.bits) << c.name;
  }
}

TEST(BmpFile, MalformedFilesRaiseBmpError) {
  struct Case {
    const char* name;
    std::vector<BYTE> bytes;
  };
  auto with = [](auto change) {
    RawBmp raw;
    raw.palette = GreyPalette(256);
    raw.pixels.assign(8, 1);
    change(raw);
    return raw.Bytes();
  };
  auto truncated = [&](std::size_t keep) {
    std::vector<BYTE> bytes = with([](RawBmp&) {});
    bytes.resize(keep);
    return bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"file header only", truncated(14)},
      {"cut inside the info header", truncated(30)},
      {"cut inside the pixels", truncated(14 + 40 + 1024 + 3)},
      {"no signature", [&] { auto b = with([](RawBmp&) {}); b[0] = 'X'; return b; }()},
      {"stated size beyond the data", with([](RawBmp& r) { r.fileSizeDelta = 1; })},
      {"stated size too small for the pixels", with([](RawBmp& r) { r.fileSizeDelta = -1; })},
      {"pixel offset beyond the file", with([](RawBmp& r) { r.offsetDelta = 100000; })},
      {"pixel offset inside the header", with([](RawBmp& r) { r.offsetDelta = -1040; })},
      {"info header size absurd", with([](RawBmp& r) { r.infoSize = 4000; })},
      {"info header too small", with([](RawBmp& r) { r.infoSize = 12; })},
      {"zero width", with([](RawBmp& r) { r.width = 0; })},
      {"negative width", with([](RawBmp& r) { r.width = -2; })},
      {"absurd height", with([](RawBmp& r) { r.height = 0x7FFFFFFF; })},
      {"most negative height", with([](RawBmp& r) { r.height = std::int32_t(0x80000000u); })},
      {"16 bits per pixel", with([](RawBmp& r) { r.bitsPerPixel = 16; })},
      {"unknown compression", with([](RawBmp& r) { r.compression = 4; })},
      {"palette larger than the depth", with([](RawBmp& r) { r.colorsUsed = 257; })},
      {"palette running into the pixels", with([](RawBmp& r) { r.palette.resize(16); r.colorsUsed = 16; })},
      {"rle8 with 4 bits per pixel", with([](RawBmp& r) { r.compression = 1; r.bitsPerPixel = 4; r.colorsUsed = 16; })},
      {"rle top-down", with([](RawBmp& r) { r.compression = 1; r.height = -2; r.pixels = {0, 1}; })},
      {"rle run past the row end", with([](RawBmp& r) { r.compression = 1; r.pixels = {3, 1, 0, 1}; })},
      {"rle rows past the top", with([](RawBmp& r) { r.compression = 1; r.pixels = {0, 0, 0, 0, 1, 1, 0, 1}; })},
      {"rle delta past the picture", with([](RawBmp& r) { r.compression = 1; r.pixels = {0, 2, 9, 0, 0, 1}; })},
      {"rle literal past the data", with([](RawBmp& r) { r.compression = 1; r.pixels = {0, 5, 1}; })},
      {"rle without end of bitmap", with([](RawBmp& r) { r.compression = 1; r.pixels = {2, 1}; })},
      {"rle picture huge for its data", with([](RawBmp& r) { r.compression = 1; r.width = 30000; r.height = 30000; r.pixels = {0, 1}; })},
      {"bitfields with odd masks", [&] {
         RawBmp r;
         r.bitsPerPixel = 32;
         r.compression = 3;
         r.pixels.assign(12 + 16, 0);
         return r.Bytes();
       }()},
  };
  for (const Case& c : cases) {
    EXPECT_THROW(ReadBmp(c.bytes), BmpError) << c.name;
  }
}

TEST(BmpFile, WriterRejectsInconsistentBitmaps) {
  Dib shortRows = PatternDib(3, 3, 24);
  shortRows.bits.pop_back();
  Dib noPalette = PatternDib(3, 3, 8);
  noPalette.palette.clear();
  for (const Dib& dib : {shortRows, noPalette, Dib{}}) EXPECT_THROW(WriteBmp(dib), BmpError);
}

}  // namespace
}  // namespace qb
