// TskSkinForm: geometry, hit testing, window shape, frame and background
// painting.
#include <algorithm>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Fill.h"
#include "platform/gdi/text/Text.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/window/PaintApi.h"
#include "skin/data/CanvasText.h"
#include "skin/data/MaskRegion.h"
#include "skin/data/TskEffectBmp.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/FrameObjectLayout.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/NonClientSize.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinForm.h"

namespace qb {

namespace {

PieceCorners Corners(const TskSkinFormInfo& info, const RECT& client) {
  return PieceCorners{info.lefttoppoint, info.righttoppoint, info.leftbottompoint, info.rightbottompoint, client};
}

PieceCorners MovedCorners(const FrameGeometry& g, const RECT& client) {
  return PieceCorners{g.NewLeftTopPoint, g.NewRightTopPoint, g.NewLeftBottomPoint, g.NewRightBottomPoint, client};
}

void ApplyInactiveEffect(TBitmap& strip, TInactiveEffect effect) {
  if (strip.Empty()) return;
  TskEffectBmp buffer(strip);
  buffer.ApplyInactiveEffect(int(effect));
  TBitmap result;
  result.SetSize(strip.Width(), strip.Height());
  buffer.DrawAt(result.Canvas().Handle(), 0, 0);
  strip.Assign(&result);
}

}  // namespace

void TskSkinForm::UpdateGeometry() {
  if (!skinned_) return;
  const int width = frameWidth_ != 0 ? frameWidth_ : WindowSize().cx;
  const int height = frameHeight_ != 0 ? frameHeight_ : WindowSize().cy;
  geometry_ = ComputeFrameGeometry(skinData_->FormInfo(), skinData_->MainPicture().Width(),
                                   skinData_->MainPicture().Height(), width, height);
}

void TskSkinForm::LayoutObjects() {
  if (FullBorderActive()) return;
  LayoutFrameObjects(geometry_, frameObjects_, SmallIconSize());
}

std::vector<RECT> TskSkinForm::CaptionAreas() const {
  std::vector<RECT> areas;
  for (const auto& object : frameObjects_)
    if (dynamic_cast<const TskSkinCaptionObject*>(object.get()) != nullptr) areas.push_back(object->ObjectRect);
  return areas;
}

LRESULT TskSkinForm::HitTest(POINT p) const {
  FrameHitState state;
  state.RolledUp = rolledUp_;
  state.Minimized = Minimized();
  state.Maximized = Maximized();
  state.Resizable = IsResizable();
  state.InSizeMove = inSizeMove_;
  state.ObjectHot = hotIndex_ != -1;
  state.BorderWidth = skinData_->FormInfo().borderwidth;
  const bool hasMask = !skinData_->MaskPicture().Empty() && maskStrips_ != nullptr;
  const std::vector<RECT> captions = CaptionAreas();
  return SkinHitTest(geometry_, state, captions, hasMask ? maskStrips_.get() : nullptr, p);
}

LRESULT TskSkinForm::DefaultHitTest(POINT p) const {
  FrameHitState state;
  state.RolledUp = rolledUp_;
  state.Minimized = Minimized();
  state.Maximized = Maximized();
  state.Resizable = IsResizable();
  state.ObjectHot = hotIndex_ != -1;
  return ::qb::DefaultHitTest(WindowSize().cx, WindowSize().cy, state, defaultCaptionArea_, DefaultCaptionHeight(), p);
}

RECT TskSkinForm::ClientRectFor(const RECT& window) {
  if (!skinned_)
    return FrameClientRect(window, nullptr, 0, 0, false, DefaultCaptionHeight());
  UpdateGeometry();
  return FrameClientRect(window, &skinData_->FormInfo(), skinData_->MainPicture().Width(),
                         skinData_->MainPicture().Height(), FullBorderActive(), DefaultCaptionHeight());
}

void TskSkinForm::SetShape(HRGN region) {
  // The window takes the region and frees the one it had.
  frameRegion_ = region;
  if (form_.HandleAllocated()) {
    SetWindowRgn(form_.Handle(), region, TRUE);
  } else if (region != nullptr) {
    DeleteObject(region);
    frameRegion_ = nullptr;
  }
}

void TskSkinForm::UpdateRegion(bool recompute) {
  const int width = frameWidth_ != 0 ? frameWidth_ : WindowSize().cx;
  const int height = frameHeight_ != 0 ? frameHeight_ : WindowSize().cy;
  if (!skinnable_ || form_.BorderStyle() == bsNone) {
    if (frameRegion_ != nullptr) SetShape(nullptr);
    return;
  }
  if (skinned_ && FullBorderActive()) {
    int h = height;
    if (rolledUp_ || (Minimized() && !IsMainForm())) {
      h = skinData_->LayerFrame().rollupformheight;
      // Windows 7 keeps a window with an empty shape on the taskbar only
      // when at least one row is left.
      if (h == 0) h = 1;
    }
    SetShape(CreateRectRgn(0, 0, width, h));
    return;
  }
  if (!skinned_ || skinData_->MaskPicture().Empty()) {
    maskStrips_.reset();
    SetShape(CreateRectRgn(0, 0, width, height));
    return;
  }
  const TskSkinFormInfo& info = skinData_->FormInfo();
  const TBitmap& mask = skinData_->MaskPicture();
  if (!recompute) {
    GdiHandle<HRGN> whole = RegionFromMask(mask);
    if (whole) SetShape(whole.release());
    return;
  }
  const PieceCorners piece = Corners(info, info.maskrectarea);
  const PieceCorners moved = MovedCorners(geometry_, geometry_.NewMaskRect);
  auto strips = std::make_unique<FrameStrips>();
  ComposeMaskStrips(piece, mask, width, moved, *strips);
  maskStrips_ = std::move(strips);
  GdiHandle<HRGN> shape = RegionFromMaskForSize(piece, mask, width, height, moved);
  if (shape) SetShape(shape.release());
}

void TskSkinForm::PaintClientBackground(HDC dc) {
  if (dc == nullptr) return;
  const RECT client = form_.ClientRect();
  const int cw = Width(client);
  const int ch = Height(client);
  TCanvas canvas;
  canvas.SetHandle(dc);
  auto plain = [&] {
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(client);
  };
  if (!skinned_) {
    plain();
  } else {
    const TskSkinFormInfo& info = skinData_->FormInfo();
    const TBitmap* tileSource = nullptr;
    RECT tileRect{};
    if (info.bgpictureindex == -1) {
      tileSource = &skinData_->MainPicture();
      tileRect = info.clientrect;
    } else if (const TBitmap* picture = skinData_->ActivePicture(info.bgpictureindex)) {
      tileSource = picture;
      tileRect = RECT{0, 0, picture->Width(), picture->Height()};
    }
    if (tileSource == nullptr || IsEmpty(tileRect)) {
      plain();
    } else if (cw > 0 && ch > 0) {
      TBitmap tile;
      const int tw = Width(tileRect);
      const int th = Height(tileRect);
      if (info.stretcheffect && info.stretchtype == TStretchType::stFull) {
        DrawPictureRect(canvas, RECT{0, 0, cw, ch}, *tileSource, tileRect);
      } else if (info.stretcheffect && info.stretchtype == TStretchType::stHorz) {
        CopyPictureRectTo(*tileSource, tileRect, tw, frameHeight_, tile);
        for (int i = 0; i <= frameWidth_ / tw; ++i) canvas.Draw(i * tw, 0, tile);
      } else if (info.stretcheffect) {
        CopyPictureRectTo(*tileSource, tileRect, frameWidth_, th, tile);
        for (int i = 0; i <= frameHeight_ / th; ++i) canvas.Draw(0, i * th, tile);
      } else {
        CopyPictureRectTo(*tileSource, tileRect, tw, th, tile);
        for (int row = 0; row <= ch / th; ++row)
          for (int column = 0; column <= cw / tw; ++column) canvas.Draw(column * tw, row * th, tile);
      }
    }
  }
  if (!LogoBitMap.Empty()) {
    const int x = std::max(0, cw / 2 - LogoBitMap.Width() / 2);
    const int y = std::max(0, ch / 2 - LogoBitMap.Height() / 2);
    if (LogoBitMapTransparent) {
      const COLORREF key = LogoBitMap.Canvas().Pixel(0, LogoBitMap.Height() - 1);
      TransparentBlt(dc, x, y, LogoBitMap.Width(), LogoBitMap.Height(), LogoBitMap.Canvas().Handle(), 0, 0,
                     LogoBitMap.Width(), LogoBitMap.Height(), key);
    } else {
      canvas.Draw(x, y, LogoBitMap);
    }
  }
  canvas.SetHandle(nullptr);
}

void TskSkinForm::PaintFrame(HDC given) {
  if (!skinned_) return;
  if (frameWidth_ == 0 || frameHeight_ == 0) {
    frameWidth_ = WindowSize().cx;
    frameHeight_ = WindowSize().cy;
  }
  const int w = frameWidth_;
  const int h = frameHeight_;
  if (w < GetMinWidth() || h < GetMinHeight()) return;
  UpdateGeometry();
  LayoutObjects();
  HWND hwnd = form_.HandleAllocated() ? form_.Handle() : nullptr;
  HDC dc = given != nullptr ? given : hwnd != nullptr ? GetWindowDC(hwnd) : nullptr;
  if (dc == nullptr) return;

  const TskSkinFormInfo& info = skinData_->FormInfo();
  const bool active = IsFormActive();
  const TBitmap& source =
      active || skinData_->InactivePicture().Empty() ? skinData_->MainPicture() : skinData_->InactivePicture();
  const RECT sourceRect{0, 0, source.Width(), source.Height()};
  PieceStretching stretching;
  stretching.top = info.topstretch;
  stretching.bottom = info.bottomstretch;
  stretching.left = info.leftstretch;
  stretching.right = info.rightstretch;
  FrameStrips strips;
  const RECT& c = geometry_.NewClientRect;
  ComposeFrameStrips(Corners(info, info.clientrect), sourceRect, source, w, h,
                     MovedCorners(geometry_, c), stretching, strips);

  for (const auto& object : frameObjects_) {
    if (!object->Visible) continue;
    TBitmap& strip = object->ObjectRect.bottom > c.top ? strips.bottom : strips.top;
    const int dy = &strip == &strips.bottom ? -c.bottom : 0;
    if (strip.Empty()) continue;
    TCanvas& canvas = strip.Canvas();
    const int state = canvas.SaveState();
    OffsetViewportOrgEx(canvas.Handle(), 0, dy, nullptr);
    object->Draw(canvas, false);
    canvas.RestoreState(state);
  }
  if (!IsEmpty(c)) ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
  if (!active && info.autorenderinginactiveimage) {
    for (TBitmap* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right})
      ApplyInactiveEffect(*strip, info.inactiveeffect);
  }
  TCanvas target;
  target.SetHandle(dc);
  target.Draw(0, 0, strips.top);
  target.Draw(0, strips.top.Height(), strips.left);
  target.Draw(w - strips.right.Width(), strips.top.Height(), strips.right);
  target.Draw(0, h - strips.bottom.Height(), strips.bottom);
  target.SetHandle(nullptr);
  if (given == nullptr) ReleaseDC(hwnd, dc);
}

