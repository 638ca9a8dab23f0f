// A skinned control whose picture is a resizable piece of a skin picture:
// fixed corners, stretched or tiled edges and a client rectangle, from a
// TskDataSkinCustomControl record.
//
// Resize modes, from the record's corner points: -1 no picture area (empty
// skinrect), 1 stretchable in both directions (nine pieces), 2 in width only
// (three pieces side by side), 3 in height only (three pieces stacked), 0
// fixed size (copied 1:1). A skinned control keeps the record's size in the
// fixed directions whatever bounds are requested.
//
// Record fields are copied by FetchSkinRecord and named as the record keys.
#pragma once

#include <memory>

#include "skin/controls/TskSkinControl.h"
#include "skin/data/SkinCompose.h"
#include "toolkit/graphics/TFont.h"

namespace qb {

class TskSkinCustomControl : public TskSkinControl {
 public:
  explicit TskSkinCustomControl(TComponent* owner);
  ~TskSkinCustomControl() override;

  // Sizes applied while unskinned (values above 0 only).
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int value);
  // The font of the unskinned look, and of the skinned look without
  // UseSkinFont. Any change runs DefaultFontChanged and repaints an
  // unskinned control.
  TFont& DefaultFont() { return *defaultFont_; }
  void SetDefaultFont(const TFont& font) { defaultFont_->Assign(&font); }
  bool UseSkinFont = true;

  int ResizeMode() const { return resizeMode_; }

  // Moves the record's geometry (the New… points and NewClientRect) to the
  // requested size and replaces the requested size in the record's fixed
  // directions.
  virtual void AdjustSkinSize(int& width, int& height);
  // Shapes the window from the record's mask picture for the current size,
  // or removes the shape when there is no mask or no skin.
  virtual void UpdateSkinRegion();

  void ChangeSkinData() override;
  void SetBounds(int left, int top, int width, int height) override;

  // Copies of the record.
  POINT lefttoppoint{};
  POINT righttoppoint{};
  POINT leftbottompoint{};
  POINT rightbottompoint{};
  RECT skinrect{};
  RECT clientrect{};
  bool stretcheffect = false;
  TskStretchType stretchtype = stFull;
  bool leftstretch = false;
  bool topstretch = false;
  bool rightstretch = false;
  bool bottomstretch = false;

  // The geometry moved to the control's current size; content is laid out
  // in NewClientRect.
  POINT NewLeftTopPoint{};
  POINT NewRightTopPoint{};
  POINT NewLeftBottomPoint{};
  POINT NewRightBottomPoint{};
  RECT NewClientRect{};

 protected:
  void FetchSkinRecord() override;
  void DrawDefaultLook(TBitmap& bitmap) override;
  // Composes `skinRect` of ControlPicture (skinrect or a state rectangle
  // that shares its corner points) into `bitmap` by the resize mode.
  void DrawSkinLook(TBitmap& bitmap) override;
  void ComposeSkinRect(const RECT& skinRect, TBitmap& bitmap);
  void Paint() override;
  virtual void DefaultFontChanged() {}
  // The character set of text: the skin's string resources' when it has
  // them, else DefaultFont's.
  BYTE TextCharset() const;

  // The corner points and client rectangle as the composition wants them.
  PieceCorners RecordCorners() const;
  PieceCorners MovedCorners() const;
  PieceStretching Stretching() const;

  // Pictures of the skin data's ActivePictures; null when the record names
  // none. Valid until the next skin load.
  const TBitmap* ControlPicture = nullptr;
  const TBitmap* ControlMask = nullptr;
  int resizeMode_ = 0;

 private:
  std::unique_ptr<TFont> defaultFont_;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
  // The window owns its shape; this only records that one was given.
  bool hasSkinRegion_ = false;
};

}  // namespace qb
