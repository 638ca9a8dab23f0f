#include <gtest/gtest.h>

#include "skin/data/SkinCompose.h"
#include "tests/support/TestPictures.h"

namespace qb {
namespace {

using test::ColourAt;
using test::Colours;
using test::MakePicture;

// Each source pixel's colour names its position, so a target pixel tells
// where it was copied from.
std::uint32_t Id(int x, int y) { return 0x100000u | std::uint32_t(x + 1) << 8 | std::uint32_t(y + 1); }
POINT SourceOf(std::uint32_t colour) { return {LONG((colour >> 8) & 0xFF) - 1, LONG(colour & 0xFF) - 1}; }

void MakeIdPicture(TBitmap& picture, int width, int height) { MakePicture(picture, width, height, Id); }

// A 3 × 3 picture with distinct colours; the middle pixel is the client.
const std::vector<std::vector<std::uint32_t>> kNine = {
    {0xA00001, 0xB00002, 0xC00003},
    {0xD00004, 0xE00005, 0xF00006},
    {0x100007, 0x200008, 0x300009},
};
const PieceCorners kNineCorners{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 1, 2, 2}};

PieceStretching AllStretched() {
  PieceStretching s;
  s.top = s.bottom = s.left = s.right = s.client = true;
  return s;
}

TEST(ComposeSkinImage, NinePieceOfThreeByThreeKeepsCornersAndRepeatsEdges) {
  TBitmap source, target;
  MakePicture(source, kNine);
  const std::vector<std::vector<std::uint32_t>> expected = {
      {0xA00001, 0xB00002, 0xB00002, 0xB00002, 0xC00003},
      {0xD00004, 0xE00005, 0xE00005, 0xE00005, 0xF00006},
      {0xD00004, 0xE00005, 0xE00005, 0xE00005, 0xF00006},
      {0x100007, 0x200008, 0x200008, 0x200008, 0x300009},
  };
  for (const bool stretched : {true, false}) {
    PieceStretching s = AllStretched();
    s.top = s.bottom = s.left = s.right = s.client = stretched;
    ComposeSkinImage(kNineCorners, {0, 0, 3, 3}, source, s, true, 5, 4, MovePieceCorners(kNineCorners, 2, 1), target);
    EXPECT_EQ(Colours(target), expected) << "stretched " << stretched;
  }
}

TEST(ComposeSkinImage, ResizeButtonTo170By25) {
  // The push button's piece, placed at (5, 3) of a larger picture.
  TBitmap source, target;
  MakeIdPicture(source, 50, 45);
  const RECT s{5, 3, 45, 42};
  const PieceCorners piece{{7, 7}, {32, 6}, {7, 30}, {34, 32}, {2, 2, 38, 37}};
  const PieceCorners moved = MovePieceCorners(piece, 170 - 40, 25 - 39);
  ASSERT_EQ(moved.rightTop.x, 162);
  ASSERT_EQ(moved.client.right, 168);
  ASSERT_EQ(moved.client.bottom, 23);
  ComposeSkinImage(piece, s, source, AllStretched(), true, 170, 25, moved, target);
  ASSERT_EQ(target.Width(), 170);
  ASSERT_EQ(target.Height(), 25);

  const struct {
    POINT at;
    POINT from;  // in piece coordinates
  } cases[] = {
      {{7, 0}, {7, 0}},       // top edge band starts at x = 7 ...
      {{100, 1}, {22, 1}},    // ... stretched 25 → 155 columns
      {{161, 0}, {31, 0}},    // ... and ends before x = 162
      {{162, 0}, {32, 0}},    // the right-top corner
      {{0, 0}, {0, 0}},       // left-top corner
      {{169, 24}, {39, 38}},  // right-bottom corner
      {{1, 24}, {1, 38}},     // left-bottom corner
      {{2, 2}, {2, 2}},       // client stretched 36 × 35 → 166 × 21
      {{167, 22}, {37, 35}}, {{85, 12}, {2 + 83 * 36 / 166, 2 + 10 * 35 / 21}},
  };
  for (const auto& c : cases) {
    const POINT got = SourceOf(ColourAt(target, c.at.x, c.at.y));
    EXPECT_EQ(got, (POINT{c.from.x + s.left, c.from.y + s.top}))
        << "target (" << c.at.x << ", " << c.at.y << ") came from (" << got.x << ", " << got.y << ")";
  }
}

TEST(ComposeSkinImage, TiledPiecesCoverTheTargetWithoutGaps) {
  // A 6 × 6 piece with a 2 × 2 client and corners at the client's corners:
  // every target pixel comes from the corner, edge or client position that
  // repeats with period 2 between the fixed two-pixel borders.
  TBitmap source, target;
  MakeIdPicture(source, 6, 6);
  const PieceCorners piece{{2, 2}, {4, 2}, {2, 4}, {4, 4}, {2, 2, 4, 4}};
  auto expected = [](int t, int length) { return t < 2 ? t : t >= length - 2 ? t - (length - 6) : 2 + (t - 2) % 2; };
  for (const SIZE size : {SIZE{6, 6}, SIZE{7, 9}, SIZE{10, 10}, SIZE{13, 8}, SIZE{5, 5}}) {
    PieceStretching tiled;
    ComposeSkinImage(piece, {0, 0, 6, 6}, source, tiled, true, size.cx, size.cy,
                     MovePieceCorners(piece, size.cx - 6, size.cy - 6), target);
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        const POINT want{expected(x, size.cx), expected(y, size.cy)};
        ASSERT_EQ(SourceOf(ColourAt(target, x, y)), want) << size.cx << " x " << size.cy << " at " << x << ", " << y;
      }
    }
  }
}

