// Font handles as windows make them: a new handle for every relayout and
// paint, in the notification window's caption font. The first run of the
// program pays for fontconfig; every later handle of a known description
// should cost a table lookup.
#include <benchmark/benchmark.h>

#include <string_view>

#include "platform/gdi/text/Font.h"
#include "platform/gdi/text/FontFace.h"

namespace {

LOGFONT CaptionFont(LONG height) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = FW_BOLD;
  std::u16string_view(u"Arial").copy(lf.lfFaceName, LF_FACESIZE - 1);
  return lf;
}

void BM_NewHandleOfAKnownFont(benchmark::State& state) {
  const LOGFONT lf = CaptionFont(14);
  {
    const qb::GdiHandle<HFONT> warm(CreateFontIndirect(&lf));
    warm.get()->Face()->Glyph(U'E');
  }
  for (auto _ : state) {
    const qb::GdiHandle<HFONT> font(CreateFontIndirect(&lf));
    benchmark::DoNotOptimize(&font.get()->Face()->Glyph(U'E'));
  }
}
BENCHMARK(BM_NewHandleOfAKnownFont);

// A size not asked for before: the family's match is known, the face is
// opened and sized anew.
void BM_NewSizeOfAKnownFamily(benchmark::State& state) {
  LONG height = 20;
  for (auto _ : state) benchmark::DoNotOptimize(qb::FontFace::For(CaptionFont(++height)).get());
}
BENCHMARK(BM_NewSizeOfAKnownFamily)->Iterations(200);

}  // namespace
