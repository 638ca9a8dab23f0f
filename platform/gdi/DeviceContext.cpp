#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/text/Font.h"

HDC__::HDC__() {
  state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  state.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HDC__::~HDC__() {
  Hold(state, -1);
  for (const qb::DcState& s : saved) Hold(s, -1);
}

void HDC__::Hold(const qb::DcState& s, int delta) {
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(s.bitmap), static_cast<HGDIOBJ>(s.brush),
                         static_cast<HGDIOBJ>(s.pen), static_cast<HGDIOBJ>(s.font)}) {
    if (object) object->selections += delta;
  }
}

bool HDC__::Target(qb::DrawTarget& target) {
  std::optional<qb::Region> visible;
  target.origin = POINT{};
  target.surface = Resolve(target.origin, visible);
  if (!target.surface || target.surface->Empty()) return false;
  target.clip = qb::Region(RECT{0, 0, target.surface->Width(), target.surface->Height()});
  for (const std::optional<qb::Region>* limit : {&visible, &state.clip}) {
    if (!*limit) continue;
    qb::Region moved = **limit;
    moved.Offset(target.origin.x, target.origin.y);
    target.clip = target.clip.Intersect(moved);
  }
  return true;
}

void HDC__::Changed(const RECT&) {}

HGDIOBJ HDC__::Select(HGDIOBJ object) {
  auto swap = [&](auto& slot, auto* replacement) -> HGDIOBJ {
    auto* previous = slot;
    replacement->selections += 1;
    if (previous) previous->selections -= 1;
    slot = replacement;
    return previous;
  };
  if (auto* bitmap = dynamic_cast<HBITMAP>(object)) {
    if (!dynamic_cast<qb::MemoryDc*>(this)) return nullptr;
    return swap(state.bitmap, bitmap);
  }
  if (auto* brush = dynamic_cast<HBRUSH>(object)) return swap(state.brush, brush);
  if (auto* pen = dynamic_cast<HPEN>(object)) return swap(state.pen, pen);
  if (auto* font = dynamic_cast<HFONT>(object)) return swap(state.font, font);
  return nullptr;
}

namespace qb {

MemoryDc::MemoryDc() {
  defaultBitmap_.permanent = true;
  Select(&defaultBitmap_);
}

MemoryDc::~MemoryDc() {
  // The own bitmap must not be counted after it is gone; the base class
  // releases whatever else is selected.
  if (state.bitmap == &defaultBitmap_) {
    state.bitmap = nullptr;
  }
  for (DcState& s : saved) {
    if (s.bitmap == &defaultBitmap_) s.bitmap = nullptr;
  }
}

Surface* MemoryDc::Resolve(POINT& origin, std::optional<Region>&) {
  origin = POINT{};
  return state.bitmap ? &state.bitmap->Pixels() : nullptr;
}

void MemoryDc::Changed(const RECT&) {
  if (state.bitmap) state.bitmap->StorePixels();
}

POINT ToDevice(const DcState& s, POINT logical) {
  return POINT{logical.x - s.windowOrg.x + s.viewportOrg.x, logical.y - s.windowOrg.y + s.viewportOrg.y};
}

}  // namespace qb