TEST(ComposeSkinImage, DegeneratePiecesLeaveTheResizedTargetUnpainted) {
  TBitmap source, target;
  MakeIdPicture(source, 6, 6);
  const PieceCorners flat{{2, 2}, {4, 2}, {2, 4}, {2, 4}, {2, 2, 4, 4}};  // RB.X = LT.X
  ComposeSkinImage(flat, {0, 0, 6, 6}, source, AllStretched(), true, 9, 7, MovePieceCorners(flat, 3, 1), target);
  EXPECT_EQ(Colours(target), std::vector<std::vector<std::uint32_t>>(7, std::vector<std::uint32_t>(9, 0)));

  // A tiled top edge of width 0 is skipped; the rest is still composed.
  const PieceCorners thinTop{{2, 2}, {2, 2}, {2, 4}, {4, 4}, {2, 2, 4, 4}};
  ComposeSkinImage(thinTop, {0, 0, 6, 6}, source, PieceStretching{}, true, 9, 7, MovePieceCorners(thinTop, 3, 1),
                   target);
  EXPECT_EQ(SourceOf(ColourAt(target, 0, 0)), (POINT{0, 0}));
  EXPECT_EQ(SourceOf(ColourAt(target, 4, 4)), (POINT{2, 2}));
}

TEST(ComposeSkinImage, ClientStretchTypesRepeatAlongTheOtherAxis) {
  // Client 2 × 1 at (1, 1) of a 4 × 3 piece, drawn into a 6 × 3 client.
  TBitmap source, target;
  MakeIdPicture(source, 4, 3);
  const PieceCorners piece{{1, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 1, 3, 2}};
  PieceStretching s = AllStretched();
  const PieceCorners moved = MovePieceCorners(piece, 4, 2);
  const struct {
    TskStretchType type;
    std::vector<POINT> row;  // sources of client row 0, x = 1 … 6
  } cases[] = {
      {stFull, {{1, 1}, {1, 1}, {1, 1}, {2, 1}, {2, 1}, {2, 1}}},
      {stHorizontal, {{1, 1}, {2, 1}, {1, 1}, {2, 1}, {1, 1}, {2, 1}}},
      {stVertical, {{1, 1}, {1, 1}, {1, 1}, {2, 1}, {2, 1}, {2, 1}}},
  };
  for (const auto& c : cases) {
    s.clientType = c.type;
    ComposeSkinImage(piece, {0, 0, 4, 3}, source, s, true, 8, 5, moved, target);
    for (int x = 1; x <= 6; ++x) {
      EXPECT_EQ(SourceOf(ColourAt(target, x, 1)), c.row[std::size_t(x - 1)]) << "type " << c.type << " x " << x;
      EXPECT_EQ(SourceOf(ColourAt(target, x, 3)), c.row[std::size_t(x - 1)]) << "type " << c.type << " x " << x;
    }
  }
}

