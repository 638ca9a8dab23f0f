#include "skin/controls/TskSkinButton.h"

#include <algorithm>
#include <cmath>

#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "skin/controls/TskImageList.h"
#include "skin/data/PictureCopy.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskDataSkinButtonControl.h"
#include "skin/data/TskEffectBmp.h"
#include "skin/data/TskSkinData.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

namespace {

bool RectEmpty(const RECT& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

constexpr TColor kGreyText = 8421504;
constexpr TColor kDefaultFrame = 8388608;
constexpr TColor kDefaultPressedFill = 11899781;
constexpr TColor kDefaultActiveFill = 13811126;

// The caption's accelerator: the character after a single "&".
bool IsAccelerator(const std::u16string& caption, WCHAR character) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return LowerCase(std::u16string(1, caption[i + 1])) == LowerCase(std::u16string(1, character));
  }
  return false;
}

bool ModifierHeld() {
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// Morph steps land on exact tenths so that the ends are exactly 0 and 1.
double MorphStep(double factor, double delta) {
  return std::clamp(std::round((factor + delta) * 10.0) / 10.0, 0.0, 1.0);
}

}  // namespace

TskSkinButton::TskSkinButton(TComponent* owner)
    : TskSkinCustomControl(owner), glowLayer_(std::make_unique<TskLayerManager>(nullptr)) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque});
  SetSkinDataName(u"button");
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
}

TskSkinButton::~TskSkinButton() {
  glowLayer_.reset();
  StopMorph();
  StopRepeat();
  StopAnimation();
}

std::unique_ptr<TTimer> TskSkinButton::MakeTimer(UINT interval, void (TskSkinButton::*tick)()) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetInterval(interval);
  timer->SetOnTimer([this, tick](TObject*) { (this->*tick)(); });
  return timer;
}

// Properties.

void TskSkinButton::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TskSkinButton::SetCheckedMode(bool value) {
  checkedMode_ = value;
  if (value) {
    groupIndex_ = -1;
  } else if (groupIndex_ == -1) {
    groupIndex_ = 0;
  }
}

void TskSkinButton::SetImageList(TskImageList* value) {
  if (imageList_ != nullptr && imageList_ != value) imageList_->RemoveFreeNotification(this);
  imageList_ = value;
  if (value != nullptr) value->FreeNotification(this);
  Invalidate();
}

void TskSkinButton::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Invalidate();
}

void TskSkinButton::SetUseSkinSize(bool value) {
  useSkinSize_ = value;
  Invalidate();
}

void TskSkinButton::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

void TskSkinButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  if (value != 0) SetCanFocused(false);
}

void TskSkinButton::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(&glyph);
  Invalidate();
}

void TskSkinButton::SetNumGlyphs(TskNumGlyphs value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TskSkinButton::SetMargin(int value) {
  if (value < -1 || value == margin_) return;
  margin_ = value;
  Invalidate();
}

void TskSkinButton::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TskSkinButton::SetLayout(TskButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TskSkinButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated() || !canFocused_) return;
  if (TCustomForm* form = GetParentForm(this)) form->BroadcastFocusChanged();
}

void TskSkinButton::SetDown(bool value) {
  down_ = value;
  if (MorphingActive()) {
    morphFactor_ = 1;
    if (down_) {
      StopMorph();
    } else {
      StartMorph();
    }
  }
  Invalidate();
  if (groupIndex_ <= 0 || !down_ || AllowAllUp || Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TskSkinButton*>(Parent()->Controls(i));
    if (other != nullptr && other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
  }
}

void TskSkinButton::ClickButton() {
  // Every click comes from the user's mouse or keys. A button the user
  // cannot see or use never clicks, whatever reached it: Return goes to
  // the default button even while it is still hidden.
  if (!CanFocus()) return;
  if (canFocused_) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
  }
  if (OnClick && CanRaiseEvents()) OnClick(this);
}

