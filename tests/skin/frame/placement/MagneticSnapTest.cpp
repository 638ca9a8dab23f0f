#include "skin/frame/MagneticSnap.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

constexpr RECT kArea{0, 0, 1920, 1040};
constexpr int kSize = 5;

struct SnapCase {
  const char* name;
  int left, top;
  POINT expected;
};

TEST(MagneticSnap, SnapsStrictlyWithinTheSizeOfEachEdge) {
  // A 200 × 100 window, no frame margins.
  const SnapCase cases[] = {
      {"left +4 snaps", 4, 500, {0, 500}},
      {"left +5 stays", 5, 500, {5, 500}},
      {"left -4 snaps", -4, 500, {0, 500}},
      {"top +4 snaps", 700, 4, {700, 0}},
      {"top +5 stays", 700, 5, {700, 5}},
      {"right -4 snaps", 1920 - 200 - 4, 500, {1720, 500}},
      {"right -5 stays", 1920 - 200 - 5, 500, {1715, 500}},
      {"bottom +4 snaps", 700, 1040 - 100 + 4, {700, 940}},
      {"corner snaps both", 3, 1040 - 100 - 2, {0, 940}},
  };
  for (const SnapCase& c : cases) {
    MagneticSnap snap;
    const POINT p = snap.Snap(c.left, c.top, 100, 200, kArea, {}, POINT{50, 50}, kSize);
    EXPECT_EQ(p.x, c.expected.x) << c.name;
    EXPECT_EQ(p.y, c.expected.y) << c.name;
  }
}

TEST(MagneticSnap, HeldUntilTheCursorTravelsMoreThanTheSizeThenFollows) {
  MagneticSnap snap;
  EXPECT_EQ(snap.Snap(3, 500, 100, 200, kArea, {}, POINT{100, 600}, kSize).x, 0);
  EXPECT_TRUE(snap.SnapLeft);
  EXPECT_EQ(snap.SnapAnchor.x, 100);
  // The window proposed 5 pixels right of the edge is no longer near, but the
  // cursor has moved only 5 pixels from the anchor: held.
  EXPECT_EQ(snap.Snap(8, 500, 100, 200, kArea, {}, POINT{105, 600}, kSize).x, 0);
  // Snap flag dropped as the edge was not near; reset it to see the follow.
  MagneticSnap follow;
  follow.Snap(3, 500, 100, 200, kArea, {}, POINT{100, 600}, kSize);
  EXPECT_EQ(follow.Snap(4, 500, 100, 200, kArea, {}, POINT{106, 600}, kSize).x, 6);
}

TEST(MagneticSnap, LayeredMarginsPutTheVisibleFrameAgainstTheArea) {
  const FrameMargins margins{4, 32, 3, 3};
  MagneticSnap snap;
  // The visible top edge is 32 above the form: a form proposed at top 35
  // has it at 3, which snaps, leaving the form 32 below the area's top.
  POINT p = snap.Snap(504, 35, 30, 200, kArea, margins, POINT{0, 0}, kSize);
  EXPECT_EQ(p.x, 504);
  EXPECT_EQ(p.y, 32);
  // The visible left edge at form left − 4.
  p = MagneticSnap().Snap(6, 500, 30, 200, kArea, margins, POINT{0, 0}, kSize);
  EXPECT_EQ(p.x, 4);
  // Right and bottom: the visible frame ends at the area's edge.
  p = MagneticSnap().Snap(1920 - 3 - 200 - 2, 1040 - 3 - 30 + 1, 30, 200, kArea, margins, POINT{0, 0}, kSize);
  EXPECT_EQ(p.x, 1717);
  EXPECT_EQ(p.y, 1007);
}

TEST(MagneticSnap, HeldRightAndBottomSnapsKeepTheVisibleFrameAtTheEdge) {
  const FrameMargins margins{4, 32, 3, 3};
  MagneticSnap snap;
  const POINT snapped = snap.Snap(1716, 1006, 30, 200, kArea, margins, POINT{900, 900}, kSize);
  EXPECT_EQ(snapped.x, 1717);
  EXPECT_EQ(snapped.y, 1007);
  // Proposed 6 pixels further in: no longer near, but the cursor has not
  // moved, so the window stays where the snap put it, not one margin off.
  const POINT held = snap.Snap(1711, 1001, 30, 200, kArea, margins, POINT{900, 900}, kSize);
  EXPECT_EQ(held.x, 1717);
  EXPECT_EQ(held.y, 1007);
}

TEST(MagneticSnap, ClearFlagsForgetsTheSnaps) {
  MagneticSnap snap;
  snap.Snap(2, 2, 100, 200, kArea, {}, POINT{0, 0}, kSize);
  EXPECT_TRUE(snap.SnapLeft && snap.SnapTop);
  snap.ClearFlags();
  EXPECT_FALSE(snap.SnapLeft || snap.SnapTop || snap.SnapRight || snap.SnapBottom);
}

TEST(MagneticSnap, SizeZeroNeverSnaps) {
  MagneticSnap snap;
  const POINT p = snap.Snap(0, 1, 100, 200, kArea, {}, POINT{0, 0}, 0);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 1);
  EXPECT_FALSE(snap.SnapLeft || snap.SnapTop);
}

}  // namespace
}  // namespace qb
