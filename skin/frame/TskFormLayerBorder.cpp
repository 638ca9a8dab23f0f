#include "skin/frame/TskFormLayerBorder.h"

#include <algorithm>
#include <cmath>

#include "platform/window/MessageApi.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/AlphaRamp.h"
#include "skin/frame/ProcessPendingMessages.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinStdButtonObject.h"

namespace qb {

int ScaleAlpha(int value, int factor) { return int(std::nearbyint(double(value) * factor / 255.0)); }

namespace {

// A nearest-pixel copy of all four channels of `from` in `source` to `to` in
// `target`; no blending, so alpha travels with the colours.
void CopyStretched(const TskBitmap& source, const RECT& from, TskBitmap& target, const RECT& to) {
  const int fw = Width(from), fh = Height(from), tw = Width(to), th = Height(to);
  if (fw <= 0 || fh <= 0 || tw <= 0 || th <= 0) return;
  for (int y = std::max<int>(0, to.top); y < std::min<int>(to.bottom, target.Height()); ++y) {
    const int sy = from.top + (y - to.top) * fh / th;
    if (sy < 0 || sy >= source.Height()) continue;
    const std::uint32_t* in = source.ScanLine(sy);
    std::uint32_t* out = target.ScanLine(y);
    for (int x = std::max<int>(0, to.left); x < std::min<int>(to.right, target.Width()); ++x) {
      const int sx = from.left + (x - to.left) * fw / tw;
      if (sx >= 0 && sx < source.Width()) out[x] = in[sx];
    }
  }
}

// Fills `to` with `from` repeated downwards from its top, the last piece cut.
void CopyRepeatedDown(const TskBitmap& source, const RECT& from, TskBitmap& target, const RECT& to) {
  const int pieceHeight = Height(from);
  if (pieceHeight <= 0) return;
  for (int top = to.top; top < to.bottom; top += pieceHeight) {
    const int rows = std::min(pieceHeight, int(to.bottom) - top);
    CopyStretched(source, RECT{from.left, from.top, from.right, from.top + rows}, target,
                  RECT{to.left, top, to.right, top + rows});
  }
}

// A new transparent strip, or none for an empty size.
std::unique_ptr<TskBitmap> NewStrip(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  auto strip = std::make_unique<TskBitmap>();
  strip->SetSize(width, height);
  return strip;
}

}  // namespace

TskFormLayerBorder::TskFormLayerBorder(TskFormLayerBorderHost& host)
    : host_(host), leaveTimer_(std::make_unique<TTimer>(nullptr)) {
  leaveTimer_->SetEnabled(false);
  leaveTimer_->SetInterval(kLeaveInterval);
  leaveTimer_->SetOnTimer([this](TObject*) { LeaveTimerTick(); });
}

TskFormLayerBorder::~TskFormLayerBorder() { HideLayer(); }

void TskFormLayerBorder::PrepareLayer(const TskSkinData* skinData) {
  record_ = nullptr;
  stripsBuiltFor_.reset();
  if (skinData == nullptr || skinData->Empty()) return;
  const TskDataSkinLayerFrame& record = skinData->LayerFrame();
  if (record.pictureindex == -1 || record.ActiveImage == nullptr) return;
  record_ = &record;
  alpha_ = record.alphablendvalue;
  inactiveAlpha_ = record.inactivealphablendvalue;
  margins_ = LayerMarginsOf(record);
  if (record.fullborder) {
    hotIndex_ = -1;
    pressedIndex_ = -1;
  }
}

SIZE TskFormLayerBorder::PictureSize() const {
  return SIZE{record_->ActiveImage->Width(), record_->ActiveImage->Height()};
}

RECT TskFormLayerBorder::OuterFor(const RECT& form) const {
  return LayerOuterRect(*record_, PictureSize(), form, host_.LayerRolledUp());
}

bool TskFormLayerBorder::StripInputs::operator==(const StripInputs& other) const {
  const auto sameSize = [](SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; };
  return sameSize(size, other.size) && active == other.active && formActive == other.formActive &&
         rolledUp == other.rolledUp && buttonsOffset == other.buttonsOffset && hotIndex == other.hotIndex &&
         pressedIndex == other.pressedIndex && iconSize.has_value() == other.iconSize.has_value() &&
         (!iconSize || sameSize(*iconSize, *other.iconSize)) && objects == other.objects;
}

TskFormLayerBorder::StripInputs TskFormLayerBorder::CurrentStripInputs(int width, int height) const {
  StripInputs inputs{SIZE{width, height}, active_, host_.LayerFormActive(), host_.LayerRolledUp(),
                     host_.LayerButtonsOffset(), hotIndex_, pressedIndex_, host_.LayerIconSize(), {}};
  for (const auto& object : host_.LayerObjects())
    inputs.objects.emplace_back(object.get(), object->Visible, object->Enabled);
  return inputs;
}

void TskFormLayerBorder::EnsureLayerStrips(int width, int height) {
  if (stripsBuiltFor_ != CurrentStripInputs(width, height)) BuildLayerStrips(width, height);
}

void TskFormLayerBorder::BuildLayerStrips(int width, int height) {
  const TskDataSkinLayerFrame& r = *record_;
  const TskBitmap& s = active_ || r.InactiveImage == nullptr ? *r.ActiveImage : *r.InactiveImage;
  const int pw = s.Width(), ph = s.Height();
  const LayerStripSizes sizes = LayerStripSizesOf(r, PictureSize(), height);
  const POINT lt = r.lefttoppoint, rt = r.righttoppoint, lb = r.leftbottompoint, rb = r.rightbottompoint;

  const int th = sizes.topHeight;
  strips_[lsTop] = NewStrip(width, th);
  if (strips_[lsTop] != nullptr) {
    TskBitmap& top = *strips_[lsTop];
    CopyStretched(s, RECT{0, 0, lt.x, th}, top, RECT{0, 0, lt.x, th});
    CopyStretched(s, RECT{rt.x, 0, pw, th}, top, RECT{width - (pw - rt.x), 0, width, th});
    CopyStretched(s, RECT{lt.x, 0, rt.x, th}, top, RECT{lt.x, 0, width - (pw - rt.x), th});
    top.UpdatePartialAlpha();
    if (r.fullborder) {
      LayoutLayerObjects(width - pw);
      for (const auto& object : host_.LayerObjects())
        if (object->Visible) object->DrawOnLayer(top.Canvas(), top);
    }
  }

  // A bottom strip shortened by a low frame shows the picture's last rows.
  const int bh = sizes.bottomHeight;
  strips_[lsBottom] = NewStrip(width, bh);
  if (strips_[lsBottom] != nullptr) {
    TskBitmap& bottom = *strips_[lsBottom];
    CopyStretched(s, RECT{0, ph - bh, lb.x, ph}, bottom, RECT{0, 0, lb.x, bh});
    CopyStretched(s, RECT{rb.x, ph - bh, pw, ph}, bottom, RECT{width - (pw - rb.x), 0, width, bh});
    CopyStretched(s, RECT{lb.x, ph - bh, rb.x, ph}, bottom, RECT{lb.x, 0, width - (pw - rb.x), bh});
    bottom.UpdatePartialAlpha();
  }

  const int fullBottom = ph - std::min(lb.y, rb.y);
  const RECT leftColumn{0, th, r.clientrect.left, ph - fullBottom};
  const RECT rightColumn{r.clientrect.right, th, pw, ph - fullBottom};
  strips_[lsLeft] = NewStrip(sizes.leftWidth, sizes.sideHeight);
  strips_[lsRight] = NewStrip(sizes.rightWidth, sizes.sideHeight);
  const auto copyColumn = r.fullstretch ? CopyStretched : CopyRepeatedDown;
  if (strips_[lsLeft] != nullptr)
    copyColumn(s, leftColumn, *strips_[lsLeft], RECT{0, 0, sizes.leftWidth, sizes.sideHeight});
  if (strips_[lsRight] != nullptr)
    copyColumn(s, rightColumn, *strips_[lsRight], RECT{0, 0, sizes.rightWidth, sizes.sideHeight});
  for (auto& strip : strips_)
    if (strip != nullptr) strip->Premultiply();
  stripsBuiltFor_ = CurrentStripInputs(width, height);
}

void TskFormLayerBorder::LayoutLayerObjects(int widthChange) {
  const TskDataSkinLayerFrame& r = *record_;
  RECT caption = r.captionrect;
  caption.right += widthChange;
  int x = 0, y = 0;
  if (IsEmpty(r.buttonsrect)) {
    x = caption.right;
    y = r.buttonstopoffset != 0 ? r.buttonstopoffset : caption.top;
  } else {
    x = r.buttonsrect.right + widthChange;
    y = r.buttonsrect.top;
  }
  const int gap = host_.LayerButtonsOffset();
  const std::optional<SIZE> icon = host_.LayerIconSize();
  FrameObjectList objects = host_.LayerObjects();
  auto firstButton = [&](TskStdCommand command) -> TskSkinStdButtonObject* {
    for (const auto& object : objects) {
      auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
      if (button != nullptr && button->Visible && button->skinrectinapicture && button->Command == command)
        return button;
    }
    return nullptr;
  };
  const TskStdCommand rightToLeft[] = {TskStdCommand::cmClose, TskStdCommand::cmMaximize, TskStdCommand::cmMinimize,
                                       TskStdCommand::cmRollUp, TskStdCommand::cmMinimizeToTray};
  for (TskStdCommand command : rightToLeft) {
    TskSkinStdButtonObject* button = firstButton(command);
    if (button == nullptr) continue;
    const int w = Width(button->skinrect), h = Height(button->skinrect);
    button->ObjectRect = RECT{x - w, y, x, y + h};
    x -= gap + w;
  }
  TskSkinCaptionObject* captionObject = nullptr;
  for (const auto& object : objects)
    if ((captionObject = dynamic_cast<TskSkinCaptionObject*>(object.get())) != nullptr) break;
  if (captionObject != nullptr) captionObject->ObjectRect = RECT{caption.left, caption.top, x - gap, caption.bottom};

  TskSkinStdButtonObject* sysMenu = firstButton(TskStdCommand::cmSysMenu);
  if (sysMenu == nullptr) return;
  const int w = icon ? icon->cx : Width(sysMenu->skinrect);
  const int h = icon ? icon->cy : Height(sysMenu->skinrect);
  if (IsEmpty(r.sysmenubuttonrect)) {
    const int left = caption.left;
    const int top = r.sysbuttontopoffset != 0 && !icon ? r.sysbuttontopoffset
                                                      : caption.top + Height(caption) / 2 - h / 2;
    sysMenu->ObjectRect = RECT{left, top, left + w, top + h};
    if (captionObject != nullptr) captionObject->ObjectRect.left = left + gap + w;
  } else {
    const RECT& s = r.sysmenubuttonrect;
    const int top = s.top + Height(s) / 2 - h / 2;
    sysMenu->ObjectRect = RECT{s.left, top, s.left + w, top + h};
  }
}

void TskFormLayerBorder::PresentAll() {
  const BYTE alpha = CurrentAlpha();
  for (int side = 0; side < 4; ++side) {
    if (windows_[side] == nullptr || strips_[side] == nullptr) continue;
    windows_[side]->Present(*strips_[side], alpha);
  }
}

void TskFormLayerBorder::PlaceAll(const RECT& outer) {
  const LayerWindowRects places = LayerWindowPlaces(*record_, PictureSize(), outer);
  const RECT rects[4] = {places.left, places.top, places.right, places.bottom};
  for (int side = 0; side < 4; ++side) {
    if (windows_[side] == nullptr) continue;
    const bool show = strips_[side] != nullptr;
    windows_[side]->Place(rects[side].left, rects[side].top, show);
  }
}

void TskFormLayerBorder::ShowLayer() {
  if (record_ == nullptr) return;
  ShowLayer(OuterFor(host_.LayerFormBounds()));
}

void TskFormLayerBorder::ShowLayer(const RECT& outer) {
  if (record_ == nullptr) return;
  outer_ = SIZE{Width(outer), Height(outer)};
  visible_ = true;
  BuildLayerStrips(outer_.cx, outer_.cy);
  for (auto& window : windows_) window.reset();
  const bool clickThrough = IsEmpty(record_->borderrect);
  const bool stayOnTop = host_.LayerStayOnTop();
  for (TskLayerSide side : {lsLeft, lsRight, lsTop, lsBottom})
    windows_[side] = std::make_unique<TskFormLayerWindow>(*this, side, stayOnTop, clickThrough);
  PresentAll();
  PlaceAll(outer);
}

void TskFormLayerBorder::UpdateLayer() {
  if (!visible_ || record_ == nullptr) return;
  UpdateLayer(host_.LayerFormBounds());
}

void TskFormLayerBorder::UpdateLayer(const RECT& form) {
  if (!visible_ || record_ == nullptr) return;
  const RECT outer = OuterFor(form);
  outer_ = SIZE{Width(outer), Height(outer)};
  EnsureLayerStrips(outer_.cx, outer_.cy);
  PresentAll();
  PlaceAll(outer);
}

void TskFormLayerBorder::RepaintLayer() {
  if (!visible_ || record_ == nullptr) return;
  const RECT outer = OuterFor(host_.LayerFormBounds());
  outer_ = SIZE{Width(outer), Height(outer)};
  BuildLayerStrips(outer_.cx, outer_.cy);
  PresentAll();
}

void TskFormLayerBorder::MoveLayer(int formLeft, int formTop) {
  if (!visible_ || record_ == nullptr) return;
  const RECT bounds = host_.LayerFormBounds();
  const RECT form = Offset(bounds, formLeft - bounds.left, formTop - bounds.top);
  const LayerWindowRects places = LayerWindowPlaces(*record_, PictureSize(), OuterFor(form));
  const RECT rects[4] = {places.left, places.top, places.right, places.bottom};
  for (int side = 0; side < 4; ++side) {
    if (windows_[side] == nullptr || strips_[side] == nullptr) continue;
    windows_[side]->Place(rects[side].left, rects[side].top, true);
  }
}

void TskFormLayerBorder::MoveAndShowLayer() {
  ApplyLayerAlpha();
  const RECT form = host_.LayerFormBounds();
  MoveLayer(form.left, form.top);
}

void TskFormLayerBorder::HideLayer() {
  visible_ = false;
  leaveTimer_->SetEnabled(false);
  for (auto& window : windows_) window.reset();
  for (auto& strip : strips_) strip.reset();
  stripsBuiltFor_.reset();
}

void TskFormLayerBorder::ApplyLayerAlpha() {
  if (visible_) PresentAll();
}

void TskFormLayerBorder::ScaleLayerAlpha(int factor, bool apply) {
  if (record_ == nullptr) return;
  alpha_ = ScaleAlpha(record_->alphablendvalue, factor);
  inactiveAlpha_ = ScaleAlpha(record_->inactivealphablendvalue, factor);
  if (apply) ApplyLayerAlpha();
}

void TskFormLayerBorder::ResetHover() {
  FrameObjectList objects = host_.LayerObjects();
  for (const auto& object : objects)
    if (dynamic_cast<TskSkinStdButtonObject*>(object.get()) != nullptr) object->ResetState();
  pressedIndex_ = -1;
  // The hover test itself ignores an inactive form, so the hot object is
  // told here that the mouse has left it.
  if (hotIndex_ != -1 && hotIndex_ < int(objects.size())) objects[hotIndex_]->MouseLeave();
  hotIndex_ = -1;
}

void TskFormLayerBorder::SetLayerActive(bool active, bool move) {
  active_ = active;
  if (!active) ResetHover();
  if (!visible_ || record_ == nullptr) return;
  if (record_->fullborder || record_->InactiveImage != nullptr) UpdateLayer();
  if (move) MoveAndShowLayer();
}

void TskFormLayerBorder::FadeInLayer() {
  if (record_ == nullptr) return;
  const int target = alpha_;
  alpha_ = 0;
  ShowLayer();
  ProcessPendingMessages();
  RampAlpha(target, [this](int alpha) {
    alpha_ = alpha;
    ApplyLayerAlpha();
  });
}

void TskFormLayerBorder::LayerHitTest(int x, int y) {
  FrameObjectList objects = host_.LayerObjects();
  if (objects.empty() || !host_.LayerFormActive() || !host_.LayerHoverAllowed()) return;
  if (record_ != nullptr && !record_->fullborder) return;
  const int previous = hotIndex_;
  int hot = -1;
  for (int i = 0; i < int(objects.size()); ++i) {
    const TskActiveSkinObject& o = *objects[i];
    if (!o.Enabled || !o.Visible || !Contains(o.ObjectRect, POINT{x, y})) continue;
    if (!o.InObject(x - o.ObjectRect.left, y - o.ObjectRect.top)) continue;
    hot = i;
    break;
  }
  if (pressedIndex_ != -1 && hot != pressedIndex_ && hot != -1) hot = -1;
  hotIndex_ = hot;
  if (hot == previous) return;
  if (previous != -1 && previous < int(objects.size())) objects[previous]->MouseLeave();
  if (hot != -1) objects[hot]->MouseEnter();
  RepaintLayer();
}

void TskFormLayerBorder::LeaveTimerTick() {
  TskFormLayerWindow* top = windows_[lsTop].get();
  POINT cursor{};
  GetCursorPos(&cursor);
  if (top != nullptr && WindowFromPoint(cursor) == top->Handle()) return;
  leaveTimer_->SetEnabled(false);
  if (!FullBorder()) return;
  pressedIndex_ = -1;
  LayerHitTest(-1, -1);
}

}  // namespace qb