// Predicates.

bool TskSkinButton::SkinEffectsActive() const {
  return SkinData() != nullptr && !SkinData()->Empty() && SkinData()->EnableSkinEffects;
}

bool TskSkinButton::MorphingActive() const { return morphing && SkinEffectsActive(); }

bool TskSkinButton::FocusedAndFocusable() { return canFocused_ && Focused(); }

bool TskSkinButton::DownLook() {
  return down_ && (groupIndex_ != 0 || mouseIn_ || (FocusedAndFocusable() && !mousePressed_));
}

bool TskSkinButton::Animating() const { return SkinEffectsActive() && Skinned() && !RectEmpty(animateskinrect); }

// The record.

void TskSkinButton::FetchSkinRecord() {
  TskSkinCustomControl::FetchSkinRecord();
  if (!Skinned()) {
    animateskinrect = RECT{};
    return;
  }
  const auto* record = dynamic_cast<const TskDataSkinButtonControl*>(SkinRecord());
  if (record == nullptr) return;
  if (!useSkinSize_ && record->maskpictureindex != -1) ControlMask = nullptr;
  fontname = record->fontname;
  fontheight = record->fontheight;
  fontstyle = record->fontstyle;
  fontcolor = record->fontcolor;
  activefontcolor = record->activefontcolor;
  downfontcolor = record->downfontcolor;
  disabledfontcolor = record->disabledfontcolor == record->fontcolor ? kGreyText : record->disabledfontcolor;
  activeskinrect = RectEmpty(record->activeskinrect) ? skinrect : record->activeskinrect;
  downskinrect = RectEmpty(record->downskinrect) ? activeskinrect : record->downskinrect;
  disabledskinrect = record->disabledskinrect;
  focusedskinrect = record->focusedskinrect;
  morphing = record->morphing;
  morphkind = int(record->morphkind);
  animateskinrect = record->animateskinrect;
  framecount = record->framecount;
  animateinterval = record->animateinterval;
  showfocus = record->showfocus;
  glowlayerpictureindex = record->glowlayerpictureindex;
  glowlayermaskpictureindex = record->glowlayermaskpictureindex;
  glowlayeroffsetleft = record->glowlayeroffsetleft;
  glowlayeroffsetright = record->glowlayeroffsetright;
  glowlayeroffsettop = record->glowlayeroffsettop;
  glowlayeroffsetbottom = record->glowlayeroffsetbottom;
  glowlayershowoffsetx = record->glowlayershowoffsetx;
  glowlayershowoffsety = record->glowlayershowoffsety;
  glowlayeralphablendvalue = record->glowlayeralphablendvalue;
  if (SkinEffectsActive() && animationTimer_ != nullptr && animationFrame_ > 0 && animationFrame_ <= framecount) {
    (animationForward_ ? activeskinrect : skinrect) = AnimationFrameRect(animationFrame_);
  }
}

RECT TskSkinButton::AnimationFrameRect(int frame) const {
  const RECT& a = animateskinrect;
  if (a.right - a.left > skinrect.right - skinrect.left) {
    const int fw = (a.right - a.left) / framecount;
    return RECT{a.left + fw * (frame - 1), a.top, a.left + fw * frame, a.bottom};
  }
  const int fh = (a.bottom - a.top) / framecount;
  return RECT{a.left, a.top + fh * (frame - 1), a.right, a.top + fh * frame};
}

void TskSkinButton::AdjustSkinSize(int& width, int& height) {
  if (useSkinSize_ || ResizeMode() == 1) {
    TskSkinCustomControl::AdjustSkinSize(width, height);
    return;
  }
  NewClientRect = clientrect;
  NewClientRect.right += width - (skinrect.right - skinrect.left);
  NewClientRect.bottom += height - (skinrect.bottom - skinrect.top);
}

// Painting.

void TskSkinButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkinRecord();
  if (!Skinned()) {
    TskSkinCustomControl::Paint();
    return;
  }
  int width = Width();
  int height = Height();
  AdjustSkinSize(width, height);
  if (MorphingActive() && morphFactor_ > 0 && morphFactor_ < 1 && Enabled()) {
    TBitmap normal;
    TBitmap active;
    normal.SetSize(Width(), Height());
    active.SetSize(Width(), Height());
    DrawButtonLook(normal, skinrect, false, false);
    DrawButtonLook(active, activeskinrect, true, false);
    TskEffectBmp blended(normal);
    blended.Morph(morphkind, TskEffectBmp(active), morphFactor_);
    blended.DrawAt(Canvas().Handle(), 0, 0);
    return;
  }
  const bool focused = FocusedAndFocusable();
  RECT rect = skinrect;
  bool aMouseIn = true;
  bool aDown = false;
  if (!Enabled() && !RectEmpty(disabledskinrect)) {
    rect = disabledskinrect;
    aMouseIn = false;
  } else if (DownLook()) {
    rect = downskinrect;
    aDown = true;
  } else if (focused && !RectEmpty(focusedskinrect) && animationTimer_ == nullptr) {
    rect = focusedskinrect;
  } else if (focused || mouseIn_ || (MorphingActive() && morphFactor_ == 1)) {
    rect = activeskinrect;
  } else {
    aMouseIn = false;
  }
  TBitmap bitmap;
  bitmap.SetSize(Width(), Height());
  DrawButtonLook(bitmap, rect, aMouseIn, aDown);
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinButton::DrawButtonLook(TBitmap& bitmap, const RECT& rect, bool aMouseIn, bool aDown) {
  if (!useSkinSize_ && ResizeMode() != 1) {
    DrawStretchedButtonLook(bitmap, rect, aMouseIn, aDown);
    return;
  }
  if (aDown || aMouseIn || !transparent_) {
    ComposeSkinRect(rect, bitmap);
  } else {
    DrawParentBackground(this, bitmap.Canvas());
  }
  TCanvas& canvas = bitmap.Canvas();
  PrepareFont(canvas, aMouseIn, aDown);
  const RECT area = NewClientRect;
  if (showfocus && Focused()) DrawSkinFocusRect(canvas, area);
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, area, aDown, aMouseIn, drawDefault);
  if (drawDefault) DrawContent(canvas, area, aMouseIn, aDown);
}

void TskSkinButton::DrawStretchedButtonLook(TBitmap& bitmap, const RECT& rect, bool aMouseIn, bool aDown) {
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  if (aDown || aMouseIn || !transparent_) {
    if (ControlPicture != nullptr) {
      if (ResizeMode() == 0) {
        const Bgr24Source source(*ControlPicture);
        CopyPictureRect(*source, rect, ResizeBgr24(bitmap, width, height), RECT{0, 0, width, height});
      } else if (ResizeMode() == 2 || ResizeMode() == 3) {
        StretchSkinPiece(bitmap, *ControlPicture, rect, true, clientrect);
      }
    }
  } else {
    DrawParentBackground(this, bitmap.Canvas());
  }
  RECT area = clientrect;
  area.right += width - (rect.right - rect.left);
  area.bottom += height - (rect.bottom - rect.top);
  TCanvas& canvas = bitmap.Canvas();
  PrepareFont(canvas, aMouseIn, aDown);
  if (showfocus && Focused()) DrawSkinFocusRect(canvas, area);
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, NewClientRect, aDown, aMouseIn, drawDefault);
  if (drawDefault) DrawContent(canvas, area, aMouseIn, aDown);
}

