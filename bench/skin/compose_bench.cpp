// Skin composition, effects and pixel-surface operations at the sizes the
// notification window uses. BM_CopySurface is the floor every full-surface
// pass is measured against: a plain copy of the same 605 × 454 surface.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/text/Text.h"
#include "skin/data/GlowText.h"
#include "skin/data/SkinCompose.h"
#include "skin/data/TskBitmap.h"
#include "skin/data/TskEffectBmp.h"

namespace {

using namespace qb;

void RandomPicture(TBitmap& picture, int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = 24;
  dib.bits.resize(std::size_t(dib.Stride()) * std::size_t(height));
  for (BYTE& b : dib.bits) b = BYTE(random());
  picture.LoadFromStream(WriteBmp(dib));
}

// A layered-frame-like surface: opaque inside, clear outside, a band of
// partial alpha along the edge.
void FrameSurface(TskBitmap& s, int width, int height) {
  s.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int edge = std::min({x, y, width - 1 - x, height - 1 - y});
      const std::uint32_t alpha = edge >= 12 ? 255u : edge < 4 ? 0u : std::uint32_t(edge * 20);
      s.SetPixel(x, y, (alpha << 24) | std::uint32_t(x * 2654435761u >> 8 & 0xFFFFFF));
    }
  }
  s.PartialAlpha = true;
}

void BM_CopySurface(benchmark::State& state) {
  TskBitmap source, target;
  source.SetSize(605, 454);
  target.SetSize(605, 454);
  for (auto _ : state) {
    std::memcpy(target.ScanLine(0), source.ScanLine(0), 605u * 454u * 4u);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopySurface);

void BM_BlendFrameSurface(benchmark::State& state) {
  TskBitmap source, target;
  FrameSurface(source, 605, 454);
  source.BlendPath = TskBlendPath(state.range(0));
  target.SetSize(605, 454);
  for (auto _ : state) {
    source.DrawToSurface(target, {0, 0, 605, 454}, {0, 0, 605, 454});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendFrameSurface)->Arg(bpMMX)->Arg(bpPlain);

// Every pixel partially transparent: nothing to skip.
void BM_BlendAllPartial(benchmark::State& state) {
  TskBitmap source, target;
  source.SetSize(605, 454);
  std::mt19937 random(1);
  for (int y = 0; y < 454; ++y) {
    for (int x = 0; x < 605; ++x) source.SetPixel(x, y, (1 + random() % 254) << 24 | (random() & 0xFFFFFF));
  }
  source.PartialAlpha = true;
  source.BlendPath = TskBlendPath(state.range(0));
  target.SetSize(605, 454);
  for (auto _ : state) {
    source.DrawToSurface(target, {0, 0, 605, 454}, {0, 0, 605, 454});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendAllPartial)->Arg(bpMMX)->Arg(bpPlain);

void BM_ComposeResizeButton(benchmark::State& state) {
  TBitmap source, target;
  RandomPicture(source, 40, 39 * 4, 2);
  const PieceCorners piece{{7, 7}, {32, 6}, {7, 30}, {34, 32}, {2, 2, 38, 37}};
  PieceStretching all;
  all.top = all.bottom = all.left = all.right = all.client = true;
  for (auto _ : state) {
    ComposeSkinImage(piece, {0, 0, 40, 39}, source, all, true, 170, 25, MovePieceCorners(piece, 130, -14), target);
    benchmark::DoNotOptimize(target.Image().bits.data());
  }
}
BENCHMARK(BM_ComposeResizeButton);

void BM_ComposeNinePiece(benchmark::State& state) {
  TBitmap source, target;
  RandomPicture(source, 60, 60, 3);
  const PieceCorners piece{{20, 20}, {40, 20}, {20, 40}, {40, 40}, {20, 20, 40, 40}};
  PieceStretching tiled;
  tiled.client = state.range(0) != 0;
  for (auto _ : state) {
    ComposeSkinImage(piece, {0, 0, 60, 60}, source, tiled, true, 605, 454, MovePieceCorners(piece, 545, 394), target);
    benchmark::DoNotOptimize(target.Image().bits.data());
  }
}
BENCHMARK(BM_ComposeNinePiece)->Arg(0)->Arg(1);

void BM_ComposeFrameStrips(benchmark::State& state) {
  TBitmap source;
  RandomPicture(source, 120, 100, 4);
  const PieceCorners piece{{30, 25}, {90, 25}, {30, 75}, {90, 75}, {6, 25, 114, 92}};
  const PieceCorners moved = MovePieceCorners(piece, 110, 89);
  PieceStretching tiled;
  FrameStrips strips;
  for (auto _ : state) {
    ComposeFrameStrips(piece, {0, 0, 120, 100}, source, 230, 189, moved, tiled, strips);
    benchmark::DoNotOptimize(strips.top.Image().bits.data());
  }
}
BENCHMARK(BM_ComposeFrameStrips);

// The layered frame's recompose: four strips as premultiplied surfaces.
void BM_LayerFrameStrips(benchmark::State& state) {
  TBitmap source, mask;
  RandomPicture(source, 120, 100, 5);
  RandomPicture(mask, 120, 100, 6);
  const PieceCorners piece{{30, 25}, {90, 25}, {30, 75}, {90, 75}, {6, 25, 114, 92}};
  const PieceCorners moved = MovePieceCorners(piece, 110, 89);
  PieceStretching tiled;
  FrameStrips strips, masks;
  TskBitmap layers[4];
  for (auto _ : state) {
    ComposeFrameStrips(piece, {0, 0, 120, 100}, source, 230, 189, moved, tiled, strips);
    ComposeFrameStrips(piece, {0, 0, 120, 100}, mask, 230, 189, moved, tiled, masks);
    const TBitmap* pictures[4] = {&strips.top, &strips.bottom, &strips.left, &strips.right};
    const TBitmap* alphas[4] = {&masks.top, &masks.bottom, &masks.left, &masks.right};
    for (int i = 0; i < 4; ++i) {
      layers[i].Assign(pictures[i]);
      layers[i].MaskToPremultipliedAlpha(*alphas[i]);
    }
    benchmark::DoNotOptimize(layers[0].ScanLine(0));
  }
}
BENCHMARK(BM_LayerFrameStrips);

void BM_MorphDefault(benchmark::State& state) {
  TBitmap normal, hot;
  RandomPicture(normal, 170, 25, 7);
  RandomPicture(hot, 170, 25, 8);
  const TskEffectBmp target(hot);
  for (auto _ : state) {
    TskEffectBmp step(normal);
    step.MorphDefault(target, 0.4);
    benchmark::DoNotOptimize(step.ScanLine(0));
  }
}
BENCHMARK(BM_MorphDefault);

// A caption strip, and a whole surface for comparison.
void BM_StackBlur(benchmark::State& state) {
  TskBitmap surface;
  surface.SetSize(int(state.range(0)), int(state.range(1)));
  for (auto _ : state) {
    surface.StackBlur(2);
    benchmark::DoNotOptimize(surface.ScanLine(0));
  }
}
BENCHMARK(BM_StackBlur)->Args({230, 30})->Args({605, 454});

void BM_GlowTextCaption(benchmark::State& state) {
  TskBitmap canvas;
  canvas.SetSize(230, 30);
  for (auto _ : state) {
    GlowText(canvas.Canvas(), {30, 6, 200, 24}, u"PDF-Datei erzeugt", 2, clWhite, 0,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    benchmark::DoNotOptimize(canvas.ScanLine(0));
  }
}
BENCHMARK(BM_GlowTextCaption);

}  // namespace
