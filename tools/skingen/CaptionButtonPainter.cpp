#include "tools/skingen/CaptionButtonPainter.h"

#include "tools/skingen/Bevel.h"
#include "tools/skingen/FrameGeometry.h"
#include "tools/skingen/FramePainter.h"
#include "tools/skingen/Glyph.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

constexpr int kBarButtonWidth = 16;
constexpr int kBarButtonHeight = 14;
constexpr int kBarTop = 96;
constexpr float kButtonRadius = 3;

bool IsBarRow(ButtonRow row) { return row >= ButtonRow::kBarClose; }

enum class Kind { kClose, kMaximize, kRestore, kMinimize, kSysMenu };

Kind KindOf(ButtonRow row) {
  switch (row) {
    case ButtonRow::kClose:
    case ButtonRow::kBarClose: return Kind::kClose;
    case ButtonRow::kMaximize:
    case ButtonRow::kBarMaximize: return Kind::kMaximize;
    case ButtonRow::kMaximizeRestore:
    case ButtonRow::kMinimizeRestore:
    case ButtonRow::kBarMaximizeRestore: return Kind::kRestore;
    case ButtonRow::kMinimize:
    case ButtonRow::kBarMinimize: return Kind::kMinimize;
    default: return Kind::kSysMenu;
  }
}

Glyph GlyphOf(Kind kind, float w, float h) {
  switch (kind) {
    case Kind::kClose: return CloseGlyph(w, h);
    case Kind::kMaximize: return MaximizeGlyph(w, h);
    case Kind::kRestore: return RestoreGlyph(w, h);
    case Kind::kMinimize: return MinimizeGlyph(w, h);
    case Kind::kSysMenu: return MenuGlyph(w, h);
  }
  return {};
}

RoundRect ShapeOf(const RECT& r) {
  return RoundRect::Uniform(float(r.left), float(r.top), float(r.right), float(r.bottom), kButtonRadius);
}

// The normal and inactive looks sit on the caption bar: their background is
// the bar itself at the rows where the layered frame places the buttons, so
// only the glyph shows.
void PaintCaptionBackground(Raster& raster, const RECT& r) {
  for (int y = r.top; y < r.bottom; ++y) {
    const Rgb c = LayerCaptionColor(float(frame::kLayerButtonsTop + (y - r.top)) + 0.5f);
    raster.Fill({r.left, y, r.right, y + 1}, c);
  }
}

void PaintHotOrPressed(Raster& raster, const RECT& r, Kind kind, bool pressed) {
  const float top = float(r.top);
  const float bottom = float(r.bottom);
  if (kind == Kind::kClose) {
    const Rgb outline = pressed ? Hex(0x8A1F14) : Hex(0xA8301F);
    Bevel{ShapeOf(r),
          {{1, outline, outline}, {1, pressed ? Hex(0xA0291D) : Hex(0xF59A88), pressed ? Hex(0xC0453A) : Hex(0xC83A2A), 0.8f}},
          pressed ? Gradient{{0.0f, Hex(0xA92C20)}, {1.0f, Hex(0xC4493B)}}
                  : Gradient{{0.0f, Hex(0xF0806C)}, {0.5f, Hex(0xE0553F)}, {0.51f, Hex(0xD5402C)}, {1.0f, Hex(0xC93A28)}},
          top, bottom}
        .PaintOn(raster);
    return;
  }
  Bevel{ShapeOf(r),
        {{1, Hex(0x8E959D), Hex(0x7E858D)}, {1, pressed ? Hex(0xB9BFC6) : theme::kWhite, pressed ? Hex(0xE2E5E9) : Hex(0xD5D9DE), 0.8f}},
        pressed ? Gradient{{0.0f, Hex(0xC3C8CF)}, {1.0f, Hex(0xDCE0E5)}}
                : Gradient{{0.0f, Hex(0xFFFFFF)}, {0.5f, Hex(0xF2F4F6)}, {0.51f, Hex(0xE6E9EC)}, {1.0f, Hex(0xDDE1E5)}},
        top, bottom}
      .PaintOn(raster);
}

void PaintLook(Raster& raster, ButtonRow row, ButtonLook look) {
  const RECT r = ButtonLookRect(row, look);
  const Kind kind = KindOf(row);
  const bool pressed = look == ButtonLook::kPressed;
  if (look == ButtonLook::kNormal || look == ButtonLook::kInactive) {
    PaintCaptionBackground(raster, r);
  } else {
    PaintHotOrPressed(raster, r, kind, pressed);
  }
  Rgb ink = theme::kGlyph;
  if (look == ButtonLook::kInactive) ink = theme::kGlyphInactive;
  if (kind == Kind::kClose && (look == ButtonLook::kHot || pressed)) ink = theme::kWhite;
  GlyphOf(kind, float(r.right - r.left), float(r.bottom - r.top)).Moved(0, pressed ? 1.0f : 0.0f).PaintOn(raster, r, ink);
}

// White where the button is opaque, black where it is transparent.
Raster PaintRoundMask(int width, int height, float radius) {
  Raster mask(width, height, Grey(0));
  const RoundRect shape = RoundRect::Uniform(0, 0, float(width), float(height), radius);
  mask.Paint({0, 0, width, height}, [&shape](float x, float y) {
    return Sample{theme::kWhite, shape.Distance(x, y) <= 0 ? 1.0f : 0.0f};
  });
  return mask;
}

}  // namespace

RECT ButtonLookRect(ButtonRow row, ButtonLook look) {
  const int index = int(row);
  const int lookIndex = int(look);
  if (IsBarRow(row)) {
    const int top = kBarTop + (index - int(ButtonRow::kBarClose)) * (kBarButtonHeight + 1);
    const int left = lookIndex * kBarButtonWidth;
    return {left, top, left + kBarButtonWidth, top + kBarButtonHeight};
  }
  const int width = row == ButtonRow::kSysMenu ? frame::kSysMenuWidth : frame::kButtonWidth;
  const int top = index * (frame::kButtonHeight + 1);
  return {lookIndex * width, top, (lookIndex + 1) * width, top + frame::kButtonHeight};
}

CaptionButtonPictures PaintCaptionButtons() {
  using namespace frame;
  CaptionButtonPictures result{Raster(kObjectsWidth, kObjectsHeight, theme::kClient),
                               PaintRoundMask(kButtonWidth, kButtonHeight, kButtonRadius),
                               PaintRoundMask(kButtonWidth, kButtonHeight, kButtonRadius),
                               PaintRoundMask(kSysMenuWidth, kButtonHeight, kButtonRadius),
                               PaintRoundMask(kSysMenuWidth, kButtonHeight, kButtonRadius),
                               PaintRoundMask(kQuickMaskWidth, kQuickMaskHeight, 4)};
  for (int row = int(ButtonRow::kClose); row <= int(ButtonRow::kBarSysMenu); ++row) {
    for (ButtonLook look : {ButtonLook::kNormal, ButtonLook::kHot, ButtonLook::kPressed, ButtonLook::kInactive}) {
      PaintLook(result.objects, ButtonRow(row), look);
    }
  }
  return result;
}

}  // namespace qb::skingen
