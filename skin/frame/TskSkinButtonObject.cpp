#include "skin/frame/TskSkinButtonObject.h"

#include "skin/data/TskDataSkinButton.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinForm.h"

namespace qb {

TskSkinButtonObject::TskSkinButtonObject(TskSkinForm& owner, const TskDataSkinButton* record)
    : TskActiveSkinObject(owner, record) {
  if (record == nullptr) return;
  downrect = record->downrect;
  disableskinrsect = record->disableskinrsect;
}

void TskSkinButtonObject::DrawButtonLook(TCanvas& canvas, bool update) {
  if (!SkinLoaded()) return;
  if (!Enabled && !IsEmpty(disableskinrsect)) {
    DrawRect(canvas, Picture, disableskinrsect);
    return;
  }
  if (Down && MouseIn && !IsEmpty(downrect)) {
    DrawRect(canvas, Picture, downrect);
    return;
  }
  DrawBaseLook(canvas, update);
}

void TskSkinButtonObject::Draw(TCanvas& canvas, bool update) { DrawButtonLook(canvas, update); }

bool TskSkinButtonObject::Press(TMouseButton button) {
  if (!Enabled || button != mbLeft || Down) return false;
  Down = true;
  if (CanMorph()) MorphFactor = 1;
  Owner().RedrawObject(*this);
  return true;
}

bool TskSkinButtonObject::Release(TMouseButton button) {
  if (!Enabled || button != mbLeft || MenuOpen || !Down) return false;
  Down = false;
  Owner().RedrawObject(*this);
  if (CanMorph() && MorphPending()) Owner().StartMorphTimer();
  return true;
}

void TskSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
  Press(button);
  TskActiveSkinObject::MouseDown(x, y, button);
}

void TskSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
  Release(button);
  TskActiveSkinObject::MouseUp(x, y, button);
}

void TskSkinButtonObject::MouseEnter() {
  TskActiveSkinObject::MouseEnter();
  if (Down && !IsEmpty(downrect)) {
    if (CanMorph()) MorphFactor = 1;
    Owner().RedrawObject(*this);
  }
}

void TskSkinButtonObject::MouseLeave() {
  if (MenuOpen) return;
  TskActiveSkinObject::MouseLeave();
}

void TskSkinButtonObject::ResetState() {
  TskActiveSkinObject::ResetState();
  Down = false;
}

}  // namespace qb
