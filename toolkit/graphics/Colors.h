// Colour values of the toolkit. A TColor is either a plain colour 0x00BBGGRR
// or a system colour 0xFF0000nn, where nn is the system colour index;
// ColorToRGB resolves the latter to the fixed colours of the classic light
// theme that the platform's GetSysColor also reports.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace qb {

using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return TColor(0xFF000000u | unsigned(index)); }

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
// "No colour": a brush or pen of this colour draws nothing.
constexpr TColor clNone = 0x1FFFFFFF;

// The plain colour of `color`: system colours resolved, plain colours as
// they are. An unknown system colour index gives black.
COLORREF ColorToRGB(TColor color);

}  // namespace qb
