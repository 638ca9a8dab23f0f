#include "tools/skingen/ControlLooks.h"

#include <algorithm>

#include "tools/skingen/Bevel.h"
#include "tools/skingen/Glyph.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

RoundRect Shape(const RECT& r, float radius) {
  return RoundRect::Uniform(float(r.left), float(r.top), float(r.right), float(r.bottom), radius);
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

Bevel ButtonBevel(const RECT& r, Look look, float radius) {
  const float top = float(r.top);
  const float bottom = float(r.bottom);
  switch (look) {
    case Look::kHot:
      return {Shape(r, radius),
              {{1, Hex(0xC9932B), Hex(0xB9852A)}, {1, Hex(0xFFFBEF), Hex(0xF3D68C), 0.9f}},
              {{0.0f, Hex(0xFFFCF2)}, {0.47f, Hex(0xFEF0CB)}, {0.53f, Hex(0xFCE3A5)}, {1.0f, Hex(0xF8D98E)}},
              top, bottom};
    case Look::kPressed:
      return {Shape(r, radius),
              {{1, Hex(0x946A1F), Hex(0xA47A2B)}, {1, Hex(0xD8B05C), Hex(0xF1D18A), 0.9f}},
              {{0.0f, Hex(0xE4BC66)}, {0.5f, Hex(0xEDC877)}, {1.0f, Hex(0xF4D690)}},
              top, bottom};
    case Look::kDisabled:
      return {Shape(r, radius),
              {{1, Hex(0xB4B9BF), Hex(0xB4B9BF)}, {1, theme::kWhite, Hex(0xE8EAEC), 0.6f}},
              Gradient(Hex(0xEEF0F2)),
              top, bottom};
    case Look::kNormal:
      break;
  }
  return {Shape(r, radius),
          {{1, Hex(0x8C939B), Hex(0x7C838B)}, {1, theme::kWhite, Hex(0xD3D7DC), 0.9f}},
          {{0.0f, Hex(0xFFFFFF)}, {0.47f, Hex(0xF4F6F8)}, {0.53f, Hex(0xE9ECEF)}, {1.0f, Hex(0xDEE2E6)}},
          top, bottom};
}

}  // namespace

void PaintPushButton(Raster& raster, const RECT& r, Look look, float radius) {
  raster.Fill(r, theme::kClient);
  ButtonBevel(r, look, radius).PaintOn(raster);
}

void PaintToolButton(Raster& raster, const RECT& r, Look look) {
  raster.Fill(r, theme::kClient);
  if (look == Look::kHot || look == Look::kPressed) ButtonBevel(r, look, 2).PaintOn(raster);
}

void PaintField(Raster& raster, const RECT& r, bool focused) {
  raster.Fill(r, theme::kClient);
  const Rgb outline = focused ? Hex(0xD09A32) : Hex(0xA3A9B0);
  Bevel{Shape(r, 2),
        {{1, outline, focused ? outline : Hex(0xB8BDC3)}, {1, Hex(0xE6E9EC), theme::kWhite}},
        Gradient(theme::kWhite),
        0,
        0}
      .PaintOn(raster);
}

void PaintTrack(Raster& raster, const RECT& r, bool vertical) {
  raster.Fill(r, theme::kClient);
  // A vertical track is tiled down its length, so its body stays flat.
  const Gradient body = vertical ? Gradient(Hex(0xF6F7F8))
                                 : Gradient{{0.0f, Hex(0xECEEF1)}, {0.5f, Hex(0xF8F9FA)}, {1.0f, Hex(0xFFFFFF)}};
  Bevel{Shape(r, 2), {{1, Hex(0x8E959C), Hex(0xB3B8BE)}, {1, Hex(0xD2D6DB), Hex(0xFFFFFF), 0.8f}}, body,
        float(r.top), float(r.bottom)}
      .PaintOn(raster);
}

void PaintProgress(Raster& raster, const RECT& r, bool vertical) {
  const Gradient gloss{{0.0f, Hex(0xFFF1C4)}, {0.15f, Hex(0xFEE39A)}, {0.48f, Hex(0xF8CD5C)},
                       {0.52f, Hex(0xEDB636)}, {0.85f, Hex(0xF2C34A)}, {1.0f, Hex(0xD69A22)}};
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const float t = vertical ? (x - r.left + 0.5f) / float(Width(r)) : (y - r.top + 0.5f) / float(Height(r));
      raster.Set(x, y, gloss.At(t));
    }
  }
}

void PaintPanel(Raster& raster, const RECT& r) {
  raster.Fill(r, theme::kClient);
  Bevel{Shape(r, 0), {{1, theme::kWhite, Hex(0xA9AFB6)}}, Gradient(theme::kClient), 0, 0}.PaintOn(raster);
}

void PaintGroupFrame(Raster& raster, const RECT& r, int captionHeight) {
  raster.Fill(r, theme::kClient);
  const RECT band{r.left, r.top, r.right, r.top + captionHeight};
  Bevel{Shape(r, 3), {{1, Hex(0xA3A9B0), Hex(0xA3A9B0)}, {1, theme::kWhite, theme::kWhite, 0.7f}},
        {{0.0f, Hex(0xF7F8F9)}, {1.0f, Hex(0xE3E6E9)}}, float(band.top), float(band.bottom)}
      .PaintOn(raster);
  raster.Fill({r.left + 2, band.bottom, r.right - 2, r.bottom - 2}, theme::kClient);
  raster.Fill({r.left + 1, band.bottom - 1, r.right - 1, band.bottom}, Hex(0xC3C8CE));
}

