// Blits and text at the sizes the notification window uses: a 605 × 454
// picture, and a caption of 30 characters.
#include <benchmark/benchmark.h>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Text.h"

namespace {

constexpr int kWidth = 605;
constexpr int kHeight = 454;

// A memory context with a 32-bit bitmap whose pixels are filled by `pixel`.
class Canvas {
 public:
  template <typename PixelOf>
  Canvas(int width, int height, PixelOf pixel) : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, width, height)) {
    qb::Surface& s = bitmap_->Pixels();
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) s.At(x, y) = pixel(x, y);
    }
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_ = nullptr;
};

std::uint32_t Opaque(int x, int y) { return 0xFF000000u | std::uint32_t(x * 7 + y * 13); }

// Premultiplied pixels of every coverage, as a glow or a border strip has.
std::uint32_t Translucent(int x, int y) {
  const std::uint32_t a = std::uint32_t(x + y) & 0xFF;
  return (a << 24) | ((a / 2) << 16) | ((a / 3) << 8) | (a / 4);
}

void BM_BitBlt(benchmark::State& state) {
  Canvas source(kWidth, kHeight, Opaque);
  Canvas target(kWidth, kHeight, Opaque);
  for (auto _ : state) {
    BitBlt(target.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BitBlt);

void BM_AlphaBlendPerPixel(benchmark::State& state) {
  Canvas source(kWidth, kHeight, Translucent);
  Canvas target(kWidth, kHeight, Opaque);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(state.range(0)), AC_SRC_ALPHA};
  for (auto _ : state) {
    AlphaBlend(target.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, kWidth, kHeight, blend);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_AlphaBlendPerPixel)->Arg(255)->Arg(200);

void BM_StretchBlt(benchmark::State& state) {
  Canvas source(kWidth / 2, kHeight / 2, Opaque);
  Canvas target(kWidth, kHeight, Opaque);
  for (auto _ : state) {
    StretchBlt(target.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, kWidth / 2, kHeight / 2, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_StretchBlt);

void BM_DrawCaption(benchmark::State& state) {
  Canvas target(300, 24, Opaque);
  LOGFONT lf;
  lf.lfHeight = -11;
  lf.lfWeight = FW_BOLD;
  std::u16string_view(u"Tahoma").copy(lf.lfFaceName, 6);
  HFONT font = CreateFontIndirect(&lf);
  HGDIOBJ previous = SelectObject(target.Dc(), font);
  SetBkMode(target.Dc(), TRANSPARENT);
  const char16_t* caption = u"PDF-Datei erzeugt: Bericht 107";  // 30 characters
  for (auto _ : state) {
    RECT r{4, 4, 296, 20};
    benchmark::DoNotOptimize(DrawText(target.Dc(), caption, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
  }
  SelectObject(target.Dc(), previous);
  DeleteObject(font);
}
BENCHMARK(BM_DrawCaption);

}  // namespace
