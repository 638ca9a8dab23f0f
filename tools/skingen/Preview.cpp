#include "tools/skingen/Preview.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/skingen/ControlCatalog.h"
#include "tools/skingen/FrameGeometry.h"
#include "tools/skingen/PngFile.h"
#include "tools/skingen/TextCoverage.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

constexpr int kClientWidth = 194;
constexpr int kClientHeight = 125;
constexpr int kPushWidth = 170;
constexpr int kPushHeight = 25;
constexpr int kGaugeHeight = 30;
constexpr int kGaugePercent = 52;
constexpr int kMargin = 16;
constexpr Rgb kDesktop = Hex(0x7D9BC1);
constexpr int kGlowSize = 2;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Copies from onto to, repeating or dropping rows and columns when the two
// differ in size.
void Stretch(Raster& target, const RECT& to, const Raster& source, const RECT& from) {
  if (Width(to) <= 0 || Height(to) <= 0 || Width(from) <= 0 || Height(from) <= 0) return;
  for (int y = to.top; y < to.bottom; ++y) {
    const int sy = from.top + (y - to.top) * Height(from) / Height(to);
    for (int x = to.left; x < to.right; ++x) {
      const int sx = from.left + (x - to.left) * Width(from) / Width(to);
      if (x >= 0 && y >= 0 && x < target.Width() && y < target.Height()) target.Set(x, y, source.At(sx, sy));
    }
  }
}

// Repeats from down the rows of to, the last piece cut at its bottom.
void TileDown(Raster& target, const RECT& to, const Raster& source, const RECT& from) {
  for (int y = to.top; y < to.bottom; y += Height(from)) {
    const int rows = std::min(Height(from), int(to.bottom) - y);
    Stretch(target, {to.left, y, to.right, y + rows}, source, {from.left, from.top, from.right, from.top + rows});
  }
}

// Repeats from along the columns of to, the last piece cut at its right.
void TileAcross(Raster& target, const RECT& to, const Raster& source, const RECT& from) {
  for (int x = to.left; x < to.right; x += Width(from)) {
    const int columns = std::min(Width(from), int(to.right) - x);
    Stretch(target, {x, to.top, x + columns, to.bottom}, source, {from.left, from.top, from.left + columns, from.bottom});
  }
}

// The layered frame for an outer size: fixed ends of the top and bottom
// bands, their middles stretched, the side columns repeated.
Raster ComposeLayer(const Raster& source, int w, int h) {
  using namespace frame;
  Raster out(w, h, Grey(0));
  const int top = std::max(kLayerLeftTop.y, kLayerRightTop.y);
  const int bottom = kLayerHeight - std::min(kLayerLeftBottom.y, kLayerRightBottom.y);
  const int rightEnd = kLayerWidth - kLayerRightTop.x;
  const int bottomRightEnd = kLayerWidth - kLayerRightBottom.x;
  Stretch(out, {0, 0, kLayerLeftTop.x, top}, source, {0, 0, kLayerLeftTop.x, top});
  Stretch(out, {w - rightEnd, 0, w, top}, source, {kLayerRightTop.x, 0, kLayerWidth, top});
  Stretch(out, {kLayerLeftTop.x, 0, w - rightEnd, top}, source, {kLayerLeftTop.x, 0, kLayerRightTop.x, top});
  const int by = h - bottom;
  const int sy = kLayerHeight - bottom;
  Stretch(out, {0, by, kLayerLeftBottom.x, h}, source, {0, sy, kLayerLeftBottom.x, kLayerHeight});
  Stretch(out, {w - bottomRightEnd, by, w, h}, source, {kLayerRightBottom.x, sy, kLayerWidth, kLayerHeight});
  Stretch(out, {kLayerLeftBottom.x, by, w - bottomRightEnd, h}, source,
          {kLayerLeftBottom.x, sy, kLayerRightBottom.x, kLayerHeight});
  TileDown(out, {0, top, kLayerClient.left, by}, source, {0, top, kLayerClient.left, sy});
  const int rightWidth = kLayerWidth - kLayerClient.right;
  TileDown(out, {w - rightWidth, top, w, by}, source, {kLayerClient.right, top, kLayerWidth, sy});
  return out;
}

// Blends a picture onto target at (x, y) with the grey levels of alpha.
void Blend(Raster& target, int x, int y, const Raster& picture, const RECT& from, const Raster& alpha, POINT alphaAt) {
  for (int j = 0; j < Height(from); ++j) {
    for (int i = 0; i < Width(from); ++i) {
      const float a = alpha.At(alphaAt.x + i, alphaAt.y + j).r / 255;
      target.Set(x + i, y + j, Mix(target.At(x + i, y + j), picture.At(from.left + i, from.top + j), a));
    }
  }
}

