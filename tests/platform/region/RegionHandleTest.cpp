#include "platform/region/RegionHandle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using RegionPtr = qb::GdiHandle<HRGN>;

// Region data laid out as a mask scan produces it: the header, then one
// rectangle per run of a row.
std::vector<char> RegionData(const std::vector<RECT>& rects, RECT bound) {
  RGNDATAHEADER header;
  header.nCount = DWORD(rects.size());
  header.rcBound = bound;
  std::vector<char> bytes(sizeof header + rects.size() * sizeof(RECT));
  std::memcpy(bytes.data(), &header, sizeof header);
  if (!rects.empty()) std::memcpy(bytes.data() + sizeof header, rects.data(), rects.size() * sizeof(RECT));
  return bytes;
}

TEST(RegionHandle, ExtCreateRegionReadsMaskRuns) {
  // A mask row "black, black, white, black" read at offset (10, 20), twice.
  const std::vector<RECT> runs = {{10, 20, 12, 21}, {13, 20, 14, 21}, {10, 21, 12, 22}, {13, 21, 14, 22}};
  const std::vector<char> data = RegionData(runs, {10, 20, 14, 22});
  RegionPtr region(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
  ASSERT_TRUE(region);
  EXPECT_EQ(region.get()->region.Rects(), (std::vector<RECT>{{10, 20, 12, 22}, {13, 20, 14, 22}}));
  RECT box;
  EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{10, 20, 14, 22}));
  EXPECT_TRUE(PtInRegion(region.get(), 13, 21));
  EXPECT_FALSE(PtInRegion(region.get(), 12, 21));
}

TEST(RegionHandle, ExtCreateRegionRejectsMalformedData) {
  const std::vector<char> good = RegionData({{0, 0, 4, 1}, {0, 1, 4, 2}}, {0, 0, 4, 2});
  auto patched = [&](std::size_t offset, DWORD value) {
    std::vector<char> bytes = good;
    std::memcpy(bytes.data() + offset, &value, sizeof value);
    return bytes;
  };
  struct Case {
    const char* why;
    std::vector<char> bytes;
    DWORD size;
  };
  const Case cases[] = {
      {"size shorter than the header", good, 31},
      {"size shorter than the rectangles", good, DWORD(good.size() - 1)},
      {"count far beyond the data", patched(8, 0x10000000), DWORD(good.size())},
      {"count that overflows 32 bits when multiplied", patched(8, 0xFFFFFFFF), DWORD(good.size())},
      {"unknown type", patched(4, 2), DWORD(good.size())},
      {"header size below 32", patched(0, 16), DWORD(good.size())},
      {"header size beyond the data", patched(0, 4096), DWORD(good.size())},
  };
  for (const Case& c : cases) {
    RegionPtr region(ExtCreateRegion(nullptr, c.size, reinterpret_cast<const RGNDATA*>(c.bytes.data())));
    EXPECT_FALSE(region) << c.why;
  }
  EXPECT_EQ(ExtCreateRegion(nullptr, 64, nullptr), nullptr);
}

TEST(RegionHandle, CombineModesAndComplexity) {
  RegionPtr a(CreateRectRgn(0, 0, 10, 10));
  RegionPtr b(CreateRectRgn(5, 0, 15, 10));
  RegionPtr dest(CreateRectRgn(0, 0, 0, 0));
  struct Case {
    int mode;
    int complexity;
    std::vector<RECT> rects;
  };
  const Case cases[] = {
      {RGN_AND, SIMPLEREGION, {{5, 0, 10, 10}}},
      {RGN_OR, SIMPLEREGION, {{0, 0, 15, 10}}},
      {RGN_DIFF, SIMPLEREGION, {{0, 0, 5, 10}}},
      {RGN_XOR, COMPLEXREGION, {{0, 0, 5, 10}, {10, 0, 15, 10}}},
      {RGN_COPY, SIMPLEREGION, {{0, 0, 10, 10}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CombineRgn(dest.get(), a.get(), b.get(), c.mode), c.complexity) << c.mode;
    EXPECT_EQ(dest.get()->region.Rects(), c.rects) << c.mode;
  }
  EXPECT_EQ(CombineRgn(a.get(), a.get(), a.get(), RGN_DIFF), NULLREGION) << "destination may be a source";
  EXPECT_EQ(CombineRgn(dest.get(), b.get(), nullptr, RGN_OR), ERROR);
  EXPECT_EQ(CombineRgn(dest.get(), b.get(), b.get(), 99), ERROR);

  EXPECT_EQ(OffsetRgn(b.get(), -5, 2), SIMPLEREGION);
  RegionPtr moved(CreateRectRgn(0, 2, 10, 12));
  EXPECT_TRUE(EqualRgn(b.get(), moved.get()));
  EXPECT_FALSE(EqualRgn(b.get(), nullptr));
}

}  // namespace
