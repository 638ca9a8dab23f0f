// Text drawing and measuring with the font selected into a device context.
//
// Glyphs are anti-aliased (unless the font asks for NONANTIALIASED_QUALITY)
// and blended in the text colour; pixels a glyph touches get alpha 0 in
// 32-bit surfaces, as GDI leaves them. With background mode OPAQUE the cell
// of the text is filled with the background colour first. A font with
// lfEscapement 900 draws upwards, rotated a quarter turn anticlockwise about
// the reference point; measuring always reports the unrotated extent.
// Control characters below U+0020 take no room and draw nothing (a tab
// advances only in DrawText with DT_EXPANDTABS). Lengths of -1 mean "up to
// the terminating zero".
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/text/Font.h"

struct TEXTMETRIC {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
  LONG tmWeight = 0;
  LONG tmOverhang = 0;
  LONG tmDigitizedAspectX = 96;
  LONG tmDigitizedAspectY = 96;
  WCHAR tmFirstChar = 0x20;
  WCHAR tmLastChar = 0xFFFC;
  WCHAR tmDefaultChar = 0x1F;
  WCHAR tmBreakChar = 0x20;
  BYTE tmItalic = 0;
  BYTE tmUnderlined = 0;
  BYTE tmStruckOut = 0;
  BYTE tmPitchAndFamily = 0;
  BYTE tmCharSet = 0;
};
using TEXTMETRICW = TEXTMETRIC;

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
// cx: the sum of the characters' advances; cy: the font's height.
BOOL GetTextExtentPoint32(HDC dc, const WCHAR* text, int length, SIZE* size);
// Draws with (x, y) as the top left of the text's cell.
BOOL TextOut(HDC dc, int x, int y, const WCHAR* text, int length);

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;
// TextOut that may also fill `rect` with the background colour (ETO_OPAQUE)
// and clip to it (ETO_CLIPPED). Per-character spacing is not supported:
// `dx` must be null.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const WCHAR* text, UINT length, const int* dx);

constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_HIDEPREFIX = 0x00100000;

// Lays the text out in `rect`: lines end at CR, LF or CR LF unless
// DT_SINGLELINE; DT_WORDBREAK also ends them at blanks where the next word
// would pass the right edge (a word longer than the width keeps a line of
// its own); tabs advance to the next multiple of 8 average character widths
// with DT_EXPANDTABS; "&" underlines the next character and "&&" gives "&"
// unless DT_NOPREFIX. Lines are aligned horizontally (DT_LEFT, DT_CENTER,
// DT_RIGHT); a single line also vertically (DT_TOP, DT_VCENTER, DT_BOTTOM).
// Drawing is clipped to the rectangle unless DT_NOCLIP.
//
// With DT_CALCRECT nothing is drawn: `rect` keeps its left and top and gets
// the width of the longest line and the height of all lines, and the same
// call without DT_CALCRECT on that rectangle lays the text out the same way.
// Returns the height of the text (with DT_VCENTER or DT_BOTTOM the distance
// from the top of `rect` to the bottom of the text), 0 on failure.
int DrawText(HDC dc, const WCHAR* text, int length, RECT* rect, UINT format);
