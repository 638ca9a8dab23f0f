// Fonts behind HFONT handles, described by a LOGFONT as on Windows.
//
// lfHeight < 0 asks for that character height (the em size) in pixels,
// lfHeight > 0 for that cell height (ascent + descent), 0 for a default of
// 16 pixels cell height. The face is matched through fontconfig by lfFaceName,
// lfWeight (FW_BOLD and above is bold) and lfItalic.
#pragma once

#include <memory>

#include "platform/gdi/GdiObject.h"

using WCHAR = char16_t;

constexpr int LF_FACESIZE = 32;

constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE CLEARTYPE_QUALITY = 5;
constexpr BYTE DEFAULT_PITCH = 0;

struct LOGFONT {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;  // tenths of a degree; 0 and 900 are drawn
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = DEFAULT_CHARSET;
  BYTE lfOutPrecision = OUT_DEFAULT_PRECIS;
  BYTE lfClipPrecision = CLIP_DEFAULT_PRECIS;
  BYTE lfQuality = DEFAULT_QUALITY;
  BYTE lfPitchAndFamily = DEFAULT_PITCH;
  WCHAR lfFaceName[LF_FACESIZE] = {};
};
using LOGFONTW = LOGFONT;

namespace qb {
class FontFace;
}

struct HFONT__ : HGDIOBJ__ {
  explicit HFONT__(const LOGFONT& description);
  ~HFONT__() override;

  LOGFONT logFont;
  // The rasterised face, loaded on first use and shared between fonts of
  // the same description.
  std::shared_ptr<qb::FontFace> Face();

 private:
  std::shared_ptr<qb::FontFace> face_;
};
using HFONT = HFONT__*;

HFONT CreateFontIndirect(const LOGFONT* description);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const WCHAR* faceName);
