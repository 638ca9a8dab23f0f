// Per-tick work of the skinned controls: one cross-fade step of a 170 × 25
// push button (two composed state pictures, one blend) and one repaint of
// the notification window's 194 × 30 stretched gauge. Each should stay well
// below 0.5 ms.
#include <benchmark/benchmark.h>

#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/data/TskEffectBmp.h"
#include "tests/skin/controls/ControlTestSkin.h"

namespace qb {
namespace {

class TBenchButton : public TskSkinButton {
 public:
  using TskSkinButton::TskSkinButton;

  void CrossFadeStep(TBitmap& normal, TBitmap& active, double factor) {
    int width = Width();
    int height = Height();
    FetchSkinRecord();
    AdjustSkinSize(width, height);
    DrawButtonLook(normal, skinrect, false, false);
    DrawButtonLook(active, activeskinrect, true, false);
    TskEffectBmp blended(normal);
    blended.Morph(morphkind, TskEffectBmp(active), factor);
    benchmark::DoNotOptimize(blended.ScanLine(0));
  }
};

void BM_ButtonCrossFadeStep(benchmark::State& state) {
  test::ControlSkin skin;
  TBenchButton button(nullptr);
  button.SetSkinDataName(u"plainbutton");
  button.SetSkinData(skin.data.get());
  button.SetBounds(0, 0, 170, 25);
  button.SetCaption(u"Speicherort der Datei öffnen");
  TBitmap normal;
  TBitmap active;
  normal.SetSize(170, 25);
  active.SetSize(170, 25);
  double factor = 0.2;
  for (auto _ : state) {
    button.CrossFadeStep(normal, active, factor);
    factor = factor >= 0.8 ? 0.2 : factor + 0.2;
  }
}
BENCHMARK(BM_ButtonCrossFadeStep)->Unit(benchmark::kMicrosecond);

void BM_GaugeRepaint(benchmark::State& state) {
  test::ControlSkin skin;
  TskSkinGauge gauge(nullptr);
  gauge.SetUseSkinSize(false);
  gauge.SetBounds(0, 0, 194, 30);
  gauge.SetSkinData(skin.data.get());
  TBitmap shown;
  int value = 0;
  for (auto _ : state) {
    gauge.SetValue(value);
    value = (value + 7) % 101;
    test::PaintInto(gauge, shown);
  }
}
BENCHMARK(BM_GaugeRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qb
