#include "toolkit/graphics/TCanvas.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Draw.h"
#include "platform/gdi/text/Text.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

namespace {

// Puts the context's own object back when ours is selected.
void Restore(HDC dc, HGDIOBJ& selected, HGDIOBJ& original) {
  if (dc != nullptr && selected != nullptr && original != nullptr) SelectObject(dc, original);
  selected = nullptr;
  original = nullptr;
}

void Select(HDC dc, HGDIOBJ object, HGDIOBJ& selected, HGDIOBJ& original) {
  if (object == selected) return;
  HGDIOBJ previous = SelectObject(dc, object);
  if (original == nullptr) original = previous;
  selected = object;
}

}  // namespace

TCanvas::TCanvas() {
  font_.OnChange = [this](TObject*) { Restore(dc_, selectedFont_, originalFont_); };
  brush_.OnChange = [this](TObject*) { Restore(dc_, selectedBrush_, originalBrush_); };
  pen_.OnChange = [this](TObject*) { Restore(dc_, selectedPen_, originalPen_); };
}

TCanvas::~TCanvas() { DeselectAll(); }

HDC TCanvas::Handle() {
  if (dc_ == nullptr) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectAll();
  dc_ = dc;
}

void TCanvas::DeselectAll() {
  Restore(dc_, selectedFont_, originalFont_);
  Restore(dc_, selectedBrush_, originalBrush_);
  Restore(dc_, selectedPen_, originalPen_);
}

HDC TCanvas::Require() {
  HDC dc = Handle();
  QB_CHECK(dc != nullptr);
  return dc;
}

void TCanvas::SelectFont() { Select(Require(), font_.Handle(), selectedFont_, originalFont_); }
void TCanvas::SelectBrush() { Select(Require(), brush_.Handle(), selectedBrush_, originalBrush_); }
void TCanvas::SelectPen() { Select(Require(), pen_.Handle(), selectedPen_, originalPen_); }

void TCanvas::PrepareText() {
  SelectFont();
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (brush_.Style() == bsClear || brush_.Color() == clNone) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
  }
}

void TCanvas::TextOut(int x, int y, const std::u16string& text) {
  PrepareText();
  ::TextOut(dc_, x, y, text.c_str(), int(text.size()));
  MoveToEx(dc_, x + TextWidth(text), y, nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::u16string& text) {
  PrepareText();
  UINT options = ETO_CLIPPED;
  if (GetBkMode(dc_) == OPAQUE) options |= ETO_OPAQUE;
  ExtTextOut(dc_, x, y, options, &rect, text.c_str(), UINT(text.size()), nullptr);
}

int TCanvas::DrawText(RECT& rect, const std::u16string& text, UINT format) {
  PrepareText();
  return ::DrawText(dc_, text.c_str(), int(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::u16string& text) {
  SelectFont();
  SIZE size;
  GetTextExtentPoint32(dc_, text.c_str(), int(text.size()), &size);
  return size;
}

void TCanvas::FillRect(const RECT& rect) {
  ::FillRect(Require(), &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  ::FrameRect(Require(), &rect, brush_.Handle());
}

void TCanvas::Rectangle(const RECT& rect) {
  SelectPen();
  SelectBrush();
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Require(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  SelectPen();
  ::LineTo(dc_, x, y);
}

POINT TCanvas::PenPos() { return Require()->state.currentPosition; }

COLORREF TCanvas::Pixel(int x, int y) { return GetPixel(Require(), x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Require(), x, y, ColorToRGB(color)); }

void TCanvas::Draw(int x, int y, TBitmap& picture) {
  if (picture.Empty()) return;
  BitBlt(Require(), x, y, picture.Width(), picture.Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& rect, TBitmap& picture) {
  if (picture.Empty()) return;
  StretchBlt(Require(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             picture.Canvas().Handle(), 0, 0, picture.Width(), picture.Height(), SRCCOPY);
}

void TCanvas::CopyRect(const RECT& destRect, TCanvas& source, const RECT& sourceRect) {
  StretchBlt(Require(), destRect.left, destRect.top, destRect.right - destRect.left, destRect.bottom - destRect.top,
             source.Require(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, SRCCOPY);
}

RECT TCanvas::ClipRect() {
  RECT box;
  GetClipBox(Require(), &box);
  return box;
}

int TCanvas::SaveState() { return SaveDC(Require()); }

void TCanvas::RestoreState(int state) {
  RestoreDC(Require(), state);
  // The restored state decides what is selected now; objects of ours that it
  // brought back stay tracked so that they are deselected before deletion.
  auto resync = [this](UINT type, HGDIOBJ& selected, HGDIOBJ& original) {
    HGDIOBJ current = GetCurrentObject(dc_, type);
    if (current != selected) selected = nullptr;
    if (selected == nullptr) original = nullptr;
  };
  resync(OBJ_FONT, selectedFont_, originalFont_);
  resync(OBJ_BRUSH, selectedBrush_, originalBrush_);
  resync(OBJ_PEN, selectedPen_, originalPen_);
}

}  // namespace qb