void PaintBar(Raster& raster, const RECT& r, bool vertical) {
  const Gradient band{{0.0f, Hex(0xFBFBFC)}, {0.5f, Hex(0xEEF0F2)}, {1.0f, Hex(0xDCE0E4)}};
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      raster.Set(x, y, vertical ? band.AtRow(x + 0.5f, float(r.left), float(r.right))
                                : band.AtRow(y + 0.5f, float(r.top), float(r.bottom)));
    }
  }
  if (vertical) {
    raster.Fill({r.right - 1, r.top, r.right, r.bottom}, Hex(0xB9BEC4));
  } else {
    raster.Fill({r.left, r.bottom - 1, r.right, r.bottom}, Hex(0xB9BEC4));
  }
}

void PaintTab(Raster& raster, const RECT& r, Look look) {
  raster.Fill(r, theme::kClient);
  const RoundRect shape{float(r.left), float(r.top), float(r.right), float(r.bottom) + 4, 3, 3, 0, 0};
  const bool selected = look == Look::kPressed;
  const Rgb top = selected ? theme::kWhite : (look == Look::kHot ? Hex(0xFFF6DE) : Hex(0xF3F5F7));
  const Rgb bottom = selected ? theme::kClient : (look == Look::kHot ? Hex(0xF9E3AA) : Hex(0xDCE0E4));
  const Rgb outline = look == Look::kHot ? Hex(0xC9932B) : Hex(0x9AA1A8);
  Bevel{shape, {{1, outline, outline}, {1, theme::kWhite, theme::kWhite, 0.6f}}, {{0.0f, top}, {1.0f, bottom}},
        float(r.top), float(r.bottom)}
      .PaintOn(raster);
}

void PaintCheck(Raster& raster, const RECT& r, bool radio, bool checked, Look look) {
  raster.Fill(r, theme::kClient);
  const float radius = radio ? float(std::min(Width(r), Height(r))) / 2 : 2;
  const Rgb outline = look == Look::kHot ? Hex(0xC9932B) : (look == Look::kDisabled ? Hex(0xBEC3C8) : Hex(0x7E858D));
  const Gradient body = look == Look::kPressed ? Gradient{{0.0f, Hex(0xF3D58C)}, {1.0f, Hex(0xFFF3D2)}}
                                               : Gradient{{0.0f, Hex(0xE9ECEF)}, {1.0f, theme::kWhite}};
  Bevel{Shape(r, radius), {{1, outline, outline}}, body, float(r.top), float(r.bottom)}.PaintOn(raster);
  if (!checked) return;
  const Rgb ink = look == Look::kDisabled ? Hex(0xB0B5BA) : theme::kGlyph;
  const float w = float(Width(r));
  const float h = float(Height(r));
  if (radio) {
    const RoundRect dot = RoundRect::Uniform(w / 2 - 2.5f, h / 2 - 2.5f, w / 2 + 2.5f, h / 2 + 2.5f, 2.5f);
    raster.Paint(r, [&dot, &r, ink](float x, float y) {
      return Sample{ink, dot.Distance(x - r.left, y - r.top) <= 0 ? 1.0f : 0.0f};
    });
  } else {
    CheckGlyph(w, h).PaintOn(raster, r, ink);
  }
}

void PaintThumb(Raster& raster, const RECT& r, Look look, bool vertical) {
  PaintPushButton(raster, r, look, 2);
  const float w = float(Width(r));
  const float h = float(Height(r));
  Glyph grip;
  grip.thickness = 1;
  for (int i = -1; i <= 1; ++i) {
    const float o = 2.0f * float(i);
    if (vertical) {
      grip.strokes.push_back({w / 2 - 3, h / 2 + o, w / 2 + 3, h / 2 + o});
    } else {
      grip.strokes.push_back({w / 2 + o, h / 2 - 3, w / 2 + o, h / 2 + 3});
    }
  }
  grip.PaintOn(raster, r, Hex(0x8C939B));
}

void PaintMarker(Raster& raster, const RECT& r, int direction) {
  raster.Fill(r, FromColorRef(theme::kMarkerKey));
  // Drawn without anti-aliasing: blended edge pixels would mix with the
  // colour-key and show as a pink fringe.
  const Glyph arrow = ArrowGlyph(float(Width(r)), float(Height(r)), direction, float(Width(r)) / 2);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (arrow.Covers(x - r.left + 0.5f, y - r.top + 0.5f)) raster.Set(x, y, theme::kGlyph);
    }
  }
}

void PaintArrowButton(Raster& raster, const RECT& r, Look look, int direction) {
  PaintPushButton(raster, r, look, 2);
  const float size = float(std::min(Width(r), Height(r))) / 4;
  ArrowGlyph(float(Width(r)), float(Height(r)), direction, size)
      .Moved(0, look == Look::kPressed ? 1.0f : 0.0f)
      .PaintOn(raster, r, look == Look::kDisabled ? Hex(0xB0B5BA) : theme::kGlyph);
}

void PaintGrip(Raster& raster, const RECT& r, bool vertical) {
  raster.Fill(r, theme::kClient);
  const int cx = (r.left + r.right) / 2;
  const int cy = (r.top + r.bottom) / 2;
  for (int i = -2; i <= 2; ++i) {
    const int x = vertical ? cx : cx + 3 * i;
    const int y = vertical ? cy + 3 * i : cy;
    if (x < r.left || y < r.top || x + 1 >= r.right || y + 1 >= r.bottom) continue;
    raster.Set(x + 1, y + 1, theme::kWhite);
    raster.Set(x, y, Hex(0x8C939B));
  }
}

}  // namespace qb::skingen