// The push button at any size: fixed corners, every edge and the middle
// stretched.
void ComposeButton(Raster& target, POINT at, const Raster& source, const RECT& piece, int w, int h) {
  const int sl = piece.left;
  const int st = piece.top;
  const int sw = Width(piece);
  const int sh = Height(piece);
  const POINT lt{7, 7}, rt{32, 6}, lb{7, 30}, rb{34, 32};
  const RECT c{2, 2, 38, 37};
  const int dw = w - sw;
  const int dh = h - sh;
  auto put = [&](RECT to, RECT from) {
    Stretch(target, {at.x + to.left, at.y + to.top, at.x + to.right, at.y + to.bottom}, source,
            {sl + from.left, st + from.top, sl + from.right, st + from.bottom});
  };
  put({lt.x, 0, rt.x + dw, c.top}, {lt.x, 0, rt.x, c.top});
  put({lb.x, c.bottom + dh, rb.x + dw, h}, {lb.x, c.bottom, rb.x, sh});
  put({0, lt.y, c.left, lb.y + dh}, {0, lt.y, c.left, lb.y});
  put({c.right + dw, rt.y, w, rb.y + dh}, {c.right, rt.y, sw, rb.y});
  put({0, 0, lt.x, c.top}, {0, 0, lt.x, c.top});
  put({0, c.top, c.left, lt.y}, {0, c.top, c.left, lt.y});
  put({rt.x + dw, 0, w, c.top}, {rt.x, 0, sw, c.top});
  put({c.right + dw, c.top, w, rt.y}, {c.right, c.top, sw, rt.y});
  put({0, lb.y + dh, c.left, h}, {0, lb.y, c.left, sh});
  put({c.left, c.bottom + dh, lb.x, h}, {c.left, c.bottom, lb.x, sh});
  put({rb.x + dw, c.bottom + dh, w, h}, {rb.x, c.bottom, sw, sh});
  put({c.right + dw, rb.y + dh, w, c.bottom + dh}, {c.right, rb.y, sw, c.bottom});
  put({c.left, c.top, c.right + dw, c.bottom + dh}, c);
}

// The gauge: its track with fixed ends and a tiled middle, the bar tiled
// from the progress piece, and the whole stretched to the control's height.
Raster ComposeGauge(const Raster& source, int w, int h, int percent) {
  using namespace controls;
  const int sh = Height(kGauge);
  Raster strip(w, sh, theme::kClient);
  Stretch(strip, {0, 0, 5, sh}, source, {kGauge.left, kGauge.top, kGauge.left + 5, kGauge.bottom});
  TileAcross(strip, {5, 0, w - 5, sh}, source, {kGauge.left + 5, kGauge.top, kGauge.right - 5, kGauge.bottom});
  Stretch(strip, {w - 5, 0, w, sh}, source, {kGauge.right - 5, kGauge.top, kGauge.right, kGauge.bottom});
  const RECT area{kGaugeProgressArea.left, kGaugeProgressArea.top, kGaugeProgressArea.right + (w - Width(kGauge)),
                  kGaugeProgressArea.bottom};
  const RECT bar{area.left, area.top, area.left + Width(area) * percent / 100, area.bottom};
  const int tile = Width(kGaugeProgress);
  for (int x = bar.left; x < bar.right; x += tile) {
    const int columns = std::min(tile, int(bar.right) - x);
    Stretch(strip, {x, bar.top, x + columns, bar.bottom}, source,
            {kGaugeProgress.left, kGaugeProgress.top, kGaugeProgress.left + columns, kGaugeProgress.bottom});
  }
  Raster out(w, h, theme::kClient);
  Stretch(out, {0, 0, w, h}, strip, {0, 0, w, sh});
  return out;
}

// The caption as the layered frame draws it: bold Arial, left-aligned and
// centred vertically in its rectangle, over a soft white glow.
void DrawCaption(Raster& target, const RECT& r, const std::u16string& text) {
  const TextCoverage t(text, u"Arial", 14, true);
  const int x0 = r.left;
  const int y0 = r.top + Height(r) / 2 - t.Height() / 2;
  for (int y = -kGlowSize; y < t.Height() + kGlowSize; ++y) {
    for (int x = -kGlowSize; x < t.Width() + kGlowSize; ++x) {
      float glow = 0;
      for (int dy = -kGlowSize; dy <= kGlowSize; ++dy) {
        for (int dx = -kGlowSize; dx <= kGlowSize; ++dx) {
          const float falloff = 1.0f - std::hypot(float(dx), float(dy)) / float(kGlowSize + 1);
          glow = std::max(glow, t.At(x + dx, y + dy) * std::max(0.0f, falloff));
        }
      }
      const int tx = x0 + x;
      const int ty = y0 + y;
      if (tx < r.left || tx >= r.right || ty < 0 || ty >= target.Height()) continue;
      const Rgb glowed = Mix(target.At(tx, ty), FromColorRef(theme::kCaptionGlow), glow);
      target.Set(tx, ty, Mix(glowed, FromColorRef(theme::kActiveCaptionText), t.At(x, y)));
    }
  }
}

