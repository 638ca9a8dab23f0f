#include "skin/frame/TskSkinCaptionObject.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Text.h"
#include "skin/data/CanvasText.h"
#include "skin/data/GlowText.h"
#include "skin/data/SkinCompose.h"
#include "skin/data/TskEffectBmp.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/CaptionTextLayout.h"
#include "skin/frame/DrawTextOnAlpha.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinForm.h"

namespace qb {

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
constexpr int kAnimationTick = 25;

// The canvas's own text drawing fills behind the text with a solid brush;
// caption texts never have a background.
void ClearBackground(TCanvas& canvas) {
  canvas.Brush().SetStyle(bsClear);
  SetBkMode(canvas.Handle(), TRANSPARENT);
}

void PlainText(TCanvas& canvas, int x, int y, const std::u16string& text, TColor color) {
  canvas.Font().SetColor(color);
  ClearBackground(canvas);
  canvas.TextOut(x, y, text);
}

}  // namespace

TskSkinCaptionObject::TskSkinCaptionObject(TskSkinForm& owner, const TskDataSkinCaption& record)
    : TskActiveSkinObject(owner, &record), record_(record) {}

bool TskSkinCaptionObject::CanAnimate() const {
  const TskSkinData* data = Owner().SkinData();
  return data != nullptr && data->EnableSkinEffects && SkinLoaded() && !IsEmpty(record_.animateskinrect) &&
         record_.framecount > 0;
}

RECT TskSkinCaptionObject::AnimationFrameRect(int n) const {
  const RECT& a = record_.animateskinrect;
  const int count = std::max(record_.framecount, 1);
  if (Height(a) > Height(skinrect)) {
    const int part = Height(a) / count;
    return RECT{a.left, a.top + (n - 1) * part, a.right, a.top + n * part};
  }
  const int part = Width(a) / count;
  return RECT{a.left + (n - 1) * part, a.top, a.left + n * part, a.bottom};
}

bool TskSkinCaptionObject::SetActive(bool active, bool animate) {
  if (ActiveLook == active) return false;
  ActiveLook = active;
  if (animate && CanAnimate()) {
    animationTicks_ = kAnimationTick;
    animationFrame_ = active ? 1 : (record_.inactiveanimation ? record_.framecount : 0);
    Owner().StartAnimationTimer();
  } else if (animate && CanMorph()) {
    Owner().StartMorphTimer();
  } else {
    MorphFactor = active ? 1 : 0;
  }
  return true;
}

bool TskSkinCaptionObject::StepAnimation() {
  if (!CanAnimate()) return false;
  const bool running = ActiveLook ? animationFrame_ >= 1 && animationFrame_ <= record_.framecount : animationFrame_ > 0;
  if (!running) return false;
  animationTicks_ += kAnimationTick;
  if (animationTicks_ < record_.animateinterval) return true;
  if (ActiveLook)
    ++animationFrame_;
  else
    --animationFrame_;
  animationTicks_ = kAnimationTick;
  return true;
}

RECT TskSkinCaptionObject::TextRect() const {
  const RECT r = CaptionTextRect(record_.textrect, skinrect, record_.framerect, record_.frametextrect,
                                 Width(ObjectRect), 0);
  return IsEmpty(r) ? r : Offset(r, ObjectRect.left, ObjectRect.top);
}

void TskSkinCaptionObject::SelectFont(TCanvas& canvas, bool active) const {
  TFont& font = canvas.Font();
  if (Owner().UseSkinFontInCaption) {
    font.SetName(record_.fontname);
    font.SetStyle(record_.fontstyle);
    font.SetHeight(record_.fontheight);
  } else {
    font.Assign(&Owner().DefCaptionFont());
  }
  font.SetCharset(Owner().DefCaptionFont().Charset());
  font.SetColor(active ? record_.activefontcolor : record_.fontcolor);
}

TskSkinCaptionObject::TextPlacement TskSkinCaptionObject::PlaceText(TCanvas& canvas, const RECT& r,
                                                                   bool active) const {
  SelectFont(canvas, active);
  TextPlacement placement;
  placement.text = EllipsisText(canvas, Owner().Form().Caption(), Width(r));
  const int tw = TextWidth(canvas, placement.text);
  const int th = TextHeight(canvas, placement.text);
  const POINT p = CaptionTextOrigin(r, tw, th, record_.alignment, false, canvas.Font().Height());
  placement.rect = RECT{p.x, p.y, p.x + tw, p.y + th};
  return placement;
}

void TskSkinCaptionObject::DrawCaptionText(TCanvas& canvas, const RECT& r, bool active, bool layered) const {
  if (Owner().Form().Caption().empty() || IsEmpty(r)) return;
  const TextPlacement placement = PlaceText(canvas, r, active);
  const std::u16string& text = placement.text;
  const POINT p{placement.rect.left, placement.rect.top};
  const TColor textColor = canvas.Font().Color();
  if (record_.light) PlainText(canvas, p.x - 1, p.y - 1, text, active ? record_.activelightcolor : record_.lightcolor);
  if (record_.shadow)
    PlainText(canvas, p.x + 1, p.y + 1, text, active ? record_.activeshadowcolor : record_.shadowcolor);
  canvas.Font().SetColor(textColor);
  ClearBackground(canvas);
  const RECT& textRect = placement.rect;
  const TColor glow = active ? record_.glowactivecolor : record_.glowcolor;
  if (record_.reflectioneffect) {
    ReflectionText(canvas, textRect, text, active ? record_.reflactionactivecolor : record_.reflactioncolor,
                   record_.reflectionoffset, kTextFormat);
  } else if (record_.vistagloweffect && (layered || active || record_.vistaglowinactiveeffect)) {
    VistaGlowText(canvas, textRect, text, glow, kTextFormat, !active, &glowCache_);
  } else if (record_.gloweffect && (layered || active || record_.glowinactiveeffect)) {
    GlowText(canvas, textRect, text, record_.glowsize, glow, record_.glowoffset, kTextFormat, &glowCache_);
  } else {
    canvas.TextOut(p.x, p.y, text);
  }
}

