#include <algorithm>

#include "platform/gdi/PixelOps.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

RECT ClientBox(HWND hwnd) {
  return RECT{0, 0, hwnd->client.right - hwnd->client.left, hwnd->client.bottom - hwnd->client.top};
}

POINT ClientOriginInParent(HWND child) {
  return POINT{child->rect.left + child->client.left, child->rect.top + child->client.top};
}

// A window's origin in its top-level window's store.
POINT StoreOrigin(HWND hwnd) {
  const POINT screen = ScreenOrigin(hwnd);
  const HWND top = TopLevelOf(hwnd);
  return POINT{screen.x - top->rect.left, screen.y - top->rect.top};
}

// A top-level window's store, cleared to the window's size when it was
// resized since it was last used.
Surface& StoreOf(HWND top) {
  TopLevelParts& parts = *top->top;
  if (parts.storeResized) {
    parts.store.Resize(top->Width(), top->Height());
    parts.storeResized = false;
  }
  return parts.store;
}

// The pixels of the window's rectangle that its shape keeps, in store coordinates.
Region ShapedWindowArea(HWND hwnd) {
  const POINT origin = StoreOrigin(hwnd);
  Region area(RECT{origin.x, origin.y, origin.x + hwnd->Width(), origin.y + hwnd->Height()});
  if (hwnd->shape) {
    Region shape = *hwnd->shape;
    shape.Offset(origin.x, origin.y);
    area = area.Intersect(shape);
  }
  return area;
}

void SendFrameIfPending(HWND hwnd) {
  if (!hwnd->framePending) return;
  hwnd->framePending = false;
  SendMessage(hwnd, WM_NCPAINT, 1, 0);
}

bool NeedsPaint(HWND hwnd) { return hwnd->framePending || !hwnd->update.IsEmpty(); }

// Parents before children, so that a parent's background is down before a
// child draws over it.
HWND FindWindowToPaint(const std::vector<HWND>& windows, HWND filter) {
  for (HWND w : windows) {
    if (!(w->style & WS_VISIBLE)) continue;
    if ((!filter || w == filter) && NeedsPaint(w)) return w;
    if (HWND child = FindWindowToPaint(w->children, filter)) return child;
  }
  return nullptr;
}

}  // namespace

void InvalidateWindowArea(HWND hwnd, const Region& clientArea, bool erase, ChildInvalidation children) {
  const Region area = clientArea.Intersect(Region(ClientBox(hwnd)));
  if (!area.IsEmpty()) {
    hwnd->update = hwnd->update.Union(area);
    if (erase) hwnd->erasePending = true;
  }
  const bool reachChildren = children == ChildInvalidation::kAll ||
                             (children == ChildInvalidation::kDefault && !(hwnd->style & WS_CLIPCHILDREN));
  if (!reachChildren) return;
  for (HWND child : hwnd->children) {
    if (!(child->style & WS_VISIBLE)) continue;
    if (area.Intersect(Region(child->rect)).IsEmpty()) continue;
    const bool hasFrame = child->client != RECT{0, 0, child->Width(), child->Height()};
    if (hasFrame) child->framePending = true;
    Region inChild = area;
    const POINT origin = ClientOriginInParent(child);
    inChild.Offset(-origin.x, -origin.y);
    InvalidateWindowArea(child, inChild, erase, children);
  }
}

bool FindPaintMessage(HWND filter, MSG* msg) {
  UiThread& ui = UiThread::Get();
  for (;;) {
    HWND hwnd = FindWindowToPaint(ui.topLevels, filter);
    if (!hwnd) return false;
    SendFrameIfPending(hwnd);
    if (IsLive(hwnd) && !hwnd->update.IsEmpty()) {
      *msg = MSG{hwnd, WM_PAINT, 0, 0, 0, {}};
      return true;
    }
  }
}

PaintTarget GetPaintTarget(HWND hwnd, bool wholeWindow) {
  PaintTarget target;
  if (!IsLive(hwnd)) return target;
  const HWND top = TopLevelOf(hwnd);
  target.store = &StoreOf(top);
  target.windowOrigin = StoreOrigin(hwnd);
  target.clientOrigin = POINT{target.windowOrigin.x + hwnd->client.left, target.windowOrigin.y + hwnd->client.top};
  if (!IsWindowVisible(hwnd)) return target;

  Region visible = ShapedWindowArea(hwnd);
  if (!wholeWindow) {
    RECT client = hwnd->client;
    client = RECT{client.left + target.windowOrigin.x, client.top + target.windowOrigin.y,
                  client.right + target.windowOrigin.x, client.bottom + target.windowOrigin.y};
    visible = visible.Intersect(Region(client));
  }
  for (HWND parent = hwnd->parent; parent; parent = parent->parent) {
    const POINT origin = StoreOrigin(parent);
    const RECT client{origin.x + parent->client.left, origin.y + parent->client.top, origin.x + parent->client.right,
                      origin.y + parent->client.bottom};
    visible = visible.Intersect(Region(client)).Intersect(ShapedWindowArea(parent));
  }
  visible = visible.Intersect(Region(RECT{0, 0, target.store->Width(), target.store->Height()}));
  if (hwnd->style & WS_CLIPCHILDREN) {
    for (HWND child : hwnd->children) {
      if (child->style & WS_VISIBLE) visible = visible.Subtract(ShapedWindowArea(child));
    }
  }
  if (hwnd->parent && (hwnd->style & WS_CLIPSIBLINGS)) {
    for (HWND sibling : hwnd->parent->children) {
      if (sibling == hwnd) break;
      if (sibling->style & WS_VISIBLE) visible = visible.Subtract(ShapedWindowArea(sibling));
    }
  }
  target.visible = std::move(visible);
  return target;
}

