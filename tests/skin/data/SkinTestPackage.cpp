#include "tests/skin/data/SkinTestPackage.h"

#include "platform/gdi/BmpFile.h"
#include "skin/data/SkinCompression.h"
#include "skin/data/SkinPackageWriter.h"

namespace qb::test {
namespace {

void AppendDib(std::vector<BYTE>& out, const Dib& dib) {
  const std::vector<BYTE> file = WriteBmp(dib);
  out.insert(out.end(), file.begin(), file.end());
}

void AppendSlot(std::vector<BYTE>& out, const std::optional<Dib>& dib) {
  out.push_back(dib ? 0 : 1);
  if (dib) AppendDib(out, *dib);
}

void AppendInt32(std::vector<BYTE>& out, std::int32_t value) {
  SkinPackageWriter writer;
  writer.WriteInt32(value);
  out.insert(out.end(), writer.Bytes().begin(), writer.Bytes().end());
}

}  // namespace

Dib SolidDib(int width, int height, BYTE red, BYTE green, BYTE blue) {
  Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = 24;
  dib.bits.assign(static_cast<std::size_t>(dib.Stride()) * static_cast<std::size_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) SetPixel24(dib, x, y, red, green, blue);
  }
  return dib;
}

Dib PaletteDib(int width, int height, int bitsPerPixel) {
  Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = bitsPerPixel;
  dib.palette.assign(std::size_t{1} << bitsPerPixel, RGBQUAD{});
  dib.bits.assign(static_cast<std::size_t>(dib.Stride()) * static_cast<std::size_t>(height), 0);
  return dib;
}

void SetPixel24(Dib& dib, int x, int y, BYTE red, BYTE green, BYTE blue) {
  BYTE* p = dib.bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(dib.Stride()) + 3 * x;
  p[0] = blue;
  p[1] = green;
  p[2] = red;
}

std::vector<BYTE> BuildPackage(const PackageParts& parts, const std::vector<Dib>& extraSlots) {
  std::vector<BYTE> out;
  AppendInt32(out, parts.version);
  AppendSlot(out, parts.main);
  AppendSlot(out, parts.inactive);
  AppendSlot(out, parts.mask);
  for (const Dib& extra : extraSlots) AppendSlot(out, extra);
  AppendInt32(out, static_cast<std::int32_t>(parts.active.size()));
  for (const Dib& dib : parts.active) AppendDib(out, dib);
  out.insert(out.end(), parts.definition.begin(), parts.definition.end());
  return out;
}

std::vector<BYTE> Compress(const std::vector<BYTE>& package) { return DeflateSkin(package); }

}  // namespace qb::test
