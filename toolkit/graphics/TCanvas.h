// A drawing surface: a device context with a font, a brush and a pen.
//
// The canvas does not own its device context unless a subclass makes one in
// CreateHandle. It selects its font, brush and pen into the context when a
// drawing operation needs them and puts the context's own objects back when
// the context is taken away, so that both can be freed independently.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "toolkit/component/TPersistent.h"
#include "toolkit/graphics/TBrush.h"
#include "toolkit/graphics/TFont.h"
#include "toolkit/graphics/TPen.h"

namespace qb {

class TBitmap;

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  // The device context, made by CreateHandle when there is none yet.
  HDC Handle();
  bool HandleAllocated() const { return dc_ != nullptr; }
  // Draws into `dc` from now on (null: none); the previous context gets its
  // own objects back.
  void SetHandle(HDC dc);

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  // Text with the font; the cell is filled with the brush unless the brush
  // is bsClear.
  void TextOut(int x, int y, const std::u16string& text);
  // TextOut clipped to `rect` (whose background is filled unless bsClear).
  void TextRect(const RECT& rect, int x, int y, const std::u16string& text);
  // Lays the text out in `rect` with DrawText's format flags (DT_CENTER,
  // DT_VCENTER, DT_SINGLELINE, DT_WORDBREAK, DT_CALCRECT ...), in the font's
  // colour; the background is filled unless the brush is bsClear.
  int DrawText(RECT& rect, const std::u16string& text, UINT format);
  SIZE TextExtent(const std::u16string& text);
  int TextWidth(const std::u16string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::u16string& text) { return TextExtent(text).cy; }

  // With the brush.
  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  // Outline with the pen, inside with the brush.
  void Rectangle(const RECT& rect);
  void MoveTo(int x, int y);
  // With the pen, up to but not including (x, y).
  void LineTo(int x, int y);
  POINT PenPos();

  // CLR_INVALID outside the clip region.
  COLORREF Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Copies the picture 1:1 with its top left at (x, y).
  void Draw(int x, int y, TBitmap& picture);
  // Scales the picture to `rect` (nearest pixel).
  void StretchDraw(const RECT& rect, TBitmap& picture);
  // Copies `sourceRect` of another canvas into `destRect`, scaling when the
  // sizes differ.
  void CopyRect(const RECT& destRect, TCanvas& source, const RECT& sourceRect);

  // The part drawing can reach, in logical coordinates.
  RECT ClipRect();
  // SaveDC / RestoreDC: origins, clipping and selected objects.
  int SaveState();
  void RestoreState(int state);

 protected:
  // Subclasses that can make a context on demand do it here (SetHandle).
  virtual void CreateHandle() {}

 private:
  void SelectFont();
  void SelectBrush();
  void SelectPen();
  void PrepareText();
  void DeselectAll();
  HDC Require();

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ selectedFont_ = nullptr;
  HGDIOBJ selectedBrush_ = nullptr;
  HGDIOBJ selectedPen_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
};

}  // namespace qb