// A push button's caption: Arial in black, centred.
void DrawButtonText(Raster& target, POINT at, const std::u16string& text) {
  const TextCoverage t(text, u"Arial", 14, false);
  const int x0 = at.x + kPushWidth / 2 - t.Width() / 2;
  const int y0 = at.y + kPushHeight / 2 - t.Height() / 2;
  for (int y = 0; y < t.Height(); ++y) {
    for (int x = 0; x < t.Width(); ++x) {
      target.Set(x0 + x, y0 + y, Mix(target.At(x0 + x, y0 + y), FromColorRef(theme::kBtnText), t.At(x, y)));
    }
  }
}

constexpr const char16_t* kButtonTexts[] = {u"PDF-Datei öffnen", u"Speicherort der Datei öffnen",
                                            u"Dieses Fenster schließen"};

void WriteFrame(const PaintedSkin& skin, const std::filesystem::path& folder) {
  using namespace frame;
  const int w = kClientWidth + kLayerWidth - Width(kLayerClient);
  const int h = kClientHeight + kLayerHeight - Height(kLayerClient);
  Raster out(w + 2 * kMargin, h + 2 * kMargin, kDesktop);
  const POINT client{kMargin + kLayerClient.left, kMargin + kLayerClient.top};
  Stretch(out, {client.x, client.y, client.x + kClientWidth, client.y + kClientHeight}, skin.frame.picture,
          {kMainClient.left, kMainClient.top, kMainClient.left + kClientWidth, kMainClient.top + kClientHeight});
  for (int i = 0; i < 3; ++i) {
    const POINT at{client.x + 12, client.y + 14 + 36 * i};
    ComposeButton(out, at, skin.controls.Picture(), controls::kResizeButton, kPushWidth, kPushHeight);
    DrawButtonText(out, at, kButtonTexts[i]);
  }
  const Raster layer = ComposeLayer(skin.layer.picture, w, h);
  const Raster alpha = ComposeLayer(skin.layer.alpha, w, h);
  Blend(out, kMargin, kMargin, layer, {0, 0, w, h}, alpha, {0, 0});
  const RECT close = ButtonLookRect(ButtonRow::kClose, ButtonLook::kNormal);
  const int closeLeft = kLayerCaption.right + (w - kLayerWidth) - kButtonWidth;
  Blend(out, kMargin + closeLeft, kMargin + kLayerButtonsTop, skin.buttons.objects, close, skin.buttons.buttonMask, {0, 0});
  const int glowInset = 3;
  DrawCaption(out,
              {kMargin + kLayerCaption.left + glowInset, kMargin + kLayerCaption.top,
               kMargin + closeLeft - kButtonsOffset - glowInset, kMargin + kLayerCaption.bottom},
              u"PDF-Datei erzeugt");
  WritePng(folder / "frame.png", out);
}

void WriteCloseButton(const PaintedSkin& skin, const std::filesystem::path& folder) {
  using namespace frame;
  const ButtonLook looks[] = {ButtonLook::kNormal, ButtonLook::kHot, ButtonLook::kPressed, ButtonLook::kInactive};
  Raster out(4 * (kButtonWidth + 8) + 8, kButtonHeight + 12, Grey(0));
  for (int y = 0; y < out.Height(); ++y) out.Fill({0, y, out.Width(), y + 1}, LayerCaptionColor(float(kLayerButtonsTop - 6 + y) + 0.5f));
  for (int i = 0; i < 4; ++i) {
    Blend(out, 8 + i * (kButtonWidth + 8), 6, skin.buttons.objects, ButtonLookRect(ButtonRow::kClose, looks[i]),
          looks[i] == ButtonLook::kInactive ? skin.buttons.inactiveMask : skin.buttons.buttonMask, {0, 0});
  }
  WritePng(folder / "closebutton.png", out);
}

void WriteButton(const PaintedSkin& skin, const std::filesystem::path& folder) {
  using namespace controls;
  Raster out(kPushWidth + 2 * kMargin, 3 * (kPushHeight + kMargin) + kMargin, theme::kClient);
  const RECT looks[] = {kResizeButton, kResizeButtonHot, kResizeButtonDown};
  for (int i = 0; i < 3; ++i) {
    const POINT at{kMargin, kMargin + i * (kPushHeight + kMargin)};
    ComposeButton(out, at, skin.controls.Picture(), looks[i], kPushWidth, kPushHeight);
    DrawButtonText(out, at, kButtonTexts[0]);
  }
  WritePng(folder / "button.png", out);
}

void WriteGauge(const PaintedSkin& skin, const std::filesystem::path& folder) {
  Raster out(kClientWidth + 2 * kMargin, kGaugeHeight + 2 * kMargin, theme::kClient);
  const Raster gauge = ComposeGauge(skin.controls.Picture(), kClientWidth, kGaugeHeight, kGaugePercent);
  out.Copy(gauge, {0, 0, kClientWidth, kGaugeHeight}, {kMargin, kMargin});
  WritePng(folder / "gauge.png", out);
}

}  // namespace

void WritePreviews(const PaintedSkin& skin, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  WriteFrame(skin, folder);
  WriteCloseButton(skin, folder);
  WriteButton(skin, folder);
  WriteGauge(skin, folder);
}

}  // namespace qb::skingen
