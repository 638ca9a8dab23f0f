// The caption (type "caption"): the form's caption text over the frame,
// with the record's font, colours, alignment, light, shadow, glow or
// reflection, and an optional frame animation when the window's activation
// changes.
#pragma once

#include "skin/data/GlowTextCache.h"
#include "skin/data/TskDataSkinCaption.h"
#include "skin/frame/TskActiveSkinObject.h"

namespace qb {

class TskSkinCaptionObject : public TskActiveSkinObject {
 public:
  TskSkinCaptionObject(TskSkinForm& owner, const TskDataSkinCaption& record);

  void Draw(TCanvas& canvas, bool update) override;
  void DrawOnLayer(TCanvas& canvas, TskBitmap& surface) override;

  // Takes the form's activation state; starts the animation or the morph
  // when the state changed and `animate` allows it. Returns whether it
  // changed.
  bool SetActive(bool active, bool animate);
  // One animation tick; returns whether the frame changed.
  bool StepAnimation();
  bool CanAnimate() const;
  // The rectangle of animation frame n (1..framecount) in the picture.
  RECT AnimationFrameRect(int n) const;
  int AnimationFrame() const { return animationFrame_; }

  // The text rectangle of Draw, in frame coordinates.
  RECT TextRect() const;
  // Sets `canvas`'s font for the active or inactive caption.
  void SelectFont(TCanvas& canvas, bool active) const;
  // The caption text shortened to `r` and where it goes, measured with
  // the font SelectFont gives `canvas`.
  struct TextPlacement {
    std::u16string text;
    RECT rect{};  // left-top is the text's origin
  };
  TextPlacement PlaceText(TCanvas& canvas, const RECT& r, bool active) const;
  // Draws the caption (shortened to fit) in `r` with the record's effects;
  // `layered` draws glows in both activation states.
  void DrawCaptionText(TCanvas& canvas, const RECT& r, bool active, bool layered) const;

  // The record stays valid for the object's whole life: objects are freed
  // before the skin data loads another skin.
  const TskDataSkinCaption& Record() const { return record_; }

 private:
  void ComposeBackground(const TBitmap& source, const RECT& from, TBitmap& target) const;
  void DrawComposed(TCanvas& canvas, const TBitmap& source, const RECT& from, bool active);

  const TskDataSkinCaption& record_;
  int animationFrame_ = 0;
  int animationTicks_ = 25;
  // Painting is logically const; the cache only saves remaking glows.
  mutable GlowTextCache glowCache_;
};

}  // namespace qb
