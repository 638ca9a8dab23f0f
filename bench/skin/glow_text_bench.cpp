// The caption's glow as the layered frame paints it on every resize and
// activation: made fresh, and drawn from the caption's cache.
#include <benchmark/benchmark.h>

#include "platform/gdi/text/Text.h"
#include "skin/data/GlowText.h"
#include "skin/data/GlowTextCache.h"
#include "skin/data/TskBitmap.h"

namespace {

constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
constexpr RECT kText{12, 8, 140, 24};

void PrepareStrip(qb::TskBitmap& strip) {
  strip.SetSize(200, 30);
  strip.FillRect({0, 0, 200, 30}, 0xFF406080u);
  strip.Canvas().Font().SetName(u"Arial");
  strip.Canvas().Font().SetHeight(14);
  strip.Canvas().Font().SetStyle({qb::fsBold});
}

void BM_GlowTextFresh(benchmark::State& state) {
  qb::TskBitmap strip;
  PrepareStrip(strip);
  for (auto _ : state) qb::GlowText(strip.Canvas(), kText, u"Erzeuge PDF-Datei", 3, qb::clWhite, 0, kFormat);
}
BENCHMARK(BM_GlowTextFresh);

void BM_GlowTextCached(benchmark::State& state) {
  qb::TskBitmap strip;
  PrepareStrip(strip);
  qb::GlowTextCache cache;
  for (auto _ : state)
    qb::GlowText(strip.Canvas(), kText, u"Erzeuge PDF-Datei", 3, qb::clWhite, 0, kFormat, &cache);
}
BENCHMARK(BM_GlowTextCached);

void BM_VistaGlowTextFresh(benchmark::State& state) {
  qb::TskBitmap strip;
  PrepareStrip(strip);
  for (auto _ : state) qb::VistaGlowText(strip.Canvas(), kText, u"Erzeuge PDF-Datei", qb::clWhite, kFormat, false);
}
BENCHMARK(BM_VistaGlowTextFresh);

}  // namespace
