// Premultiplying a layered frame's top strip at the notification window's
// width: mostly opaque or clear pixels, with a soft edge.
#include <benchmark/benchmark.h>

#include "skin/data/TskBitmap.h"

namespace {

void BM_PremultiplyFrameStrip(benchmark::State& state) {
  qb::TskBitmap strip;
  for (auto _ : state) {
    state.PauseTiming();
    strip.SetSize(640, 40);
    for (int y = 0; y < 40; ++y) {
      std::uint32_t* row = strip.ScanLine(y);
      for (int x = 0; x < 640; ++x) {
        const std::uint32_t alpha = y < 4 ? std::uint32_t(y * 60) : y < 30 ? 255u : 0u;
        row[x] = (alpha << 24) | std::uint32_t(x * 2654435761u >> 8);
      }
    }
    state.ResumeTiming();
    strip.Premultiply();
  }
}
BENCHMARK(BM_PremultiplyFrameStrip);

}  // namespace
