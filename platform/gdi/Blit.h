// Copying pixels between device contexts: BitBlt and StretchBlt with raster
// operations, PatBlt, and the image library's TransparentBlt and AlphaBlend.
//
// Coordinates are logical in each context. Destination pixels are limited
// by the destination's clip region; pixels whose source lies outside the
// source surface stay unchanged. Raster operations work on whole 32-bit
// pixels, so SRCCOPY carries a 32-bit source's alpha; brush colours and
// BLACKNESS/WHITENESS have alpha 0.
//
// Stretching takes the nearest pixel without smoothing: destination column
// x (counted from the destination's left edge) shows source column
// x × sourceWidth / destinationWidth (truncated) from the source's left
// edge, and likewise for rows. A negative width or height mirrors.
#pragma once

#include "platform/gdi/DeviceContext.h"

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, DWORD rop);
// The raster operations that need no source.
BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop);

// Copies (stretching if asked) every source pixel whose colour differs from
// `transparent`; alpha bytes are not compared.
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int sourceWidth, int sourceHeight, UINT transparent);

constexpr BYTE AC_SRC_OVER = 0x00;
constexpr BYTE AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
  BYTE BlendOp = AC_SRC_OVER;
  BYTE BlendFlags = 0;
  BYTE SourceConstantAlpha = 255;
  BYTE AlphaFormat = 0;
};

// Source-over blending, stretching if asked. With AC_SRC_ALPHA the source is
// premultiplied: each of its channels is first scaled by
// SourceConstantAlpha / 255, then every destination channel d becomes
// s + d × (255 − alpha of s) / 255. Without it, every channel becomes
// (s × c + d × (255 − c)) / 255 with c the constant alpha. Each division by
// 255 rounds to the nearest integer. Fails when a size is negative or the
// source rectangle is not inside the source surface.
BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
