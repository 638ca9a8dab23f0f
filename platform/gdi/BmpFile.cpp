#include "platform/gdi/BmpFile.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace qb {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr DWORD kBiRgb = 0;
constexpr DWORD kBiRle8 = 1;
constexpr DWORD kBiRle4 = 2;
constexpr DWORD kBiBitfields = 3;

// Nothing in a skin comes near this; it keeps a hostile header from asking for
// gigabytes when the rows are compressed.
constexpr std::int64_t kMaxDimension = 32768;
// A run-length encoded picture may legitimately expand a lot (an end-of-line
// code skips a whole row), but never by more than this factor over its input.
constexpr std::int64_t kMaxRleExpansion = 1024;

[[noreturn]] void Fail(const std::string& why) { throw BmpError("Bitmap image is not valid: " + why); }

DWORD Read32(std::span<const BYTE> data, std::size_t at) {
  return DWORD(data[at]) | (DWORD(data[at + 1]) << 8) | (DWORD(data[at + 2]) << 16) | (DWORD(data[at + 3]) << 24);
}
WORD Read16(std::span<const BYTE> data, std::size_t at) { return WORD(data[at] | (data[at + 1] << 8)); }

void Put32(std::vector<BYTE>& out, DWORD value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(BYTE(value >> shift));
}
void Put16(std::vector<BYTE>& out, WORD value) {
  out.push_back(BYTE(value));
  out.push_back(BYTE(value >> 8));
}

struct Header {
  DWORD fileSize = 0;
  DWORD pixelOffset = 0;
  DWORD infoSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // as stored: negative means rows top-down
  int bitsPerPixel = 0;
  DWORD compression = 0;
  DWORD colorsUsed = 0;
};

Header ParseHeader(std::span<const BYTE> data) {
  if (data.size() < kFileHeaderSize + 4) Fail("file too short");
  if (data[0] != 'B' || data[1] != 'M') Fail("missing BM signature");
  Header h;
  h.fileSize = Read32(data, 2);
  h.pixelOffset = Read32(data, 10);
  h.infoSize = Read32(data, 14);
  if (h.infoSize < kInfoHeaderSize || h.infoSize > 124) Fail("unsupported info header size " + std::to_string(h.infoSize));
  if (h.fileSize > data.size()) Fail("file shorter than its stated size");
  if (h.fileSize < kFileHeaderSize + h.infoSize) Fail("stated size smaller than the headers");
  data = data.first(h.fileSize);
  h.width = std::int32_t(Read32(data, 18));
  h.height = std::int32_t(Read32(data, 22));
  if (Read16(data, 26) != 1) Fail("planes must be 1");
  h.bitsPerPixel = Read16(data, 28);
  h.compression = Read32(data, 30);
  h.colorsUsed = Read32(data, 46);
  return h;
}

// Where the colour masks of a BI_BITFIELDS picture are: inside a V2 or later
// header, or as three words right after a plain BITMAPINFOHEADER.
std::size_t MaskBytesAfterHeader(const Header& h) {
  return (h.compression == kBiBitfields && h.infoSize == kInfoHeaderSize) ? 12 : 0;
}

// The masks sit right after the first 40 header bytes in every header form.
void CheckBitfields(std::span<const BYTE> data) {
  const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
  if (at + 12 > data.size()) Fail("colour masks missing");
  if (Read32(data, at) != 0x00FF0000u || Read32(data, at + 4) != 0x0000FF00u || Read32(data, at + 8) != 0x000000FFu) {
    Fail("only the standard 32-bit colour masks are supported");
  }
}

void DecodeRle(std::span<const BYTE> rle, Dib& dib, bool fourBit) {
  // Rows arrive bottom-up; dib.bits is top-down.
  int x = 0;
  int row = 0;  // counted from the bottom
  const int stride = dib.Stride();
  auto put = [&](BYTE index) {
    if (x >= dib.width || row >= dib.height) Fail("run-length data beyond the picture");
    BYTE* line = dib.bits.data() + std::size_t(dib.height - 1 - row) * std::size_t(stride);
    if (fourBit) {
      BYTE& b = line[x / 2];
      b = (x % 2 == 0) ? BYTE((b & 0x0F) | (index << 4)) : BYTE((b & 0xF0) | (index & 0x0F));
    } else {
      line[x] = index;
    }
    ++x;
  };
  std::size_t at = 0;
  while (true) {
    if (at + 2 > rle.size()) Fail("run-length data ends without end-of-bitmap");
    const BYTE count = rle[at];
    const BYTE value = rle[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        put(fourBit ? BYTE(i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      }
      continue;
    }
    if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (at + 2 > rle.size()) Fail("run-length delta truncated");
      x += rle[at];
      row += rle[at + 1];
      at += 2;
      if (x > dib.width || row > dib.height) Fail("run-length delta beyond the picture");
    } else {
      const std::size_t bytes = fourBit ? (value + 1u) / 2u : value;
      if (at + bytes > rle.size()) Fail("run-length literal truncated");
      for (int i = 0; i < value; ++i) {
        put(fourBit ? BYTE(i % 2 == 0 ? rle[at + i / 2] >> 4 : rle[at + i / 2] & 0x0F) : rle[at + i]);
      }
      at += (bytes + 1) & ~std::size_t(1);  // literals are padded to 16 bits
    }
  }
}

}  // namespace

