// The base of the frame objects: pieces of the skinned frame built from the
// skin's object records (caption, caption buttons, user objects), drawn into
// the window's frame or onto the layered frame's top strip, with a hot look
// reached through a morph of five 25 ms steps.
//
// An object copies what it needs of its record when it is built and keeps
// pointers to the skin's pictures; it lives from one ApplySkin to the next
// skin change, exactly as long as those pictures do.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "skin/data/SkinValues.h"
#include "skin/data/TskBitmap.h"
#include "toolkit/controls/ControlMessages.h"
#include "toolkit/graphics/TBitmap.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

class TskSkinForm;
class TskDataSkinObject;

class TskActiveSkinObject {
 public:
  // Without a record the object has no pictures and no looks (the default
  // buttons of the unskinned frame).
  TskActiveSkinObject(TskSkinForm& owner, const TskDataSkinObject* record);
  TskActiveSkinObject(const TskActiveSkinObject&) = delete;
  TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;
  virtual ~TskActiveSkinObject();

  // (x, y) relative to ObjectRect's top-left: true without a loaded skin or
  // mask, else where the mask pixel is black.
  virtual bool InObject(int x, int y) const;
  // The record's glow picture around the object, shown by the owner's glow
  // window: only with a loaded skin, a glow picture and its mask, and the
  // skin data's ShowCaptionButtonGlowFrames.
  virtual void ShowGlow();
  virtual void HideGlow();
  // A morph towards the current look is under way.
  virtual bool MorphPending() const;
  // Paints into a frame device context at ObjectRect. `update`: the object
  // is redrawn alone, so a piece of the frame picture repaints its area.
  virtual void Draw(TCanvas& canvas, bool update);
  // Paints onto the layered frame's top strip; only caption buttons and the
  // caption draw there.
  virtual void DrawOnLayer(TCanvas& canvas, TskBitmap& surface);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, TMouseButton button);
  virtual void MouseUp(int x, int y, TMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // Morphing needs `morphing`, a loaded skin with effects enabled and no
  // full-border layered frame.
  bool CanMorph() const;
  // One morph tick: MorphFactor moves 0.2 towards the current look. Returns
  // whether it moved.
  bool StepMorph();
  // Back to the normal look at once: not hot, not pressed, no morph.
  virtual void ResetState();

  // The text the object's hint shows now.
  virtual const std::u16string& CurrentHint() const { return hint; }

  TskSkinForm& Owner() const { return owner_; }
  bool HasRecord() const { return hasRecord_; }

  std::u16string IDName;
  std::u16string hint;
  bool skinrectinapicture = false;
  RECT skinrect{};
  RECT activeskinrect{};
  RECT inactiveskinrect{};
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
  std::int32_t glowlayerpictureindex = -1;
  std::int32_t glowlayermaskpictureindex = -1;
  std::int32_t glowlayeroffsetx = 0;
  std::int32_t glowlayeroffsety = 0;
  std::int32_t glowlayeralphablendvalue = 255;

  RECT ObjectRect{};
  bool Enabled = true;
  bool Visible = true;
  bool MouseIn = false;
  bool ActiveLook = false;
  double MorphFactor = 0;

 protected:
  // The object's own picture and mask, and the frame picture; null when
  // absent.
  const TBitmap* Picture = nullptr;
  const TBitmap* Mask = nullptr;
  const TBitmap* FramePicture = nullptr;

  bool SkinLoaded() const;
  // Copies `from` of `source` to ObjectRect.
  void DrawRect(TCanvas& canvas, const TBitmap* source, const RECT& from) const;
  // The normal and hot rectangles blended at MorphFactor, drawn at
  // ObjectRect; `normalSource` holds `normal`.
  void DrawMorph(TCanvas& canvas, const TBitmap* normalSource, const RECT& normal, const RECT& hot) const;
  // A hot look with MorphFactor < 1, or a normal one with MorphFactor > 0.
  bool MorphUnderWay() const;
  // What the base Draw does, for subclasses that replace part of it.
  void DrawBaseLook(TCanvas& canvas, bool update);
  // Starts the morph or redraws at once, after a change of the hot look.
  void LookChanged();

 private:
  TskSkinForm& owner_;
  bool hasRecord_;
};

}  // namespace qb
