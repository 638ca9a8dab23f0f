#include "skin/frame/DefaultButtonLook.h"

namespace qb {

namespace {

void HLine(TCanvas& c, int x0, int x1, int y) {
  c.MoveTo(x0, y);
  c.LineTo(x1, y);
}

void FillBox(TCanvas& c, int x0, int y0, int x1, int y1) { c.FillRect(RECT{x0, y0, x1, y1}); }

// Glyphs are drawn in a 10 × 7 box whose top-left is (x, y).
void DrawGlyph(TCanvas& c, const DefaultButtonState& s, int x, int y, TColor face) {
  switch (s.command) {
    case TskStdCommand::cmClose:
      for (int i = 0; i < 7; ++i) {
        FillBox(c, x + 1 + i, y + i, x + 3 + i, y + i + 1);
        FillBox(c, x + 7 - i, y + i, x + 9 - i, y + i + 1);
      }
      break;
    case TskStdCommand::cmMaximize:
      if (s.restore) {
        c.FrameRect(RECT{x + 3, y, x + 9, y + 5});
        const TColor ink = c.Brush().Color();
        c.Brush().SetColor(face);
        FillBox(c, x + 1, y + 2, x + 7, y + 7);
        c.Brush().SetColor(ink);
        c.FrameRect(RECT{x + 1, y + 2, x + 7, y + 7});
      } else {
        c.FrameRect(RECT{x + 1, y - 1, x + 10, y + 8});
        HLine(c, x + 1, x + 10, y);
      }
      break;
    case TskStdCommand::cmMinimize:
      if (s.restore) {
        c.FrameRect(RECT{x + 2, y, x + 9, y + 6});
        HLine(c, x + 2, x + 9, y + 1);
      } else {
        FillBox(c, x + 2, y + 5, x + 8, y + 7);
      }
      break;
    case TskStdCommand::cmSysMenu:
      FillBox(c, x + 1, y + 2, x + 9, y + 4);
      break;
    case TskStdCommand::cmRollUp:
      for (int i = 0; i < 4; ++i) {
        const int row = s.restore ? y + 1 + i : y + 4 - i;
        HLine(c, x + 1 + i, x + 9 - i, row);
      }
      break;
    case TskStdCommand::cmMinimizeToTray:
      FillBox(c, x + 5, y + 4, x + 8, y + 7);
      break;
    case TskStdCommand::cmDefault:
      break;
  }
}

}  // namespace

void DrawDefaultButton(TBitmap& bitmap, const DefaultButtonState& state) {
  TCanvas& c = bitmap.Canvas();
  const RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  const bool pressedLook = state.pressed && state.hot;
  const TColor face = pressedLook ? kDefaultButtonPressedFill : state.hot ? kDefaultButtonHotFill : clBtnFace;
  c.Brush().SetColor(face);
  c.FillRect(all);
  if (state.hot) {
    c.Brush().SetColor(clNavy);
    c.FrameRect(all);
  }
  const TColor ink = state.enabled ? clBtnText : clBtnShadow;
  c.Pen().SetColor(ink);
  c.Brush().SetColor(ink);
  const int shift = pressedLook ? 1 : 0;
  DrawGlyph(c, state, bitmap.Width() / 2 - 5 + shift, bitmap.Height() / 2 - 3 + shift, face);
}

}  // namespace qb
