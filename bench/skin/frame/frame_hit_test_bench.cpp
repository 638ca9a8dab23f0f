// Hit testing runs for every pointer move over the frame: a sweep over the
// whole window of the program's skin geometry, with and without mask strips.
#include <benchmark/benchmark.h>

#include "skin/data/PictureCopy.h"
#include "skin/frame/FrameHitTest.h"

namespace qb {
namespace {

FrameGeometry Geometry() {
  TskSkinFormInfo info;
  info.lefttoppoint = {9, 27};
  info.righttoppoint = {273, 27};
  info.leftbottompoint = {4, 205};
  info.rightbottompoint = {279, 205};
  info.clientrect = {3, 26, 282, 207};
  info.maskrectarea = {3, 3, 282, 207};
  info.hittestlefttoppoint = {7, 6};
  info.hittestrighttoppoint = {279, 8};
  info.hittestleftbottompoint = {5, 205};
  info.hittestrightbottompoint = {280, 206};
  return ComputeFrameGeometry(info, 285, 210, 400, 300);
}

void Sweep(benchmark::State& state, const FrameStrips* mask) {
  const FrameGeometry g = Geometry();
  const FrameHitState hit{.Resizable = true, .BorderWidth = 3};
  const RECT captions[] = {{5, 4, 380, 20}};
  for (auto _ : state) {
    LRESULT sum = 0;
    for (int y = 0; y < g.Height; y += 3)
      for (int x = 0; x < g.Width; x += 3) sum += SkinHitTest(g, hit, captions, mask, POINT{x, y});
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (g.Width / 3 + 1) * (g.Height / 3 + 1));
}

void BM_HitTestWithoutMask(benchmark::State& state) { Sweep(state, nullptr); }

void BM_HitTestWithMask(benchmark::State& state) {
  FrameStrips strips;
  ResizeBgr24(strips.top, 400, 3);
  ResizeBgr24(strips.bottom, 400, 93);
  ResizeBgr24(strips.left, 3, 204);
  ResizeBgr24(strips.right, 3, 204);
  Sweep(state, &strips);
}

BENCHMARK(BM_HitTestWithoutMask);
BENCHMARK(BM_HitTestWithMask);

}  // namespace
}  // namespace qb
