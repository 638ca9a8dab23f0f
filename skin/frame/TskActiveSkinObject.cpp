#include "skin/frame/TskActiveSkinObject.h"

#include <algorithm>

#include "skin/controls/TskLayerManager.h"
#include "skin/data/DibPixel.h"
#include "skin/data/TskDataSkinObject.h"
#include "skin/data/TskEffectBmp.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinForm.h"

namespace qb {

namespace {

constexpr double kMorphStep = 0.2;

}  // namespace

TskActiveSkinObject::TskActiveSkinObject(TskSkinForm& owner, const TskDataSkinObject* record)
    : owner_(owner), hasRecord_(record != nullptr) {
  if (record == nullptr) return;
  IDName = record->IDName;
  hint = record->hint;
  skinrectinapicture = record->skinrectinapicture;
  skinrect = record->skinrect;
  activeskinrect = record->activeskinrect;
  inactiveskinrect = record->inactiveskinrect;
  morphing = record->morphing;
  morphkind = record->morphkind;
  glowlayerpictureindex = record->glowlayerpictureindex;
  glowlayermaskpictureindex = record->glowlayermaskpictureindex;
  glowlayeroffsetx = record->glowlayeroffsetx;
  glowlayeroffsety = record->glowlayeroffsety;
  glowlayeralphablendvalue = record->glowlayeralphablendvalue;
  ObjectRect = skinrect;
  if (const TskSkinData* data = owner.SkinData()) {
    Picture = record->activepictureindex == -1 ? nullptr : data->ActivePicture(record->activepictureindex);
    Mask = record->activemaskpictureindex == -1 ? nullptr : data->ActivePicture(record->activemaskpictureindex);
    FramePicture = &data->MainPicture();
  }
  if (Picture == nullptr) activeskinrect = RECT{};
  if (IsEmpty(activeskinrect)) morphing = false;
}

TskActiveSkinObject::~TskActiveSkinObject() = default;

bool TskActiveSkinObject::SkinLoaded() const { return owner_.Skinned(); }

bool TskActiveSkinObject::InObject(int x, int y) const {
  if (!SkinLoaded() || Mask == nullptr || Mask->Empty()) return true;
  if (x < 0 || y < 0 || x >= Mask->Width() || y >= Mask->Height()) return false;
  return (DibPixel(Mask->Image(), x, y) & 0x00FFFFFFu) == 0;
}

void TskActiveSkinObject::ShowGlow() {
  const TskSkinData* data = owner_.SkinData();
  if (!SkinLoaded() || data == nullptr || glowlayerpictureindex == -1 || !data->ShowCaptionButtonGlowFrames) return;
  const TBitmap* picture = data->ActivePicture(glowlayerpictureindex);
  const TBitmap* mask = data->ActivePicture(glowlayermaskpictureindex);
  // Without its mask the glow would be an opaque block over the frame.
  if (picture == nullptr || picture->Empty() || mask == nullptr || mask->Empty()) return;
  const POINT origin = owner_.ObjectScreenOrigin();
  TskLayerManager& glow = owner_.GlowLayer();
  glow.Topmost = owner_.Form().FormStyle() == fsStayOnTop;
  glow.Show(origin.x + ObjectRect.left - glowlayeroffsetx, origin.y + ObjectRect.top - glowlayeroffsety,
            BYTE(std::clamp<std::int32_t>(glowlayeralphablendvalue, 0, 255)), *mask, *picture);
}

// Hiding is not tied to the switches that allow showing, so that a glow
// shown before a switch changed still goes away.
void TskActiveSkinObject::HideGlow() {
  if (glowlayerpictureindex != -1) owner_.GlowLayer().Hide();
}

bool TskActiveSkinObject::CanMorph() const {
  const TskSkinData* data = owner_.SkinData();
  return morphing && SkinLoaded() && data != nullptr && data->EnableSkinEffects && !owner_.FullBorderActive();
}

bool TskActiveSkinObject::MorphUnderWay() const {
  return (ActiveLook && MorphFactor < 1) || (!ActiveLook && MorphFactor > 0);
}

bool TskActiveSkinObject::MorphPending() const { return CanMorph() && MorphUnderWay(); }

bool TskActiveSkinObject::StepMorph() {
  if (!MorphPending()) return false;
  MorphFactor = std::clamp(MorphFactor + (ActiveLook ? kMorphStep : -kMorphStep), 0.0, 1.0);
  // Five steps of 0.2 must land exactly on the ends.
  if (MorphFactor > 1 - 1e-9) MorphFactor = 1;
  if (MorphFactor < 1e-9) MorphFactor = 0;
  return true;
}

void TskActiveSkinObject::ResetState() {
  MouseIn = false;
  ActiveLook = false;
  MorphFactor = 0;
}

void TskActiveSkinObject::DrawRect(TCanvas& canvas, const TBitmap* source, const RECT& from) const {
  if (source != nullptr) DrawPictureRect(canvas, ObjectRect, *source, from);
}

void TskActiveSkinObject::DrawMorph(TCanvas& canvas, const TBitmap* normalSource, const RECT& normal,
                                    const RECT& hot) const {
  if (normalSource == nullptr || Picture == nullptr || IsEmpty(ObjectRect)) return;
  TBitmap a;
  TBitmap b;
  CopyPictureRectTo(*normalSource, normal, Width(ObjectRect), Height(ObjectRect), a);
  CopyPictureRectTo(*Picture, hot, Width(ObjectRect), Height(ObjectRect), b);
  TskEffectBmp blended(a);
  blended.Morph(int(morphkind), TskEffectBmp(b), MorphFactor);
  blended.DrawAt(canvas.Handle(), ObjectRect.left, ObjectRect.top);
}

void TskActiveSkinObject::DrawBaseLook(TCanvas& canvas, bool update) {
  if (!SkinLoaded()) return;
  if (Enabled && !owner_.IsFormActive() && !IsEmpty(inactiveskinrect)) {
    DrawRect(canvas, Picture, inactiveskinrect);
    return;
  }
  const TBitmap* normalSource = skinrectinapicture ? Picture : FramePicture;
  if (CanMorph() && MorphUnderWay()) {
    DrawMorph(canvas, normalSource, skinrect, activeskinrect);
    return;
  }
  if (ActiveLook && !IsEmpty(activeskinrect)) {
    DrawRect(canvas, Picture, activeskinrect);
    return;
  }
  if (!update && !skinrectinapicture) return;
  DrawRect(canvas, normalSource, skinrect);
}

void TskActiveSkinObject::Draw(TCanvas& canvas, bool update) { DrawBaseLook(canvas, update); }

void TskActiveSkinObject::DrawOnLayer(TCanvas&, TskBitmap&) {}

void TskActiveSkinObject::LookChanged() {
  if (IsEmpty(activeskinrect)) return;
  if (CanMorph())
    owner_.StartMorphTimer();
  else
    owner_.RedrawObject(*this);
}

void TskActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
  if (owner_.OnMouseDownEvent) owner_.OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TskActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
  if (MouseIn && owner_.OnMouseUpEvent) owner_.OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TskActiveSkinObject::MouseMove(int x, int y) {
  if (owner_.OnMouseMoveEvent) owner_.OnMouseMoveEvent(IDName, x, y, ObjectRect);
}

void TskActiveSkinObject::MouseEnter() {
  MouseIn = true;
  ActiveLook = true;
  LookChanged();
  if (owner_.OnMouseEnterEvent) owner_.OnMouseEnterEvent(IDName);
  ShowGlow();
  owner_.ActivateObjectHint(*this);
}

void TskActiveSkinObject::MouseLeave() {
  MouseIn = false;
  ActiveLook = false;
  LookChanged();
  if (owner_.OnMouseLeaveEvent) owner_.OnMouseLeaveEvent(IDName);
  HideGlow();
  owner_.HideObjectHint();
}

}  // namespace qb
