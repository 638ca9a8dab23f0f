#include "skin/controls/TskSkinGauge.h"

#include <algorithm>
#include <string>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Text.h"
#include "platform/text/Utf.h"
#include "skin/data/PictureCopy.h"
#include "skin/data/TskDataSkinGaugeControl.h"
#include "skin/data/TskSkinData.h"

namespace qb {

namespace {

int RectWidth(const RECT& r) { return r.right - r.left; }
int RectHeight(const RECT& r) { return r.bottom - r.top; }

// Red 182, green 189, blue 210.
constexpr TColor kUnskinnedBarColor = 13811126;

}  // namespace

TskSkinGauge::TskSkinGauge(TComponent* owner) : TskSkinCustomControl(owner) {
  SetSkinDataName(u"gauge");
  SetBounds(Left(), Top(), 100, 20);
}

void TskSkinGauge::SetUseSkinSize(bool value) {
  useSkinSize_ = value;
  Invalidate();
}

void TskSkinGauge::SetMinValue(int value) {
  minValue_ = value;
  if (value_ < value) value_ = value;
  Repaint();
}

void TskSkinGauge::SetMaxValue(int value) {
  maxValue_ = value;
  if (value_ > value) value_ = value;
  Repaint();
}

void TskSkinGauge::SetValue(int value) {
  if (value > maxValue_) {
    value = maxValue_;
  } else if (value < minValue_) {
    value = minValue_;
  }
  if (value == value_) return;
  value_ = value;
  Invalidate();
}

void TskSkinGauge::SetProgressText(const std::u16string& value) {
  progressText_ = value;
  Repaint();
}

void TskSkinGauge::SetShowProgressText(bool value) {
  showProgressText_ = value;
  Repaint();
}

void TskSkinGauge::SetShowPercent(bool value) {
  showPercent_ = value;
  Repaint();
}

void TskSkinGauge::SetProgressAnimationPause(int value) {
  if (value >= 0) progressAnimationPause_ = value;
}

void TskSkinGauge::FetchSkinRecord() {
  TskSkinCustomControl::FetchSkinRecord();
  if (!Skinned()) return;
  const auto* record = dynamic_cast<const TskDataSkinGaugeControl*>(SkinRecord());
  if (record == nullptr) return;
  if (!useSkinSize_ && record->maskpictureindex != -1) ControlMask = nullptr;
  vertical_ = record->vertical;
  progressrect = record->progressrect;
  progressarea = record->progressarea;
  beginoffset = record->beginoffset;
  endoffset = record->endoffset;
  fontname = record->fontname;
  fontstyle = record->fontstyle;
  fontheight = record->fontheight;
  fontcolor = record->fontcolor;
  progresstransparent = record->progresstransparent;
  progresstransparentcolor = record->progresstransparentcolor;
  progressstretch = record->progressstretch;
  progressanimationskinrect = record->progressanimationskinrect;
  progressanimationcountframes = record->progressanimationcountframes;
  progressanimationtimerinterval = record->progressanimationtimerinterval;
}

void TskSkinGauge::AdjustSkinSize(int& width, int& height) {
  const int requestedWidth = width;
  const int requestedHeight = height;
  TskSkinCustomControl::AdjustSkinSize(width, height);
  NewProgressArea = progressarea;
  if (ResizeMode() > 0) {
    if (vertical_) {
      NewProgressArea.bottom += height - RectHeight(skinrect);
    } else {
      NewProgressArea.right += width - RectWidth(skinrect);
    }
  }
  if (!useSkinSize_) {
    width = requestedWidth;
    height = requestedHeight;
  }
}

RECT TskSkinGauge::BarRect(const RECT& area, int value) const {
  const double f = maxValue_ == minValue_ ? 0.0 : double(value - minValue_) / double(maxValue_ - minValue_);
  RECT bar = area;
  if (vertical_) {
    bar.top = area.bottom - int(double(RectHeight(area)) * f);
  } else {
    bar.right = area.left + int(double(RectWidth(area)) * f);
  }
  return bar;
}

int TskSkinGauge::PaintedValue() { return ControlState().Contains(csPaintCopy) ? ValueToPaint() : value_; }

void TskSkinGauge::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkinRecord();
  if (useSkinSize_ || !Skinned()) {
    TskSkinCustomControl::Paint();
    return;
  }
  int width = Width();
  int height = Height();
  AdjustSkinSize(width, height);
  TBitmap composed;
  DrawSkinLook(composed);
  TBitmap bitmap;
  {
    const Bgr24Pixels target = ResizeBgr24(bitmap, Width(), Height());
    if (!composed.Empty()) {
      const Bgr24Source source(composed);
      CopyPictureRect(*source, RECT{0, 0, composed.Width(), composed.Height()}, target,
                      RECT{0, 0, Width(), Height()});
    }
  }
  DrawProgressText(bitmap.Canvas(), PaintedValue());
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinGauge::DrawSkinLook(TBitmap& bitmap) {
  TskSkinCustomControl::DrawSkinLook(bitmap);
  if (ControlPicture == nullptr) return;
  const int value = PaintedValue();
  const RECT bar = BarRect(NewProgressArea, value);
  if (OnGaugePaint) {
    OnGaugePaint(bitmap.Canvas(), NewProgressArea, bar);
    return;
  }
  if (RectWidth(bar) <= 0 || RectHeight(bar) <= 0) {
    if (useSkinSize_) DrawProgressText(bitmap.Canvas(), value);
    return;
  }
  TBitmap piece;
  const Bgr24Pixels pieceRows = ResizeBgr24(piece, RectWidth(bar), RectHeight(bar));
  const int length = vertical_ ? pieceRows.height : pieceRows.width;
  RECT middle = progressrect;
  if (vertical_) {
    middle.top += beginoffset;
    middle.bottom -= endoffset;
  } else {
    middle.left += beginoffset;
    middle.right -= endoffset;
  }
  const int s = vertical_ ? RectHeight(middle) : RectWidth(middle);
  const int inner = length - beginoffset - endoffset;
  const Bgr24Source source(*ControlPicture);
  if (inner > 0) {
    if (s <= 0) return;
    const int across = vertical_ ? pieceRows.width : pieceRows.height;
    auto target = [&](int from, int to) {
      return vertical_ ? RECT{0, from, across, to} : RECT{from, 0, to, across};
    };
    if (progressstretch) {
      CopyPictureRect(*source, middle, pieceRows, target(beginoffset, beginoffset + inner));
    } else {
      const int bottom = length - endoffset;
      for (int k = 0; k <= inner / s; ++k) {
        const int cut = std::max(0, (k + 1) * s - inner);
        if (cut >= s) break;
        if (vertical_) {
          const RECT from{middle.left, middle.top + cut, middle.right, middle.bottom};
          CopyPictureRect(*source, from, pieceRows, target(bottom - (k + 1) * s + cut, bottom - k * s));
        } else {
          const RECT from{middle.left, middle.top, middle.right - cut, middle.bottom};
          CopyPictureRect(*source, from, pieceRows, target(beginoffset + k * s, beginoffset + (k + 1) * s - cut));
        }
      }
    }
  }
  if (vertical_) {
    const int w = pieceRows.width;
    CopyPictureRect(*source, RECT{progressrect.left, progressrect.top, progressrect.right, progressrect.top + beginoffset},
                    pieceRows, RECT{0, 0, w, beginoffset});
    CopyPictureRect(*source,
                    RECT{progressrect.left, progressrect.bottom - endoffset, progressrect.right, progressrect.bottom},
                    pieceRows, RECT{0, length - endoffset, w, length});
  } else {
    const int h = pieceRows.height;
    CopyPictureRect(*source,
                    RECT{progressrect.left, progressrect.top, progressrect.left + beginoffset, progressrect.bottom},
                    pieceRows, RECT{0, 0, beginoffset, h});
    CopyPictureRect(*source,
                    RECT{progressrect.right - endoffset, progressrect.top, progressrect.right, progressrect.bottom},
                    pieceRows, RECT{length - endoffset, 0, length, h});
  }
  HDC target = bitmap.Canvas().Handle();
  HDC pieceDc = piece.Canvas().Handle();
  if (progresstransparent) {
    TransparentBlt(target, bar.left, bar.top, RectWidth(bar), RectHeight(bar), pieceDc, 0, 0, RectWidth(bar),
                   RectHeight(bar), ColorToRGB(progresstransparentcolor));
  } else {
    BitBlt(target, bar.left, bar.top, RectWidth(bar), RectHeight(bar), pieceDc, 0, 0, SRCCOPY);
  }
  if (useSkinSize_) DrawProgressText(bitmap.Canvas(), value);
}

void TskSkinGauge::DrawDefaultLook(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(clWindow);
  canvas.FillRect(RECT{0, 0, width, height});
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(RECT{0, 0, width, height});
  const int value = PaintedValue();
  const RECT area{1, 1, width - 1, height - 1};
  const RECT bar = BarRect(area, value);
  if (OnGaugePaint) {
    OnGaugePaint(canvas, area, bar);
    return;
  }
  if (RectWidth(bar) > 0 && RectHeight(bar) > 0) {
    canvas.Brush().SetColor(kUnskinnedBarColor);
    canvas.FillRect(bar);
  }
  DrawProgressText(canvas, value);
}

void TskSkinGauge::DrawProgressText(TCanvas& canvas, int value) {
  std::u16string text;
  if (showProgressText_) text += progressText_;
  if (showPercent_) {
    const int percent =
        maxValue_ == minValue_ ? 0 : int(double(value - minValue_) / double(maxValue_ - minValue_) * 100.0);
    text += ToUtf16(std::to_string(percent)) + u"%";
  }
  if (text.empty()) return;
  TFont& font = canvas.Font();
  if (Skinned() && UseSkinFont) {
    font.SetName(fontname);
    font.SetHeight(fontheight);
    font.SetStyle(fontstyle);
  } else {
    font.Assign(&DefaultFont());
  }
  if (Skinned()) font.SetColor(fontcolor);
  font.SetCharset(TextCharset());
  canvas.Brush().SetStyle(bsClear);
  const SIZE size = canvas.TextExtent(text);
  const bool oddHeight = font.Height() % 2 != 0;
  if (!vertical_) {
    const int x = Width() / 2 - size.cx / 2;
    const int y = Height() / 2 - size.cy / 2 - (oddHeight ? 1 : 0);
    canvas.TextOut(x, y, text);
    return;
  }
  const int x = Width() / 2 - size.cy / 2;
  const int y = size.cx / 2 + Height() / 2 - (oddHeight ? 1 : 0);
  LOGFONT description = font.Description();
  description.lfEscapement = 900;
  description.lfOrientation = 900;
  GdiHandle<HFONT> turned(CreateFontIndirect(&description));
  HDC dc = canvas.Handle();
  const int state = SaveDC(dc);
  SelectObject(dc, turned.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(font.Color()));
  TextOut(dc, x, y, reinterpret_cast<const WCHAR*>(text.data()), int(text.size()));
  RestoreDC(dc, state);
}

void TskSkinGauge::WndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    if (!InPaint() && message.WParam != 0) PaintToDC(reinterpret_cast<HDC>(message.WParam));
    message.Result = 1;
    return;
  }
  TskSkinCustomControl::WndProc(message);
}

}  // namespace qb
