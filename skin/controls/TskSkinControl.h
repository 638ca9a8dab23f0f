// The base of every windowed control that draws itself from a control record
// of a TskSkinData.
//
// The control finds its record by name (SkinDataName) at every paint,
// bounds change and skin change; it keeps only the record's index, never a
// reference across a skin load. While no record is found (no skin data, an
// empty one, an unknown name) the control is unskinned and paints its own
// plain look.
//
// Painting builds the whole picture in an off-screen bitmap and copies it to
// the window in one operation; the background is never erased separately.
//
// Skin changes reach controls through the form's frame component, which
// walks the form's controls (see SkinControlWalk.h) and calls
// BeforeChangeSkinData on SKM_BEFORECHANGE and ChangeSkinData on SKM_CHANGE.
#pragma once

#include <string>

#include "toolkit/controls/TCustomControl.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskSkinData;
class TskDataSkinControl;
class TskImageList;

class TskSkinControl : public TCustomControl {
 public:
  explicit TskSkinControl(TComponent* owner);
  ~TskSkinControl() override;

  TskSkinData* SkinData() const { return skinData_; }
  // Stores the reference; when its skin is loaded the skin is applied at
  // once (ChangeSkinData), otherwise the control waits for the skin-change
  // walk.
  virtual void SetSkinData(TskSkinData* value);
  const std::u16string& SkinDataName() const { return skinDataName_; }
  // Stores the name only; the picture follows at the next paint, size and
  // region at the next ChangeSkinData or bounds change.
  virtual void SetSkinDataName(const std::u16string& value);

  // Index of the record in the skin data's SkinControls; -1 while unskinned.
  int SkinControlIndex() const { return skinControlIndex_; }
  bool Skinned() const { return skinControlIndex_ != -1; }
  // True while the control handles a paint request of the windowing system.
  bool InPaint() const { return inPaint_; }

  // Kept for a skinned hint window; nothing here reads them.
  std::u16string HintTitle;
  int HintImageIndex = 0;
  TskImageList* HintImageList() const { return hintImageList_; }
  void SetHintImageList(TskImageList* value);

  // The skin-change protocol. BeforeChangeSkinData drops everything bound
  // to the old skin (the control is unskinned until ChangeSkinData);
  // ChangeSkinData fetches the record again and repaints.
  virtual void BeforeChangeSkinData();
  virtual void ChangeSkinData();
  // What lies behind the control changed (SKM_BACKGROUNDCHANGED).
  virtual void BackgroundChanged() {}

 protected:
  // Looks SkinControlIndex up again by name.
  virtual void FetchSkinRecord();
  // The record at SkinControlIndex, or null while unskinned. Valid until the
  // next skin load.
  const TskDataSkinControl* SkinRecord() const;
  // Both receive an off-screen bitmap already sized to the control.
  virtual void DrawDefaultLook(TBitmap&) {}
  virtual void DrawSkinLook(TBitmap&) {}

  // One off-screen bitmap per paint, copied whole onto the canvas.
  void Paint() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

  // Paints the whole look into `dc` (an erase request from outside the
  // control's own paint).
  void PaintToDC(HDC dc);

 private:
  bool inPaint_ = false;
  TskSkinData* skinData_ = nullptr;
  std::u16string skinDataName_;
  TskImageList* hintImageList_ = nullptr;
  int skinControlIndex_ = -1;
};

// Paints into `canvas`, whose origin is the control's top-left corner, what
// the control's parent shows behind it: the parent's background (and, for a
// parent that is not a form, its own content), then the parent's visible
// children without a window that lie below the control and overlap it.
// Windowed siblings are not painted.
void DrawParentBackground(TControl* control, TCanvas& canvas);

}  // namespace qb