TEST(ComposeHorizontal, GaugeTilesStartAfterTheLeftPieceAndStopAtTheRightOne) {
  TBitmap source, target;
  MakeIdPicture(source, 20, 17);
  const RECT s{1, 2, 19, 17};  // the gauge piece, 18 × 15
  for (const int width : {605, 26, 18, 11, 10, 8}) {
    ComposeHorizontal(5, 5, false, width, s, source, target);
    ASSERT_EQ(target.Width(), width);
    ASSERT_EQ(target.Height(), 15);
    for (int x = 0; x < width; ++x) {
      // The right piece is drawn after the left one and wins where they overlap.
      const int piece = x >= width - 5 ? x - (width - 18) : x < 5 ? x : 5 + (x - 5) % 8;
      ASSERT_EQ(SourceOf(ColourAt(target, x, 7)), (POINT{1 + piece, 2 + 7})) << "width " << width << " x " << x;
    }
  }
}

TEST(ComposeVertical, MiddleStretchedBetweenFixedEnds) {
  TBitmap source, target;
  MakeIdPicture(source, 3, 6);
  ComposeVertical(2, 1, true, 9, {0, 0, 3, 6}, source, target);
  ASSERT_EQ(target.Width(), 3);
  ASSERT_EQ(target.Height(), 9);
  const int expectedRows[] = {0, 1, 2, 2, 3, 3, 4, 4, 5};  // middle rows 2 … 4 stretched 3 → 6
  for (int y = 0; y < 9; ++y) EXPECT_EQ(SourceOf(ColourAt(target, 1, y)), (POINT{1, expectedRows[y]})) << y;

  ComposeVertical(2, 1, false, 10, {0, 0, 3, 6}, source, target);
  const int tiledRows[] = {0, 1, 2, 3, 4, 2, 3, 4, 2, 5};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(SourceOf(ColourAt(target, 1, y)), (POINT{1, tiledRows[y]})) << y;
}

TEST(StretchSkinPiece, StretchesToTheTargetsCurrentSize) {
  TBitmap source, target;
  MakePicture(source, kNine);
  target.SetPixelFormat(pf24bit);
  target.SetSize(5, 4);
  StretchSkinPiece(target, source, {0, 0, 3, 3}, true, {1, 1, 2, 2});
  EXPECT_EQ(Colours(target), (std::vector<std::vector<std::uint32_t>>{
                                 {0xA00001, 0xB00002, 0xB00002, 0xB00002, 0xC00003},
                                 {0xD00004, 0xE00005, 0xE00005, 0xE00005, 0xF00006},
                                 {0xD00004, 0xE00005, 0xE00005, 0xE00005, 0xF00006},
                                 {0x100007, 0x200008, 0x200008, 0x200008, 0x300009},
                             }));
}

TEST(ComposeFrameStrips, FourStripsAroundTheClient) {
  TBitmap source;
  MakePicture(source, kNine);
  FrameStrips strips;
  for (const bool stretched : {true, false}) {
    PieceStretching s;
    s.top = s.bottom = s.left = s.right = stretched;
    ComposeFrameStrips(kNineCorners, {0, 0, 3, 3}, source, 5, 4, MovePieceCorners(kNineCorners, 2, 1), s, strips);
    EXPECT_EQ(Colours(strips.top),
              (std::vector<std::vector<std::uint32_t>>{{0xA00001, 0xB00002, 0xB00002, 0xB00002, 0xC00003}}));
    EXPECT_EQ(Colours(strips.bottom),
              (std::vector<std::vector<std::uint32_t>>{{0x100007, 0x200008, 0x200008, 0x200008, 0x300009}}));
    EXPECT_EQ(Colours(strips.left), (std::vector<std::vector<std::uint32_t>>{{0xD00004}, {0xD00004}}));
    EXPECT_EQ(Colours(strips.right), (std::vector<std::vector<std::uint32_t>>{{0xF00006}, {0xF00006}}));
  }
}

TEST(ComposeFrameStrips, StripsWhoseConditionFailsKeepTheirContent) {
  TBitmap source;
  MakePicture(source, kNine);
  FrameStrips strips;
  MakePicture(strips.left, {{0x123456}});
  // No left column: the left strip is not built.
  const PieceCorners noLeft{{0, 1}, {2, 1}, {0, 2}, {2, 2}, {0, 1, 2, 2}};
  ComposeFrameStrips(noLeft, {0, 0, 3, 3}, source, 5, 4, MovePieceCorners(noLeft, 2, 1), AllStretched(), strips);
  EXPECT_EQ(Colours(strips.left), (std::vector<std::vector<std::uint32_t>>{{0x123456}}));
  EXPECT_EQ(strips.top.Width(), 5);
}

}  // namespace
}  // namespace qb