void TskSkinButton::PrepareFont(TCanvas& canvas, bool aMouseIn, bool aDown) {
  TFont& font = canvas.Font();
  if (UseSkinFont) {
    font.SetName(fontname);
    font.SetHeight(fontheight);
    font.SetStyle(fontstyle);
  } else {
    font.Assign(&DefaultFont());
  }
  font.SetCharset(TextCharset());
  if (Enabled() && !UseSkinFontColor) {
    font.SetColor(DefaultFont().Color());
  } else if (!Enabled()) {
    font.SetColor(disabledfontcolor);
  } else if (aMouseIn && aDown) {
    font.SetColor(downfontcolor);
  } else if (aMouseIn) {
    font.SetColor(activefontcolor);
  } else {
    font.SetColor(fontcolor);
  }
}

void TskSkinButton::DrawContent(TCanvas& canvas, const RECT& area, bool aMouseIn, bool aDown) {
  if (imageList_ != nullptr && imageIndex_ >= 0 && imageIndex_ < imageList_->Count()) {
    DrawImageAndText(canvas, area, margin_, Enabled(), imageList_, imageIndex_, Caption(), layout_, spacing_);
    return;
  }
  int cell = 1;
  if (aDown && aMouseIn && numGlyphs_ > 2) {
    cell = 3;
  } else if (aMouseIn && numGlyphs_ > 3) {
    cell = 4;
  } else if (!Enabled() && numGlyphs_ > 1) {
    cell = 2;
  }
  DrawGlyphAndText(canvas, area, margin_, cell, numGlyphs_, glyph_, Caption(), layout_, spacing_);
}

void TskSkinButton::DrawDefaultLook(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const RECT area{0, 0, bitmap.Width(), bitmap.Height()};
  TColor frame = clBtnShadow;
  TColor fill = clBtnFace;
  if (DownLook()) {
    frame = kDefaultFrame;
    fill = kDefaultPressedFill;
  } else if (mouseIn_ || FocusedAndFocusable()) {
    frame = kDefaultFrame;
    fill = kDefaultActiveFill;
  }
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(fill);
  canvas.FillRect(area);
  canvas.Brush().SetColor(frame);
  canvas.FrameRect(area);
  TFont& font = canvas.Font();
  font.Assign(&DefaultFont());
  font.SetCharset(TextCharset());
  if (!Enabled()) font.SetColor(clBtnShadow);
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, area, down_, mouseIn_, drawDefault);
  if (drawDefault) DrawContent(canvas, area, mouseIn_, down_);
}

// Input.

void TskSkinButton::RefreshLook() {
  if (MorphingActive() && Skinned()) {
    StartMorph();
  } else {
    Invalidate();
  }
}

void TskSkinButton::HandleEnter() {
  mouseIn_ = true;
  const bool act = groupIndex_ != 0 ? !down_ : (!FocusedAndFocusable() || down_);
  if (act) {
    if (down_) {
      if (MorphingActive()) morphFactor_ = 1;
      Invalidate();
    } else {
      if (Animating()) StartAnimation(true);
      RefreshLook();
    }
  }
  if (down_ && RepeatMode && groupIndex_ == 0) StartRepeat();
  if (HandleAllocated()) PostMessage(Handle(), SKM_SHOWGLOWFRAME, 0, 0);
}

void TskSkinButton::HandleLeave() {
  if (!(canFocused_ && default_ && defaultActive_ && !Focused())) mouseIn_ = false;
  const bool act = groupIndex_ != 0 ? !down_ : (!FocusedAndFocusable() || down_);
  if (act) {
    if (Animating()) StartAnimation(false);
    RefreshLook();
  }
  if (down_ && RepeatMode && repeatTimer_ != nullptr && groupIndex_ == 0) StopRepeat();
  if (HandleAllocated()) PostMessage(Handle(), SKM_HIDEGLOWFRAME, 0, 0);
}

void TskSkinButton::MouseMove(TShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseMove(shift, x, y);
  if (!down_) return;
  const bool outside = x < 0 || y < 0 || x > Width() || y > Height();
  if (outside && mouseIn_) {
    Perform(CM_MOUSELEAVE);
  } else if (!outside && !mouseIn_) {
    Perform(CM_MOUSEENTER);
  }
}

void TskSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TskSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  if (Animating()) StopAnimation();
  mousePressed_ = true;
  if (!down_) {
    mouseIn_ = true;
    SetDown(true);
    if (checkedMode_) {
      clickedOnPress_ = true;
      ClickButton();
    } else if (RepeatMode && groupIndex_ == 0) {
      StartRepeat();
    } else if (groupIndex_ != 0) {
      ClickButton();
    }
    wasDownAtPress_ = false;
  } else if (groupIndex_ != 0) {
    wasDownAtPress_ = true;
  }
}

void TskSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    mousePressed_ = false;
    if (checkedMode_) {
      if (clickedOnPress_) {
        clickedOnPress_ = false;
      } else {
        SetDown(false);
        ClickButton();
      }
    } else if (groupIndex_ == 0) {
      const bool wasDown = down_;
      if (mouseIn_) {
        SetDown(false);
        if (RepeatMode && repeatTimer_ != nullptr) StopRepeat();
        if (wasDown) ClickButton();
      } else {
        down_ = false;
        if (RepeatMode && repeatTimer_ != nullptr) StopRepeat();
      }
    } else if (down_ && AllowAllUp && wasDownAtPress_ && mouseIn_) {
      SetDown(false);
      ClickButton();
    }
  }
  // The click handler may have hidden the button or destroyed its window.
  if (HandleAllocated() && Visible()) TskSkinCustomControl::MouseUp(button, shift, x, y);
}

void TskSkinButton::HandleKey(UINT message, WORD key) {
  if (message == WM_KEYDOWN && key == VK_SPACE && handlesKeys_) {
    if (Animating()) StopAnimation();
    SetDown(true);
    if (RepeatMode) ClickButton();
  } else if (message == WM_KEYDOWN && key == VK_RETURN && handlesKeys_) {
    ClickButton();
  } else if (message == WM_KEYUP && key == VK_SPACE) {
    SetDown(false);
    ClickButton();
  }
}

bool TskSkinButton::HandleDialogKey(WORD key) {
  if (key == VK_RETURN && defaultActive_ && Enabled()) {
    ClickButton();
    return true;
  }
  if (key == VK_ESCAPE && Cancel && canFocused_ && !ModifierHeld() && CanFocus()) {
    ClickButton();
    return true;
  }
  return false;
}

bool TskSkinButton::HandleDialogChar(WCHAR character) {
  if (!IsAccelerator(Caption(), character) || !CanFocus() || !canFocused_) return false;
  SetFocus();
  ClickButton();
  return true;
}

void TskSkinButton::HandleFocusChanged(TWinControl* sender) {
  auto* button = dynamic_cast<TskSkinButton*>(sender);
  defaultActive_ = button != nullptr ? button == this : default_;
  if (!canFocused_ || !default_) return;
  if (button != nullptr && button != this && mouseIn_) {
    mouseIn_ = false;
    RefreshLook();
  } else if (button == nullptr && !mouseIn_) {
    if (MorphingActive()) morphFactor_ = 1;
    mouseIn_ = true;
    RefreshLook();
  }
}

void TskSkinButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (canFocused_ && !Focused()) {
        focusingByClick_ = true;
        SetFocus();
        focusingByClick_ = false;
        if (!Focused()) return;
      }
      break;
    case CN_COMMAND:
      if (focusingByClick_) return;
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (canFocused_) HandleKey(message.Msg, WORD(message.WParam));
      break;
    case CM_DIALOGKEY:
      if (HandleDialogKey(WORD(message.WParam))) {
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (HandleDialogChar(WCHAR(message.WParam))) {
        message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED:
      HandleFocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
      break;
    case CM_MOUSEENTER:
      TskSkinCustomControl::WndProc(message);
      HandleEnter();
      return;
    case CM_MOUSELEAVE:
      TskSkinCustomControl::WndProc(message);
      HandleLeave();
      return;
    case WM_SETFOCUS:
      TskSkinCustomControl::WndProc(message);
      if (canFocused_) {
        if (Animating()) StartAnimation(true);
        RefreshLook();
      }
      return;
    case WM_KILLFOCUS:
      if (RepeatMode && repeatTimer_ != nullptr) StopRepeat();
      if (groupIndex_ == 0 && down_) down_ = false;
      TskSkinCustomControl::WndProc(message);
      if (canFocused_) {
        if (Animating()) StartAnimation(false);
        if (MorphingActive() && Skinned()) {
          StartMorph();
        } else {
          Invalidate();
        }
      }
      return;
    case CM_TEXTCHANGED:
      TskSkinCustomControl::WndProc(message);
      Invalidate();
      return;
    case WM_ERASEBKGND:
      if (!InPaint() && message.WParam != 0) PaintToDC(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case SKM_SHOWGLOWFRAME:
      ShowGlowFrame();
      return;
    case SKM_HIDEGLOWFRAME:
      HideGlowFrame();
      return;
    default:
      break;
  }
  TskSkinCustomControl::WndProc(message);
}

void TskSkinButton::CreateWnd() {
  TskSkinCustomControl::CreateWnd();
  defaultActive_ = default_;
}

void TskSkinButton::EnabledChanged() {
  TskSkinCustomControl::EnabledChanged();
  if (MorphingActive()) {
    StopMorph();
    morphFactor_ = 0;
  }
  mouseIn_ = false;
  Invalidate();
}

void TskSkinButton::Notification(TComponent* component, TOperation operation) {
  TskSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == imageList_) imageList_ = nullptr;
}

// Skin changes.

void TskSkinButton::BeforeChangeSkinData() {
  TskSkinCustomControl::BeforeChangeSkinData();
  if (glowLayer_->Visible()) glowLayer_->Hide();
}

void TskSkinButton::ChangeSkinData() {
  StopMorph();
  StopAnimation();
  morphFactor_ = 0;
  TskSkinCustomControl::ChangeSkinData();
  if (MorphingActive() && Skinned() && (FocusedAndFocusable() || mouseIn_)) morphFactor_ = 1;
  if (mouseIn_ && HandleAllocated()) PostMessage(Handle(), SKM_SHOWGLOWFRAME, 0, 0);
}

void TskSkinButton::BackgroundChanged() {
  if (transparent_ && !down_ && !mouseIn_) Invalidate();
}

// Timers.

void TskSkinButton::StartMorph() {
  if (morphTimer_ == nullptr) morphTimer_ = MakeTimer(kMorphInterval, &TskSkinButton::MorphTick);
}

void TskSkinButton::StopMorph() { morphTimer_.reset(); }

void TskSkinButton::MorphTick() {
  const bool target = mouseIn_ || FocusedAndFocusable();
  if (!Skinned() || !MorphingActive()) {
    morphFactor_ = target ? 1 : 0;
    StopMorph();
    return;
  }
  if (target && morphFactor_ < 1) {
    morphFactor_ = MorphStep(morphFactor_, 0.2);
  } else if (!target && morphFactor_ > 0) {
    morphFactor_ = MorphStep(morphFactor_, -0.2);
  } else {
    morphFactor_ = target ? 1 : 0;
    StopMorph();
  }
  Invalidate();
}

void TskSkinButton::StartAnimation(bool forward) {
  StopAnimation();
  animationForward_ = forward;
  animationFrame_ = forward ? 1 : framecount;
  animationTimer_ = MakeTimer(UINT(std::max(animateinterval, 1)), &TskSkinButton::AnimationTick);
}

void TskSkinButton::StopAnimation() {
  animationFrame_ = 0;
  animationTimer_.reset();
}

