#include <gtest/gtest.h>

#include "platform/window/PaintApi.h"
#include "platform/window/PaintTarget.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

// Paints by validating, as BeginPaint would, and remembers what was owed.
TestWindow::Handler Validating(std::vector<Region>& painted) {
  return [&painted](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_PAINT) return std::nullopt;
    painted.push_back(TakeUpdateRegion(hwnd).region);
    return 0;
  };
}

TEST(Painting, FrameThenParentThenChildAndOnlyOnce) {
  std::vector<Region> parentPaints;
  std::vector<Region> childPaints;
  TestWindow parent({.style = WS_POPUP | WS_VISIBLE | WS_BORDER, .rect = {0, 0, 102, 102}, .handler = Validating(parentPaints)});
  TestWindow child({.style = WS_CHILD | WS_VISIBLE, .rect = {10, 10, 30, 30}, .parent = parent.Handle(), .handler = Validating(childPaints)});
  PumpPending();
  parent.ClearSeen();
  child.ClearSeen();
  parentPaints.clear();
  childPaints.clear();

  RedrawWindow(parent.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  const RECT part{0, 0, 15, 15};
  InvalidateRect(parent.Handle(), &part, FALSE);
  PumpPending();
  EXPECT_EQ(parent.SeenOf({WM_NCPAINT, WM_PAINT}), (std::vector<UINT>{WM_NCPAINT, WM_PAINT}));
  ASSERT_EQ(parentPaints.size(), 1u) << "no second WM_PAINT once validated";
  EXPECT_EQ(parentPaints[0], Region(RECT{0, 0, 100, 100}));
  ASSERT_EQ(childPaints.size(), 1u) << "a parent without WS_CLIPCHILDREN repaints its children";
  EXPECT_EQ(childPaints[0], Region(RECT{0, 0, 20, 20}));

  SetWindowLong(parent.Handle(), GWL_STYLE, GetWindowLong(parent.Handle(), GWL_STYLE) | WS_CLIPCHILDREN);
  InvalidateRect(parent.Handle(), nullptr, FALSE);
  PumpPending();
  EXPECT_EQ(childPaints.size(), 1u) << "WS_CLIPCHILDREN keeps the child's pixels";
}

TEST(Painting, PaintTargetClipsToParentChildrenAndShape) {
  TestWindow parent({.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, .rect = {500, 500, 600, 560}, .handler = {}});
  TestWindow child({.style = WS_CHILD | WS_VISIBLE, .rect = {80, 40, 140, 80}, .parent = parent.Handle(), .handler = {}});
  SetWindowRgn(child.Handle(), CreateRectRgn(0, 0, 10, 10), FALSE);

  const PaintTarget childTarget = GetPaintTarget(child.Handle(), false);
  EXPECT_EQ(childTarget.store, GetPaintTarget(parent.Handle(), true).store) << "one store per top-level window";
  EXPECT_EQ(childTarget.clientOrigin, (POINT{80, 40}));
  EXPECT_EQ(childTarget.visible, Region(RECT{80, 40, 90, 50})) << "shape and parent clip the child";

  const PaintTarget parentTarget = GetPaintTarget(parent.Handle(), false);
  EXPECT_EQ(parentTarget.visible, Region(RECT{0, 0, 100, 60}).Subtract(Region(RECT{80, 40, 90, 50})))
      << "WS_CLIPCHILDREN leaves out only the child's shape";

  ShowWindow(child.Handle(), SW_HIDE);
  EXPECT_TRUE(GetPaintTarget(child.Handle(), false).visible.IsEmpty());
  EXPECT_EQ(GetPaintTarget(parent.Handle(), false).visible, Region(RECT{0, 0, 100, 60}));
}

TEST(Painting, ResizingATopLevelWindowResizesItsStoreAndRepaintsIt) {
  std::vector<Region> paints;
  TestWindow window({.rect = {0, 0, 40, 30}, .handler = Validating(paints)});
  PumpPending();
  paints.clear();
  window.ClearSeen();
  SetWindowPos(window.Handle(), nullptr, 0, 0, 60, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const PaintTarget target = GetPaintTarget(window.Handle(), true);
  EXPECT_EQ(target.store->Width(), 60);
  EXPECT_EQ(target.store->Height(), 50);
  PumpPending();
  ASSERT_EQ(paints.size(), 1u);
  EXPECT_EQ(paints[0], Region(RECT{0, 0, 60, 50}));
  EXPECT_EQ(window.SeenOf({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE}),
            (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE}));
}

}  // namespace
}  // namespace qb::test