UpdateTake TakeUpdateRegion(HWND hwnd) {
  UpdateTake take;
  if (!IsLive(hwnd)) return take;
  SendFrameIfPending(hwnd);
  if (!IsLive(hwnd)) return take;
  take.region = std::move(hwnd->update);
  take.erase = hwnd->erasePending;
  hwnd->update = Region();
  hwnd->erasePending = false;
  return take;
}

void PresentWindow(HWND hwnd) {
  if (!IsLive(hwnd)) return;
  UiThread::Get().backend->PresentWindow(TopLevelOf(hwnd));
}

bool LayeredPixelShown(HWND top, LONG x, LONG y) {
  if (!(top->exStyle & WS_EX_LAYERED) || !top->top) return true;
  const LayeredState& layered = top->top->layered;
  const bool keyed = layered.attributeFlags & LWA_COLORKEY;
  const std::uint32_t key = PixelFromColor(layered.colorKey & 0xFFFFFF);
  if (layered.hasContent) {
    if (x < 0 || y < 0 || x >= layered.content.Width() || y >= layered.content.Height()) return false;
    const std::uint32_t pixel = layered.content.At(x, y);
    if (keyed && (pixel & 0xFFFFFF) == key) return false;
    return (pixel >> 24) != 0 && layered.constantAlpha != 0;
  }
  if (!layered.hasAttributes) return false;
  if ((layered.attributeFlags & LWA_ALPHA) && layered.constantAlpha == 0) return false;
  if (!keyed) return true;
  const Surface& store = StoreOf(top);
  if (x < 0 || y < 0 || x >= store.Width() || y >= store.Height()) return false;
  return (store.At(x, y) & 0xFFFFFF) != key;
}

LayeredState* GetLayeredState(HWND hwnd) {
  if (!IsLive(hwnd) || !hwnd->top) return nullptr;
  return &hwnd->top->layered;
}

std::vector<ScreenWindow> VisibleTopLevelsBottomToTop() {
  std::vector<ScreenWindow> screen;
  const std::vector<HWND>& list = UiThread::Get().topLevels;
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    HWND w = *it;
    if (!(w->style & WS_VISIBLE)) continue;
    ScreenWindow entry;
    entry.hwnd = w;
    entry.rect = w->rect;
    entry.store = &StoreOf(w);
    entry.shape = w->shape ? &*w->shape : nullptr;
    entry.layered = (w->exStyle & WS_EX_LAYERED) != 0;
    entry.layeredState = entry.layered ? &w->top->layered : nullptr;
    screen.push_back(entry);
  }
  return screen;
}

}  // namespace qb

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
  return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) { return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE); }

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL) {
  if (!qb::IsLive(hwnd)) return FALSE;
  if (rect) *rect = hwnd->update.Bounds();
  return hwnd->update.IsEmpty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  if (!qb::IsLive(hwnd)) return FALSE;
  if (!IsWindowVisible(hwnd)) return TRUE;
  qb::SendFrameIfPending(hwnd);
  if (qb::IsLive(hwnd) && !hwnd->update.IsEmpty()) SendMessage(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
  if (!qb::IsLive(hwnd)) return FALSE;
  const qb::Region area = region ? region->region : rect ? qb::Region(*rect) : qb::Region(qb::ClientBox(hwnd));
  const qb::ChildInvalidation children = (flags & RDW_NOCHILDREN)    ? qb::ChildInvalidation::kNone
                                         : (flags & RDW_ALLCHILDREN) ? qb::ChildInvalidation::kAll
                                                                     : qb::ChildInvalidation::kDefault;
  if (flags & RDW_INVALIDATE) {
    qb::InvalidateWindowArea(hwnd, area, (flags & RDW_ERASE) != 0, children);
    if (flags & RDW_FRAME) hwnd->framePending = true;
  } else if (flags & RDW_VALIDATE) {
    hwnd->update = hwnd->update.Subtract(area);
    if (hwnd->update.IsEmpty()) hwnd->erasePending = false;
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
    std::vector<HWND> pending{hwnd};
    while (!pending.empty()) {
      HWND w = pending.back();
      pending.pop_back();
      if (!qb::IsLive(w)) continue;
      UpdateWindow(w);
      if (qb::IsLive(w) && children != qb::ChildInvalidation::kNone) {
        pending.insert(pending.end(), w->children.rbegin(), w->children.rend());
      }
    }
  }
  return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
  if (!qb::IsLive(hwnd)) return 0;
  if (region) {
    hwnd->shape = std::move(region->region);
    DeleteObject(region);
  } else {
    hwnd->shape.reset();
  }
  if (redraw && IsWindowVisible(hwnd)) {
    if (hwnd->parent) qb::InvalidateParentUnder(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  qb::UiThread::Get().backend->PresentWindow(qb::TopLevelOf(hwnd));
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  if (!qb::IsLive(hwnd) || !region || !hwnd->shape) return ERROR;
  region->region = *hwnd->shape;
  return qb::RegionComplexity(region->region);
}