void TskSkinForm::PaintDefaultFrame(HDC given) {
  const int w = frameWidth_ != 0 ? frameWidth_ : WindowSize().cx;
  const int h = frameHeight_ != 0 ? frameHeight_ : WindowSize().cy;
  EnsureDefaultObjects();
  const int captionHeight = DefaultCaptionHeight();
  defaultCaptionArea_ = LayoutDefaultObjects(w, captionHeight, DefaultButtonSize(), frameObjects_, SmallIconSize());
  HWND hwnd = form_.HandleAllocated() ? form_.Handle() : nullptr;
  HDC dc = given != nullptr ? given : hwnd != nullptr ? GetWindowDC(hwnd) : nullptr;
  if (dc == nullptr || w < 6) {
    if (given == nullptr && dc != nullptr) ReleaseDC(hwnd, dc);
    return;
  }
  // The caption bar in bitmap coordinates, which start at (3, 3).
  TBitmap bar;
  bar.SetSize(w - 6, captionHeight);
  TCanvas& b = bar.Canvas();
  b.Brush().SetColor(clBtnFace);
  b.FillRect(RECT{0, 0, bar.Width(), bar.Height()});
  const RECT caption = Offset(defaultCaptionArea_, -3, -3);
  if (captionHeight - 4 > 1) {
    for (int i = 0; i < captionHeight - 5; ++i) {
      b.Pen().SetColor(i % 2 == 0 ? clBtnHighlight : clBtnShadow);
      b.MoveTo(caption.left - 1, 2 + i);
      b.LineTo(caption.right - 6 + 1, 2 + i);
    }
  }
  const bool active = IsFormActive();
  b.Font().Assign(active ? &defCaptionFont_ : &defInActiveCaptionFont_);
  if (OnCaptionPaint) {
    OnCaptionPaint(b, caption, active);
  } else if (!form_.Caption().empty()) {
    const std::u16string text = EllipsisText(b, form_.Caption(), std::max(0, Width(caption)));
    const int tw = TextWidth(b, text);
    const int th = TextHeight(b, text);
    const int x = caption.left + Width(caption) / 2 - tw / 2;
    const int y = captionHeight / 2 - th / 2;
    b.Brush().SetColor(clBtnFace);
    b.FillRect(RECT{x - 2, y - 2, x + tw + 2, y + th + 2});
    SetBkMode(b.Handle(), TRANSPARENT);
    b.TextOut(x, y, text);
  }
  {
    const int state = b.SaveState();
    OffsetViewportOrgEx(b.Handle(), -3, -3, nullptr);
    for (const auto& object : frameObjects_)
      if (object->Visible) object->Draw(b, false);
    b.RestoreState(state);
  }
  TCanvas target;
  target.SetHandle(dc);
  ExcludeClipRect(dc, 3, captionHeight + 3, w - 3, h - 3);
  target.Draw(3, 3, bar);
  const std::pair<TColor, TColor> rings[] = {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow},
                                             {clBtnFace, clBtnFace}};
  for (int i = 0; i < 3; ++i) {
    const auto [topLeft, bottomRight] = rings[i];
    const int l = i, t = i, r = w - 1 - i, btm = h - 1 - i;
    target.Pen().SetColor(topLeft);
    target.MoveTo(l, btm);
    target.LineTo(l, t);
    target.LineTo(r, t);
    target.Pen().SetColor(bottomRight);
    target.MoveTo(r, t);
    target.LineTo(r, btm);
    target.LineTo(l - 1, btm);
  }
  target.SetHandle(nullptr);
  if (given == nullptr) ReleaseDC(hwnd, dc);
}

}  // namespace qb
