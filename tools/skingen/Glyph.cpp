#include "tools/skingen/Glyph.h"

#include <algorithm>
#include <cmath>

namespace qb::skingen {
namespace {

float SegmentDistance(const Stroke& s, float x, float y) {
  const float dx = s.x1 - s.x0;
  const float dy = s.y1 - s.y0;
  const float lengthSquared = dx * dx + dy * dy;
  const float t = lengthSquared > 0 ? std::clamp(((x - s.x0) * dx + (y - s.y0) * dy) / lengthSquared, 0.0f, 1.0f) : 0;
  return std::hypot(x - (s.x0 + t * dx), y - (s.y0 + t * dy));
}

bool InTriangle(const Triangle& t, float x, float y) {
  auto side = [x, y](float ax, float ay, float bx, float by) { return (bx - ax) * (y - ay) - (by - ay) * (x - ax); };
  const float a = side(t.x0, t.y0, t.x1, t.y1);
  const float b = side(t.x1, t.y1, t.x2, t.y2);
  const float c = side(t.x2, t.y2, t.x0, t.y0);
  return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
}

}  // namespace

Glyph Glyph::Moved(float dx, float dy) const {
  Glyph moved = *this;
  for (Stroke& s : moved.strokes) s = {s.x0 + dx, s.y0 + dy, s.x1 + dx, s.y1 + dy};
  for (Triangle& t : moved.triangles) t = {t.x0 + dx, t.y0 + dy, t.x1 + dx, t.y1 + dy, t.x2 + dx, t.y2 + dy};
  return moved;
}

bool Glyph::Covers(float x, float y) const {
  for (const Stroke& s : strokes) {
    if (SegmentDistance(s, x, y) <= thickness / 2) return true;
  }
  for (const Triangle& t : triangles) {
    if (InTriangle(t, x, y)) return true;
  }
  return false;
}

void Glyph::PaintOn(Raster& raster, const RECT& area, Rgb color) const {
  const Glyph placed = Moved(float(area.left), float(area.top));
  raster.Paint(area, [&placed, color](float x, float y) { return Sample{color, placed.Covers(x, y) ? 1.0f : 0.0f}; });
}

Glyph CloseGlyph(float width, float height) {
  const float cx = width / 2;
  const float cy = height / 2;
  const float r = 3.6f;
  return {{{cx - r, cy - r, cx + r, cy + r}, {cx + r, cy - r, cx - r, cy + r}}, {}, 1.7f};
}

Glyph MaximizeGlyph(float width, float height) {
  const float l = width / 2 - 4;
  const float t = height / 2 - 3.5f;
  const float r = width / 2 + 4;
  const float b = height / 2 + 3.5f;
  return {{{l, t, r, t}, {l, t + 1, r, t + 1}, {l, t, l, b}, {r, t, r, b}, {l, b, r, b}}, {}, 1.1f};
}

Glyph RestoreGlyph(float width, float height) {
  const float l = width / 2 - 4;
  const float t = height / 2 - 4;
  return {{{l + 2, t, l + 8, t},
           {l + 8, t, l + 8, t + 5},
           {l, t + 3, l + 6, t + 3},
           {l, t + 4, l + 6, t + 4},
           {l, t + 3, l, t + 8},
           {l + 6, t + 3, l + 6, t + 8},
           {l, t + 8, l + 6, t + 8}},
          {},
          1.1f};
}

Glyph MinimizeGlyph(float width, float height) {
  return {{{width / 2 - 4, height / 2 + 3, width / 2 + 4, height / 2 + 3}}, {}, 2.0f};
}

Glyph MenuGlyph(float width, float height) {
  const float cx = width / 2;
  const float cy = height / 2;
  return {{{cx - 3.5f, cy - 1.5f, cx, cy + 2}, {cx, cy + 2, cx + 3.5f, cy - 1.5f}}, {}, 1.6f};
}

Glyph ArrowGlyph(float width, float height, int direction, float size) {
  const float cx = width / 2;
  const float cy = height / 2;
  const float h = size / 2;
  switch (direction) {
    case 0: return {{}, {{cx - size, cy + h, cx + size, cy + h, cx, cy - h}}, 0};
    case 1: return {{}, {{cx - h, cy - size, cx - h, cy + size, cx + h, cy}}, 0};
    case 2: return {{}, {{cx - size, cy - h, cx + size, cy - h, cx, cy + h}}, 0};
    default: return {{}, {{cx + h, cy - size, cx + h, cy + size, cx - h, cy}}, 0};
  }
}

Glyph CheckGlyph(float width, float height) {
  const float cx = width / 2;
  const float cy = height / 2;
  return {{{cx - 3.5f, cy, cx - 1, cy + 2.5f}, {cx - 1, cy + 2.5f, cx + 3.5f, cy - 3}}, {}, 1.8f};
}

}  // namespace qb::skingen