void TskSkinCaptionObject::ComposeBackground(const TBitmap& source, const RECT& from, TBitmap& target) const {
  const TskSkinFormInfo* info = Owner().SkinData() ? &Owner().SkinData()->FormInfo() : nullptr;
  const int leftPart = info ? info->lefttoppoint.x - from.left : 0;
  const int rightPart = info ? from.right - info->righttoppoint.x : 0;
  if (leftPart > 0 || rightPart > 0) {
    TBitmap row;
    ComposeHorizontal(std::max(leftPart, 0), std::max(rightPart, 0), record_.stretcheffect, Width(ObjectRect), from,
                      source, row);
    CopyPictureRectTo(row, RECT{0, 0, row.Width(), row.Height()}, Width(ObjectRect), Height(ObjectRect), target);
  } else {
    CopyPictureRectTo(source, from, Width(ObjectRect), Height(ObjectRect), target);
  }
}

void TskSkinCaptionObject::DrawComposed(TCanvas& canvas, const TBitmap& source, const RECT& from, bool active) {
  TBitmap look;
  ComposeBackground(source, from, look);
  const RECT text = Offset(TextRect(), -ObjectRect.left, -ObjectRect.top);
  DrawCaptionText(look.Canvas(), text, active, false);
  canvas.Draw(ObjectRect.left, ObjectRect.top, look);
}

void TskSkinCaptionObject::Draw(TCanvas& canvas, bool update) {
  if (!SkinLoaded() || IsEmpty(ObjectRect)) return;
  const bool active = Owner().IsFormActive();
  if (Owner().OnCaptionPaint) {
    if (update && FramePicture != nullptr) DrawComposed(canvas, *FramePicture, skinrect, active);
    Owner().OnCaptionPaint(canvas, ObjectRect, active);
    return;
  }
  const TBitmap* frame = FramePicture;
  const bool animating = CanAnimate() && animationFrame_ >= 1 && animationFrame_ <= record_.framecount;
  if (animating && Picture != nullptr) {
    DrawComposed(canvas, *Picture, AnimationFrameRect(animationFrame_), active);
    return;
  }
  if (CanMorph() && MorphUnderWay() && frame != nullptr && Picture != nullptr) {
    TBitmap normal;
    TBitmap hot;
    ComposeBackground(*frame, skinrect, normal);
    ComposeBackground(*Picture, activeskinrect, hot);
    const RECT text = Offset(TextRect(), -ObjectRect.left, -ObjectRect.top);
    DrawCaptionText(normal.Canvas(), text, false, false);
    DrawCaptionText(hot.Canvas(), text, true, false);
    TskEffectBmp blended(normal);
    blended.Morph(int(morphkind), TskEffectBmp(hot), MorphFactor);
    const TskSkinData* data = Owner().SkinData();
    if (!active && data->FormInfo().autorenderinginactiveimage)
      blended.ApplyInactiveEffect(int(data->FormInfo().inactiveeffect));
    blended.DrawAt(canvas.Handle(), ObjectRect.left, ObjectRect.top);
    return;
  }
  if (IsEmpty(activeskinrect) || (!active && !record_.stretcheffect)) {
    if (update && frame != nullptr) {
      DrawComposed(canvas, *frame, skinrect, active);
      return;
    }
    DrawCaptionText(canvas, TextRect(), active, false);
    return;
  }
  if (active && Picture != nullptr)
    DrawComposed(canvas, *Picture, activeskinrect, true);
  else if (frame != nullptr)
    DrawComposed(canvas, *frame, skinrect, false);
}

void TskSkinCaptionObject::DrawOnLayer(TCanvas&, TskBitmap& surface) {
  if (!SkinLoaded() || Owner().Form().Caption().empty()) return;
  const bool active = Owner().FormActiveFlag();
  // The layered frame places ObjectRect in the strip's coordinates.
  RECT r = ObjectRect;
  const int inset = record_.vistagloweffect ? 6 : record_.gloweffect ? 3 : 0;
  r.left += inset;
  r.right -= inset;
  const bool glows = record_.gloweffect || record_.vistagloweffect;
  const RECT area = glows ? RECT{r.left - 6, r.top - 6, r.right + 6, r.bottom + 6} : r;
  DrawTextOnAlpha(surface, area, [&](TCanvas& canvas, bool white) {
    const RECT local = Offset(r, -area.left, -area.top);
    if (!white) {
      DrawCaptionText(canvas, local, active, true);
      return;
    }
    // The coverage pass: the same painting with every colour white.
    const TextPlacement placement = PlaceText(canvas, local, active);
    const std::u16string& text = placement.text;
    const RECT& textRect = placement.rect;
    canvas.Font().SetColor(clWhite);
    ClearBackground(canvas);
    if (record_.vistagloweffect)
      VistaGlowText(canvas, textRect, text, clWhite, kTextFormat, !active, &glowCache_);
    else if (record_.gloweffect)
      GlowText(canvas, textRect, text, record_.glowsize, clWhite, record_.glowoffset, kTextFormat, &glowCache_);
    else
      canvas.TextOut(textRect.left, textRect.top, text);
  });
}

}  // namespace qb
