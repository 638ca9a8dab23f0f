// The skinned push button: pictures for the normal, active (hover, focus,
// default highlight), pressed, focused and disabled states from a button
// record, a 20 ms cross-fade between the normal and the active picture, an
// optional frame animation on entering and leaving, a glow frame around it,
// and the behaviour of a dialog button.
//
// Clicks come only from ClickButton: a release inside after a press inside,
// Space released, Enter on the focused or the default button, Escape on the
// cancel button, the caption's accelerator, auto-repeat ticks, and the
// toggle and group rules. The toolkit's own click on release is not used,
// so a release never clicks twice. A hidden or disabled button (or one on a
// hidden or disabled parent) never clicks.
//
// Default button: while the focus is on a control that is not a skinned
// button, the Default button answers Enter and shows the active picture
// (without fading in); with the focus on a skinned button, that button
// answers Enter.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/ButtonLayout.h"
#include "skin/controls/TskLayerManager.h"
#include "skin/controls/TskSkinCustomControl.h"
#include "toolkit/app/TTimer.h"

namespace qb {

class TskImageList;

// The paint hook: draws into `cnvs` over the button's background; setting
// drawDefault to false leaves out the caption and glyph.
using TskButtonPaintEvent = std::function<void(TObject* sender, TCanvas& cnvs, const RECT& r, bool aDown,
                                               bool aMouseIn, bool& drawDefault)>;

class TskSkinButton : public TskSkinCustomControl {
 public:
  static constexpr UINT kMorphInterval = 20;
  static constexpr UINT kRepeatDelay = 500;

  explicit TskSkinButton(TComponent* owner);
  ~TskSkinButton() override;

  // Normal state shows the parent's background instead of the picture.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Toggle button: each press flips Down.
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool value);
  TskImageList* ImageList() const { return imageList_; }
  void SetImageList(TskImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // False: the picture is stretched to any size (the record's mask unused).
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value);
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Buttons of one parent with the same positive index form a group.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  TBitmap& Glyph() { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  TskNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TskNumGlyphs value);
  // -1 centres glyph and caption as a block; values below -1 are refused.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TskButtonLayout Layout() const { return layout_; }
  void SetLayout(TskButtonLayout value);
  bool Default() const { return default_; }
  void SetDefault(bool value);

  bool AlwaysShowLayeredFrame = false;
  bool UseSkinFontColor = true;
  bool RepeatMode = false;
  // Milliseconds between repeated clicks after the first delay.
  int RepeatInterval = 100;
  bool AllowAllUp = false;
  bool Cancel = false;
  // Stored into the parent form at each click.
  int ModalResult = 0;
  TskButtonPaintEvent OnPaint;

  // Stores ModalResult into the form, then raises OnClick.
  virtual void ClickButton();

  // The glow frame for the current record, size and position.
  void ShowGlowFrame();
  void HideGlowFrame();
  TskLayerManager& GlowLayer() { return *glowLayer_; }

  bool MouseIn() const { return mouseIn_; }
  bool MousePressed() const { return mousePressed_; }
  bool DefaultActive() const { return defaultActive_; }
  // 0 = normal picture, 1 = active picture.
  double MorphFactor() const { return morphFactor_; }
  bool Morphing() const { return morphTimer_ != nullptr; }
  int AnimationFrame() const { return animationFrame_; }
  bool Repeating() const { return repeatTimer_ != nullptr; }

  void BeforeChangeSkinData() override;
  void ChangeSkinData() override;
  void BackgroundChanged() override;
  void AdjustSkinSize(int& width, int& height) override;

  // Copies of the button record.
  std::u16string fontname;
  int fontheight = 0;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor disabledfontcolor = 0;
  RECT activeskinrect{};
  RECT downskinrect{};
  RECT disabledskinrect{};
  RECT focusedskinrect{};
  bool morphing = false;
  int morphkind = 0;
  RECT animateskinrect{};
  int framecount = 0;
  int animateinterval = 25;
  bool showfocus = false;
  int glowlayerpictureindex = -1;
  int glowlayermaskpictureindex = -1;
  int glowlayeroffsetleft = 0;
  int glowlayeroffsetright = 0;
  int glowlayeroffsettop = 0;
  int glowlayeroffsetbottom = 0;
  int glowlayershowoffsetx = 0;
  int glowlayershowoffsety = 0;
  int glowlayeralphablendvalue = 255;

 protected:
  void FetchSkinRecord() override;
  void DrawDefaultLook(TBitmap& bitmap) override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  void CreateWnd() override;
  void EnabledChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

  // The picture of `rect` with its text for the given state into `bitmap`.
  virtual void DrawButtonLook(TBitmap& bitmap, const RECT& rect, bool aMouseIn, bool aDown);

 private:
  bool SkinEffectsActive() const;
  bool MorphingActive() const;
  bool FocusedAndFocusable();
  bool DownLook();
  bool Animating() const;

  void HandleEnter();
  void HandleLeave();
  void HandleFocusChanged(TWinControl* sender);
  bool HandleDialogKey(WORD key);
  bool HandleDialogChar(WCHAR character);
  void HandleKey(UINT message, WORD key);
  void RefreshLook();

  void DrawStretchedButtonLook(TBitmap& bitmap, const RECT& rect, bool aMouseIn, bool aDown);
  void PrepareFont(TCanvas& canvas, bool aMouseIn, bool aDown);
  void DrawContent(TCanvas& canvas, const RECT& area, bool aMouseIn, bool aDown);
  RECT AnimationFrameRect(int frame) const;

  void StartMorph();
  void StopMorph();
  void MorphTick();
  void StartAnimation(bool forward);
  void StopAnimation();
  void AnimationTick();
  void StartRepeat();
  void StopRepeat();
  void RepeatTick();
  std::unique_ptr<TTimer> MakeTimer(UINT interval, void (TskSkinButton::*tick)());

  bool transparent_ = false;
  bool checkedMode_ = false;
  TskImageList* imageList_ = nullptr;
  int imageIndex_ = -1;
  bool useSkinSize_ = true;
  bool canFocused_ = true;
  bool down_ = false;
  int groupIndex_ = 0;
  TBitmap glyph_;
  TskNumGlyphs numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TskButtonLayout layout_ = blGlyphLeft;
  bool default_ = false;

  bool mouseIn_ = false;
  bool mousePressed_ = false;
  bool defaultActive_ = false;
  bool clickedOnPress_ = false;
  bool wasDownAtPress_ = false;
  bool focusingByClick_ = false;
  bool handlesKeys_ = true;
  double morphFactor_ = 0.0;
  std::unique_ptr<TTimer> morphTimer_;
  std::unique_ptr<TTimer> animationTimer_;
  int animationFrame_ = 0;
  bool animationForward_ = false;
  std::unique_ptr<TTimer> repeatTimer_;
  bool repeatStarted_ = false;
  std::unique_ptr<TskLayerManager> glowLayer_;
};

}  // namespace qb
