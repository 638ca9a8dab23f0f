#include "tools/skingen/FramePainter.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/Bevel.h"
#include "tools/skingen/FrameGeometry.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

RoundRect WindowShape(const RECT& window, float radius) {
  return {float(window.left), float(window.top), float(window.right), float(window.bottom), radius, radius, 0, 0};
}

// Outline, highlight and caption gradient, with the client area inset by a
// one-pixel edge; the caption gradient runs from the window's top to the
// client's top, and the side borders continue its last colour.
void PaintFrameBody(Raster& raster, const RECT& window, const RECT& client, float radius) {
  Bevel frame{WindowShape(window, radius),
              {{1, theme::kOutline, theme::kOutlineShaded}, {1, theme::kWhite, theme::kInnerShade, 0.9f}},
              theme::CaptionGradient(),
              float(window.top),
              float(client.top)};
  frame.PaintOn(raster);
  raster.Fill({client.left - 1, client.top - 1, client.right + 1, client.bottom + 1}, theme::kClientEdge);
  raster.Fill(client, theme::kClient);
}

// Soft shadow strength outside the window: a wide faint falloff and a narrow
// darker one right at the edge. The light falls from slightly above, so the
// shadow shape sits one pixel lower than the window.
float ShadowAlpha(const RoundRect& shadowShape, float x, float y) {
  const float d = std::max(0.0f, shadowShape.Distance(x, y));
  const float wide = std::max(0.0f, 1 - d / 13.5f);
  const float near = std::max(0.0f, 1 - d / 3.0f);
  return 0.26f * wide * wide + 0.14f * near;
}

}  // namespace

Rgb LayerCaptionColor(float row) {
  return theme::CaptionGradient().AtRow(row, float(frame::kLayerBorder.top), float(frame::kLayerClient.top));
}

FramePictures PaintMainFrame() {
  using namespace frame;
  // Pixels the window mask cuts away show the outline colour, so that a
  // corner pixel that is only partly inside blends towards the outline.
  FramePictures result{Raster(kMainWidth, kMainHeight, theme::kOutline), Raster(kMainWidth, kMainHeight, theme::kWhite)};
  const RECT window{0, 0, kMainWidth, kMainHeight};
  PaintFrameBody(result.picture, window, kMainClient, kMainCornerRadius);
  const RoundRect shape = WindowShape(window, kMainCornerRadius);
  for (int y = 0; y < kMainHeight; ++y) {
    for (int x = 0; x < kMainWidth; ++x) {
      if (shape.Distance(x + 0.5f, y + 0.5f) <= 0) result.mask.Set(x, y, Grey(0));
    }
  }
  return result;
}

LayerFramePictures PaintLayerFrame() {
  using namespace frame;
  // Painted over black, each pixel holds the frame's colour times its
  // coverage; the shadow is then added below it.
  Raster covered(kLayerWidth, kLayerHeight, Grey(0));
  PaintFrameBody(covered, kLayerBorder, kLayerClient, kLayerCornerRadius);
  Raster coverage(kLayerWidth, kLayerHeight, Grey(0));
  const RoundRect shape = WindowShape(kLayerBorder, kLayerCornerRadius);
  coverage.Paint(kLayerBorder, [&shape](float x, float y) {
    return Sample{theme::kWhite, shape.Distance(x, y) <= 0 ? 1.0f : 0.0f};
  });

  LayerFramePictures result{Raster(kLayerWidth, kLayerHeight, theme::kShadow),
                            Raster(kLayerWidth, kLayerHeight, Grey(0)),
                            Raster(kLayerWidth, kLayerHeight, theme::kWhite)};
  RoundRect shadowShape = shape;
  shadowShape.top += 1;
  shadowShape.bottom += 1;
  for (int y = 0; y < kLayerHeight; ++y) {
    for (int x = 0; x < kLayerWidth; ++x) {
      const float c = coverage.At(x, y).r / 255;
      const float s = ShadowAlpha(shadowShape, x + 0.5f, y + 0.5f);
      const float alpha = c + (1 - c) * s;
      if (alpha > 0) {
        const Rgb p = covered.At(x, y);
        const float k = (1 - c) * s;
        result.picture.Set(x, y,
                           {(p.r + k * theme::kShadow.r) / alpha, (p.g + k * theme::kShadow.g) / alpha,
                            (p.b + k * theme::kShadow.b) / alpha});
      }
      result.alpha.Set(x, y, Grey(alpha * 255));
      if (c >= 0.5f) result.blurMask.Set(x, y, Grey(0));
    }
  }
  return result;
}

}  // namespace qb::skingen
