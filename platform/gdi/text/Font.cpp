#include "platform/gdi/text/Font.h"

#include <algorithm>

#include "platform/gdi/text/FontFace.h"

HFONT__::HFONT__(const LOGFONT& description) : logFont(description) {
  // A face name without its terminator is cut, as Windows does.
  logFont.lfFaceName[LF_FACESIZE - 1] = u'\0';
}

HFONT__::~HFONT__() = default;

std::shared_ptr<qb::FontFace> HFONT__::Face() {
  if (!face_) face_ = qb::FontFace::For(logFont);
  return face_;
}

HFONT CreateFontIndirect(const LOGFONT* description) { return description ? new HFONT__(*description) : nullptr; }

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const WCHAR* faceName) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = BYTE(italic != 0);
  lf.lfUnderline = BYTE(underline != 0);
  lf.lfStrikeOut = BYTE(strikeOut != 0);
  lf.lfCharSet = BYTE(charSet);
  lf.lfOutPrecision = BYTE(outPrecision);
  lf.lfClipPrecision = BYTE(clipPrecision);
  lf.lfQuality = BYTE(quality);
  lf.lfPitchAndFamily = BYTE(pitchAndFamily);
  if (faceName) {
    for (int i = 0; i < LF_FACESIZE - 1 && faceName[i]; ++i) lf.lfFaceName[i] = faceName[i];
  }
  return new HFONT__(lf);
}
