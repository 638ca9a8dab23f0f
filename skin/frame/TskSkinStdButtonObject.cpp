#include "skin/frame/TskSkinStdButtonObject.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Icon.h"
#include "skin/data/TskDataSkinStdButton.h"
#include "skin/frame/DefaultButtonLook.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/LayerIcon.h"
#include "skin/frame/TskSkinForm.h"

namespace qb {

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinForm& owner, const TskDataSkinStdButton* record)
    : TskSkinButtonObject(owner, record) {
  if (record == nullptr) return;
  Command = record->command;
  restorerect = record->restorerect;
  restoreactiverect = record->restoreactiverect;
  restoredownrect = record->restoredownrect;
  restoreinactiverect = record->restoreinactiverect;
  restorehint = record->restorehint;
  AlphaImage = record->AlphaImage.get();
  ActiveAlphaImage = record->ActiveAlphaImage.get();
  DownAlphaImage = record->DownAlphaImage.get();
  InactiveAlphaImage = record->InactiveAlphaImage.get();
  RestoreAlphaImage = record->RestoreAlphaImage.get();
  RestoreActiveAlphaImage = record->RestoreActiveAlphaImage.get();
  RestoreDownAlphaImage = record->RestoreDownAlphaImage.get();
  RestoreInactiveAlphaImage = record->RestoreInactiveAlphaImage.get();
}

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinForm& owner, std::u16string idName, TskStdCommand command)
    : TskSkinButtonObject(owner, nullptr) {
  IDName = std::move(idName);
  Command = command;
  skinrectinapicture = true;
  skinrect = RECT{0, 0, 1, 1};
  ObjectRect = skinrect;
}

bool TskSkinStdButtonObject::ShowsIcon() const { return IsSystemMenuButton() && Owner().ShowIcon(); }

bool TskSkinStdButtonObject::InObject(int x, int y) const {
  return ShowsIcon() || TskSkinButtonObject::InObject(x, y);
}

const std::u16string& TskSkinStdButtonObject::CurrentHint() const {
  return Owner().RestoreState(Command) && !restorehint.empty() ? restorehint : hint;
}

void TskSkinStdButtonObject::DrawDefaultLook(TCanvas& canvas) const {
  if (IsEmpty(ObjectRect)) return;
  if (ShowsIcon()) {
    const SIZE size = Owner().SmallIconSize();
    DrawIconEx(canvas.Handle(), ObjectRect.left, ObjectRect.top, Owner().SmallIcon(), size.cx, size.cy, 0, nullptr,
               DI_NORMAL);
    return;
  }
  TBitmap look;
  look.SetSize(Width(ObjectRect), Height(ObjectRect));
  DefaultButtonState state;
  state.command = Command;
  state.hot = ActiveLook;
  state.pressed = Down;
  state.enabled = Enabled;
  state.restore = Owner().RestoreState(Command);
  DrawDefaultButton(look, state);
  canvas.Draw(ObjectRect.left, ObjectRect.top, look);
}

void TskSkinStdButtonObject::Draw(TCanvas& canvas, bool update) {
  if (!HasRecord()) {
    DrawDefaultLook(canvas);
    return;
  }
  if (!SkinLoaded()) return;
  if (ShowsIcon() && skinrectinapicture) {
    const SIZE size = Owner().SmallIconSize();
    DrawIconEx(canvas.Handle(), ObjectRect.left, ObjectRect.top, Owner().SmallIcon(), size.cx, size.cy, 0, nullptr,
               DI_NORMAL);
    MorphFactor = 0;
    return;
  }
  const bool restore = Owner().RestoreState(Command);
  const bool active = Owner().IsFormActive();
  if (!(Enabled && (active || IsEmpty(inactiveskinrect) || restore))) {
    DrawButtonLook(canvas, update);
    return;
  }
  if (!restore || IsEmpty(restorerect)) {
    if (IsSystemMenuButton() && Down && !IsEmpty(downrect))
      DrawRect(canvas, Picture, downrect);
    else
      DrawButtonLook(canvas, update);
    return;
  }
  if (!active && !IsEmpty(restoreinactiverect)) {
    DrawRect(canvas, Picture, restoreinactiverect);
    return;
  }
  if (!(Down && MouseIn && !IsEmpty(restoredownrect))) {
    if (CanMorph() && MorphUnderWay())
      DrawMorph(canvas, Picture, restorerect, restoreactiverect);
    else if (ActiveLook && !IsEmpty(restoreactiverect))
      DrawRect(canvas, Picture, restoreactiverect);
    else
      DrawRect(canvas, Picture, restorerect);
    return;
  }
  DrawRect(canvas, Picture, restoredownrect);
}

const TskBitmap* TskSkinStdButtonObject::LayerImage() const {
  const bool r = Owner().RestoreState(Command);
  auto pick = [r](const TskBitmap* restoreImage, const TskBitmap* image) {
    return r && restoreImage != nullptr ? restoreImage : image;
  };
  if (Owner().FormActiveFlag() || IsEmpty(inactiveskinrect)) {
    if (Down && !IsEmpty(downrect) && (IsSystemMenuButton() || MouseIn)) return pick(RestoreDownAlphaImage, DownAlphaImage);
    if (MouseIn && !IsEmpty(activeskinrect)) return pick(RestoreActiveAlphaImage, ActiveAlphaImage);
    return pick(RestoreAlphaImage, AlphaImage);
  }
  return pick(RestoreInactiveAlphaImage, InactiveAlphaImage);
}

void TskSkinStdButtonObject::DrawOnLayer(TCanvas& canvas, TskBitmap& surface) {
  if (ShowsIcon()) {
    const SIZE size = Owner().SmallIconSize();
    if (Owner().IconHasAlpha())
      DrawIconBlended(surface, ObjectRect.left, ObjectRect.top, Owner().SmallIcon(), size);
    else
      DrawIconKeyed(surface, ObjectRect.left, ObjectRect.top, Owner().SmallIcon(), size);
    return;
  }
  const TskBitmap* image = LayerImage();
  if (image == nullptr || image->Empty()) return;
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(canvas.Handle(), ObjectRect.left, ObjectRect.top, Width(ObjectRect), Height(ObjectRect), image->DC(), 0, 0,
             image->Width(), image->Height(), blend);
}

void TskSkinStdButtonObject::DblClick() {
  if (IsSystemMenuButton()) Owner().ExecuteCommand(TskStdCommand::cmClose);
}

void TskSkinStdButtonObject::MouseDown(int, int, TMouseButton button) {
  if (!Press(button)) return;
  if (IsSystemMenuButton()) Owner().ShowSystemMenuBelow(*this);
}

void TskSkinStdButtonObject::MouseUp(int, int, TMouseButton button) {
  const bool wasDown = Down;
  const bool execute = wasDown && Enabled && button == mbLeft && ActiveLook && !MenuOpen;
  if (execute && Command != TskStdCommand::cmClose) Owner().ExecuteCommand(Command);
  Release(button);
  if (execute && Command == TskStdCommand::cmClose) Owner().ExecuteCommand(Command);
}

}  // namespace qb
