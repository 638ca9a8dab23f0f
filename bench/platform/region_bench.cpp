// Region operations on shapes made from masks: thousands of one-pixel-high
// runs, as a skinned window's shape has.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/region/Region.h"

namespace {

// A rounded, notched shape: every row has two runs whose ends shift with y.
qb::Region MaskShape(int height, int shift) {
  std::vector<RECT> runs;
  for (int y = 0; y < height; ++y) {
    const int inset = (y * 7 + shift) % 13;
    runs.push_back({inset, y, 200 + inset, y + 1});
    runs.push_back({260 - inset, y, 600 - inset / 2, y + 1});
  }
  return qb::Region::FromRects(runs);
}

void BM_RegionFromRuns(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MaskShape(int(state.range(0)), 0));
}
BENCHMARK(BM_RegionFromRuns)->Arg(1000)->Arg(5000);

void BM_RegionUnion(benchmark::State& state) {
  const qb::Region a = MaskShape(int(state.range(0)), 0);
  const qb::Region b = MaskShape(int(state.range(0)), 5);
  for (auto _ : state) benchmark::DoNotOptimize(a.Union(b));
}
BENCHMARK(BM_RegionUnion)->Arg(1000)->Arg(5000);

void BM_RegionIntersect(benchmark::State& state) {
  const qb::Region a = MaskShape(int(state.range(0)), 0);
  const qb::Region b = MaskShape(int(state.range(0)), 5);
  for (auto _ : state) benchmark::DoNotOptimize(a.Intersect(b));
}
BENCHMARK(BM_RegionIntersect)->Arg(1000)->Arg(5000);

void BM_RegionContains(benchmark::State& state) {
  const qb::Region a = MaskShape(5000, 0);
  int y = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a.Contains(100, y));
    y = (y + 37) % 5000;
  }
}
BENCHMARK(BM_RegionContains);

}  // namespace