void TskSkinButton::AnimationTick() {
  if (animationForward_) {
    if (animationFrame_ <= framecount) {
      ++animationFrame_;
      Invalidate();
    }
    if (animationFrame_ > framecount) StopAnimation();
  } else {
    if (animationFrame_ >= 0) {
      --animationFrame_;
      Invalidate();
    }
    if (animationFrame_ <= 0) StopAnimation();
  }
}

void TskSkinButton::StartRepeat() {
  repeatTimer_ = MakeTimer(kRepeatDelay, &TskSkinButton::RepeatTick);
  repeatStarted_ = false;
}

void TskSkinButton::StopRepeat() { repeatTimer_.reset(); }

void TskSkinButton::RepeatTick() {
  if (!repeatStarted_) {
    repeatStarted_ = true;
    repeatTimer_->SetInterval(UINT(std::max(RepeatInterval, 1)));
    return;
  }
  ClickButton();
}

// Glow frame.

void TskSkinButton::ShowGlowFrame() {
  if (SkinData() == nullptr || SkinData()->Empty()) return;
  if (!(SkinData()->ShowButtonGlowFrames || AlwaysShowLayeredFrame) || glowlayerpictureindex == -1) return;
  const TBitmap* picture = SkinData()->ActivePicture(glowlayerpictureindex);
  const TBitmap* mask = SkinData()->ActivePicture(glowlayermaskpictureindex);
  // Without its mask the glow would be an opaque block; no frame is shown.
  if (picture == nullptr || mask == nullptr) return;
  if (TCustomForm* form = GetParentForm(this)) glowLayer_->Topmost = form->FormStyle() == fsStayOnTop;
  const int dw = Width() - (skinrect.right - skinrect.left);
  const int dh = Height() - (skinrect.bottom - skinrect.top);
  TBitmap sizedPicture;
  TBitmap sizedMask;
  const TBitmap* shownPicture = picture;
  const TBitmap* shownMask = mask;
  auto stretch = [&](const TBitmap& source, TBitmap& target) {
    target.SetSize(source.Width() + dw, source.Height() + dh);
    const RECT whole{0, 0, source.Width(), source.Height()};
    const RECT inner{glowlayeroffsetleft, glowlayeroffsettop, source.Width() - glowlayeroffsetright,
                     source.Height() - glowlayeroffsetbottom};
    StretchSkinPiece(target, source, whole, true, inner);
  };
  auto compose = [&](const TBitmap& source, TBitmap& target) {
    ComposeHorizontal(glowlayeroffsetleft, glowlayeroffsetright, true, source.Width() + dw,
                      RECT{0, 0, source.Width(), source.Height()}, source, target);
  };
  switch (ResizeMode()) {
    case 0:
      break;
    case 1:
      stretch(*picture, sizedPicture);
      stretch(*mask, sizedMask);
      shownPicture = &sizedPicture;
      shownMask = &sizedMask;
      break;
    case 2:
      if (!UseSkinSize()) return;
      compose(*picture, sizedPicture);
      compose(*mask, sizedMask);
      shownPicture = &sizedPicture;
      shownMask = &sizedMask;
      break;
    default:
      return;
  }
  const POINT origin = ClientToScreen(POINT{0, 0});
  glowLayer_->Show(origin.x - glowlayershowoffsetx, origin.y - glowlayershowoffsety, BYTE(glowlayeralphablendvalue),
                   *shownMask, *shownPicture);
}

void TskSkinButton::HideGlowFrame() {
  if (SkinData() == nullptr || SkinData()->Empty() || glowlayerpictureindex == -1) return;
  const int mode = ResizeMode();
  if (!(mode == 0 || mode == 1 || (mode == 2 && UseSkinSize()))) return;
  // Hiding accepts the same switches as showing, so that a frame shown only
  // because of AlwaysShowLayeredFrame does not outlive the pointer.
  if (!(SkinData()->ShowButtonGlowFrames || AlwaysShowLayeredFrame)) return;
  glowLayer_->Hide();
}

}  // namespace qb
