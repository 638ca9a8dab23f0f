// Comparing two pictures pixel for pixel, with a failure message that names
// the first pixel that differs instead of printing every pixel.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/gdi/Surface.h"

namespace qb::test {

using PixelRows = std::vector<std::vector<std::uint32_t>>;

// A surface's colours (0xRRGGBB) row by row, its alpha left out.
inline PixelRows Colours(const Surface& surface) {
  PixelRows rows(std::size_t(surface.Height()));
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) rows[std::size_t(y)].push_back(surface.At(x, y) & 0x00FFFFFFu);
  }
  return rows;
}

// Empty when the pictures are equal; else the size difference or the first
// differing pixel (row order) with both colours and the number of differing
// pixels.
inline std::string PictureDifference(const PixelRows& actual, const PixelRows& expected) {
  char text[128];
  const std::size_t aw = actual.empty() ? 0 : actual[0].size();
  const std::size_t ew = expected.empty() ? 0 : expected[0].size();
  if (actual.size() != expected.size() || aw != ew) {
    std::snprintf(text, sizeof text, "size %zu x %zu, expected %zu x %zu", aw, actual.size(), ew, expected.size());
    return text;
  }
  std::string first;
  int count = 0;
  for (std::size_t y = 0; y < actual.size(); ++y) {
    for (std::size_t x = 0; x < aw; ++x) {
      if (actual[y][x] == expected[y][x]) continue;
      if (count++ == 0) {
        std::snprintf(text, sizeof text, "at %zu,%zu %06X, expected %06X", x, y, unsigned(actual[y][x]),
                      unsigned(expected[y][x]));
        first = text;
      }
    }
  }
  if (count == 0) return {};
  return first + " (" + std::to_string(count) + " pixels differ)";
}

}  // namespace qb::test
