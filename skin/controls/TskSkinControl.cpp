#include "skin/controls/TskSkinControl.h"

#include "platform/gdi/Dc.h"
#include "skin/controls/TskImageList.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskSkinData.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

TskSkinControl::TskSkinControl(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque});
}

TskSkinControl::~TskSkinControl() = default;

void TskSkinControl::SetSkinData(TskSkinData* value) {
  if (skinData_ != nullptr && skinData_ != value) skinData_->RemoveFreeNotification(this);
  skinData_ = value;
  if (value == nullptr) return;
  value->FreeNotification(this);
  if (!value->Empty()) ChangeSkinData();
}

void TskSkinControl::SetSkinDataName(const std::u16string& value) { skinDataName_ = value; }

void TskSkinControl::SetHintImageList(TskImageList* value) {
  if (hintImageList_ != nullptr && hintImageList_ != value) hintImageList_->RemoveFreeNotification(this);
  hintImageList_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TskSkinControl::BeforeChangeSkinData() { skinControlIndex_ = -1; }

void TskSkinControl::ChangeSkinData() {
  FetchSkinRecord();
  Invalidate();
}

void TskSkinControl::FetchSkinRecord() {
  if (skinData_ == nullptr || skinData_->Empty()) {
    skinControlIndex_ = -1;
    return;
  }
  skinControlIndex_ = skinData_->FindControlIndex(skinDataName_);
}

const TskDataSkinControl* TskSkinControl::SkinRecord() const {
  if (skinControlIndex_ < 0 || skinData_ == nullptr) return nullptr;
  const auto& records = skinData_->SkinControls();
  if (std::size_t(skinControlIndex_) >= records.size()) return nullptr;
  return records[std::size_t(skinControlIndex_)].get();
}

void TskSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FetchSkinRecord();
  TBitmap picture;
  picture.SetSize(Width(), Height());
  if (Skinned()) {
    DrawSkinLook(picture);
  } else {
    DrawDefaultLook(picture);
  }
  Canvas().Draw(0, 0, picture);
}

void TskSkinControl::PaintToDC(HDC dc) {
  TCanvas& canvas = Canvas();
  canvas.SetHandle(dc);
  Paint();
  canvas.SetHandle(nullptr);
}

void TskSkinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      inPaint_ = true;
      try {
        TCustomControl::WndProc(message);
      } catch (...) {
        inPaint_ = false;
        throw;
      }
      inPaint_ = false;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case SKM_BACKGROUNDCHANGED:
      BackgroundChanged();
      return;
    default:
      TCustomControl::WndProc(message);
  }
}

void TskSkinControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == hintImageList_) hintImageList_ = nullptr;
}

namespace {

// Sets a control's painting-a-copy state for as long as it lives.
class PaintingCopy {
 public:
  explicit PaintingCopy(TControl& control) : control_(control), wasSet_(control.ControlState().Contains(csPaintCopy)) {
    control_.IncludeState(csPaintCopy);
  }
  ~PaintingCopy() {
    if (!wasSet_) control_.ExcludeState(csPaintCopy);
  }
  PaintingCopy(const PaintingCopy&) = delete;
  PaintingCopy& operator=(const PaintingCopy&) = delete;

 private:
  TControl& control_;
  bool wasSet_;
};

// Restores a device context's origins and clipping when it goes.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
  ~SavedDcState() { RestoreDC(dc_, state_); }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int state_;
};

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void DrawParentBackground(TControl* control, TCanvas& canvas) {
  if (control == nullptr || control->Parent() == nullptr) return;
  TWinControl* parent = control->Parent();
  HDC dc = canvas.Handle();
  PaintingCopy parentCopy(*parent);
  {
    SavedDcState saved(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    const RECT client = parent->ClientRect();
    IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (dynamic_cast<TCustomForm*>(parent) == nullptr) {
      // A parent without a form's frame paints its own content over its
      // background; WM_PAINT with a context paints into that context only.
      parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
  }
  const RECT bounds = control->BoundsRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (child == control) break;
    if (dynamic_cast<TWinControl*>(child) != nullptr || !child->Visible()) continue;
    if (!Overlap(child->BoundsRect(), bounds)) continue;
    SavedDcState saved(dc);
    OffsetViewportOrgEx(dc, child->Left() - control->Left(), child->Top() - control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    PaintingCopy childCopy(*child);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

}  // namespace qb
