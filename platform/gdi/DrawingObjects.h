// Brushes, pens, stock objects and system colours.
//
// FillRect and window classes accept a system colour index + 1 in place of a
// brush, as on Windows; SolidBrushColor resolves both forms.
#pragma once

#include "platform/gdi/GdiObject.h"

struct HBRUSH__ : HGDIOBJ__ {
  explicit HBRUSH__(COLORREF c, bool hollow = false) : color(c), isNull(hollow) {}
  COLORREF color;
  bool isNull;  // NULL_BRUSH: fills nothing
};
using HBRUSH = HBRUSH__*;

constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

struct HPEN__ : HGDIOBJ__ {
  HPEN__(int s, int w, COLORREF c) : style(s), width(w), color(c) {}
  int style;
  int width;
  COLORREF color;
};
using HPEN = HPEN__*;

HBRUSH CreateSolidBrush(COLORREF color);
// Pens are drawn one pixel wide whatever the width; PS_NULL draws nothing,
// every other style draws solid.
HPEN CreatePen(int style, int width, COLORREF color);

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int DEFAULT_GUI_FONT = 17;

// Stock objects live for the whole process; DeleteObject ignores them.
// DEFAULT_GUI_FONT is the font device contexts start with.
HGDIOBJ GetStockObject(int which);

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;

// The classic Windows XP colours; 0 for an unknown index.
DWORD GetSysColor(int index);
// A stock brush of that system colour; null for an unknown index.
HBRUSH GetSysColorBrush(int index);

namespace qb {
// The colour a brush fills with, resolving (HBRUSH)(COLOR_x + 1). False for
// null, NULL_BRUSH and unknown system colours.
bool SolidBrushColor(HBRUSH brush, COLORREF& color);
}  // namespace qb