std::size_t BmpImageLength(std::span<const BYTE> data) { return ParseHeader(data).fileSize; }

Dib ReadBmp(std::span<const BYTE> input) {
  const Header h = ParseHeader(input);
  const std::span<const BYTE> data = input.first(h.fileSize);

  const int bpp = h.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) Fail("unsupported bit depth " + std::to_string(bpp));
  const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
  if (h.compression == kBiRle8 && bpp != 8) Fail("RLE8 needs 8 bits per pixel");
  if (h.compression == kBiRle4 && bpp != 4) Fail("RLE4 needs 4 bits per pixel");
  if (h.compression == kBiBitfields) {
    if (bpp != 32) Fail("bit fields only with 32 bits per pixel");
    CheckBitfields(data);
  } else if (h.compression != kBiRgb && !rle) {
    Fail("unsupported compression " + std::to_string(h.compression));
  }
  if (h.width <= 0 || h.width > kMaxDimension) Fail("bad width " + std::to_string(h.width));
  if (h.height == 0 || h.height > kMaxDimension || h.height < -kMaxDimension) Fail("bad height " + std::to_string(h.height));
  const bool topDown = h.height < 0;
  if (topDown && rle) Fail("run-length pictures cannot be top-down");

  Dib dib;
  dib.width = int(h.width);
  dib.height = int(topDown ? -h.height : h.height);
  dib.bitsPerPixel = bpp;
  const std::size_t stride = std::size_t(dib.Stride());
  const std::size_t imageBytes = stride * std::size_t(dib.height);

  const std::size_t paletteAt = kFileHeaderSize + h.infoSize + MaskBytesAfterHeader(h);
  if (h.pixelOffset < paletteAt || h.pixelOffset > data.size()) Fail("bad pixel data offset");
  if (bpp <= 8) {
    const DWORD full = 1u << bpp;
    const DWORD used = h.colorsUsed == 0 ? full : h.colorsUsed;
    if (used > full) Fail("palette larger than the bit depth allows");
    if (paletteAt + std::size_t(used) * 4 > h.pixelOffset) Fail("palette runs into the pixel data");
    // Indices past a short palette must still name a colour; Windows shows them black.
    dib.palette.assign(full, RGBQUAD{});
    for (DWORD i = 0; i < used; ++i) {
      const std::size_t at = paletteAt + std::size_t(i) * 4;
      dib.palette[i] = RGBQUAD{data[at], data[at + 1], data[at + 2], 0};
    }
  }

  const std::span<const BYTE> pixels = data.subspan(h.pixelOffset);
  if (rle) {
    if (std::int64_t(imageBytes) > kMaxRleExpansion * std::int64_t(pixels.size() + 1)) {
      Fail("picture too large for its run-length data");
    }
    dib.bits.assign(imageBytes, 0);
    DecodeRle(pixels, dib, h.compression == kBiRle4);
    return dib;
  }
  if (pixels.size() < imageBytes) Fail("pixel data truncated");
  // Appended row by row rather than cleared first and overwritten: a skin's
  // pictures are megabytes that start-up would otherwise write twice.
  dib.bits.reserve(imageBytes);
  for (int y = 0; y < dib.height; ++y) {
    const int sourceRow = topDown ? y : dib.height - 1 - y;
    const auto row = pixels.begin() + std::ptrdiff_t(std::size_t(sourceRow) * stride);
    dib.bits.insert(dib.bits.end(), row, row + std::ptrdiff_t(stride));
  }
  return dib;
}

std::vector<BYTE> WriteBmp(const Dib& dib) {
  const int bpp = dib.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) throw BmpError("cannot write a bitmap of this bit depth");
  if (dib.Empty()) throw BmpError("cannot write an empty bitmap");
  const std::size_t stride = std::size_t(dib.Stride());
  if (dib.bits.size() != stride * std::size_t(dib.height)) throw BmpError("bitmap rows do not match its size");
  const std::size_t colors = bpp <= 8 ? dib.palette.size() : 0;
  if (bpp <= 8 && (colors == 0 || colors > (std::size_t(1) << bpp))) throw BmpError("palette does not fit the bit depth");

  const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + colors * 4;
  const std::size_t imageBytes = stride * std::size_t(dib.height);
  std::vector<BYTE> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, DWORD(offset + imageBytes));
  Put32(out, 0);
  Put32(out, DWORD(offset));
  Put32(out, DWORD(kInfoHeaderSize));
  Put32(out, DWORD(dib.width));
  Put32(out, DWORD(dib.height));
  Put16(out, 1);
  Put16(out, WORD(bpp));
  Put32(out, kBiRgb);
  Put32(out, DWORD(imageBytes));
  Put32(out, 0);  // pixels per metre, unknown
  Put32(out, 0);
  Put32(out, DWORD(colors));
  Put32(out, 0);
  for (std::size_t i = 0; i < colors; ++i) {
    const RGBQUAD& c = dib.palette[i];
    out.insert(out.end(), {c.rgbBlue, c.rgbGreen, c.rgbRed, 0});
  }
  for (int y = dib.height - 1; y >= 0; --y) {
    const auto row = dib.bits.begin() + std::ptrdiff_t(std::size_t(y) * stride);
    out.insert(out.end(), row, row + std::ptrdiff_t(stride));
  }
  return out;
}

}  // namespace qb
