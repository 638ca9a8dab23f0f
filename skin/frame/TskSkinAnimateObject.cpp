#include "skin/frame/TskSkinAnimateObject.h"

#include <algorithm>

#include "skin/data/TskDataSkinSectionObject.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinForm.h"

namespace qb {

namespace {

constexpr int kTick = 25;

int IntegerOr(std::u16string_view text, int fallback) { return ParseInteger(text).value_or(fallback); }

}  // namespace

TskSkinAnimateObject::TskSkinAnimateObject(TskSkinForm& owner, const TskDataSkinSectionObject& record)
    : TskActiveSkinObject(owner, &record) {
  for (const SkinIni::Entry& entry : record.Values) {
    const std::u16string& k = entry.key;
    const std::u16string& v = entry.value;
    if (k == u"countframes") countframes = std::max(IntegerOr(v, 1), 1);
    else if (k == u"cycle") cycle = IntegerOr(v, 0) != 0;
    else if (k == u"buttonstyle") buttonstyle = IntegerOr(v, 0) != 0;
    else if (k == u"timerinterval") timerinterval = IntegerOr(v, kTick);
    else if (k == u"command") {
      command = ParseCommand(v);
      hasCommand_ = !v.empty();
    } else if (k == u"downskinrect") downskinrect = ParseRect(v);
    else if (k == u"restorerect") restorerect = ParseRect(v);
    else if (k == u"restoreactiverect") restoreactiverect = ParseRect(v);
    else if (k == u"restoredownrect") restoredownrect = ParseRect(v);
    else if (k == u"restoreinactiverect") restoreinactiverect = ParseRect(v);
    else if (k == u"restorehint") restorehint = v;
  }
  timerinterval = std::max(timerinterval, kTick);
}

RECT TskSkinAnimateObject::FrameRect(int n) const {
  const int w = Width(skinrect);
  return RECT{skinrect.left + (n - 1) * w, skinrect.top, skinrect.left + n * w, skinrect.bottom};
}

bool TskSkinAnimateObject::StepAnimation() {
  if (!SkinLoaded() || countframes <= 1) return false;
  ticks_ += kTick;
  if (ticks_ < timerinterval) return false;
  ticks_ = kTick;
  const int next = Frame + (forward_ ? 1 : -1);
  if (next < 1 || next > countframes) {
    if (!cycle) return false;
    forward_ = !forward_;
    Frame += forward_ ? 1 : -1;
  } else {
    Frame = next;
  }
  return true;
}

void TskSkinAnimateObject::Draw(TCanvas& canvas, bool) {
  if (!SkinLoaded()) return;
  if (Down && MouseIn && !IsEmpty(downskinrect)) {
    DrawRect(canvas, Picture, downskinrect);
    return;
  }
  if (Enabled && !Owner().IsFormActive() && !IsEmpty(inactiveskinrect)) {
    DrawRect(canvas, Picture, inactiveskinrect);
    return;
  }
  DrawRect(canvas, Picture, FrameRect(Frame));
}

void TskSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
  if (hasCommand_ && Enabled && button == mbLeft && !Down) {
    Down = true;
    Owner().RedrawObject(*this);
  }
  TskActiveSkinObject::MouseDown(x, y, button);
}

void TskSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
  const bool execute = hasCommand_ && Down && Enabled && button == mbLeft && ActiveLook;
  if (Down && button == mbLeft) {
    Down = false;
    Owner().RedrawObject(*this);
  }
  TskActiveSkinObject::MouseUp(x, y, button);
  if (execute) Owner().ExecuteCommand(command);
}

void TskSkinAnimateObject::MouseEnter() {
  TskActiveSkinObject::MouseEnter();
  Owner().StartAnimationTimer();
}

void TskSkinAnimateObject::ResetState() {
  TskActiveSkinObject::ResetState();
  Down = false;
  Frame = 1;
  forward_ = true;
  ticks_ = kTick;
}

const std::u16string& TskSkinAnimateObject::CurrentHint() const {
  return Owner().RestoreState(command) && !restorehint.empty() ? restorehint : hint;
}

}  // namespace qb
