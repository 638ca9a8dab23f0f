// The frame component: a non-visual component on a form that takes over the
// form's window procedure and from then on owns everything outside the
// client area — frame, caption, caption buttons and window shape — drawn
// from the skin of its TskSkinData.
//
// Life cycle. The constructor hooks the form's WindowProc (the form's window
// is recreated when it exists) and the destructor puts the previous one
// back. Without a loaded skin the frame is the unskinned default frame (a
// 3-pixel border and a caption of DefaultCaptionHeight). ApplySkin builds
// the frame objects from the skin's object records; SKM_BEFORECHANGE drops
// them and SKM_CHANGE applies the new skin, and both walk the form's skinned
// controls.
//
// The frame's logic (geometry, hit testing, object layout and state) lives in
// FrameGeometry.h, FrameHitTest.h, NonClientSize.h, FrameObjectLayout.h and
// the frame objects; this class ties it to the form's window.
//
// The scripted user can point at the frame objects by their IDName
// ("mouse click closebutton") while they are visible on screen.
//
// The layered frame around the window (TskFormLayerBorder) is owned here and
// follows every show, move, size change, activation and hide; it reaches the
// component only through its host interface, implemented privately below.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/region/RegionHandle.h"
#include "skin/data/SkinCompose.h"
#include "skin/data/SkinValues.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameSizeLimits.h"
#include "skin/frame/FrameTypes.h"
#include "skin/frame/MagneticSnap.h"
#include "skin/frame/TskFormLayerBorderHost.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/component/TComponent.h"
#include "toolkit/forms/TCustomForm.h"
#include "toolkit/graphics/TBitmap.h"
#include "toolkit/graphics/TFont.h"
#include "toolkit/graphics/TIcon.h"

namespace qb {

class TskSkinData;
class TskActiveSkinObject;
class TskSkinStdButtonObject;
class TskSkinCaptionObject;
class TskSystemMenu;
class TskFormLayerBorder;
class TskSkinHint;
class TskLayerManager;
class TskClientInActivePanel;
class TskTrayIcon;
class NamedComponent;

// Results of the frame queries other windows send.
constexpr UINT SKM_CLOSEMENUS = 1228;
constexpr UINT SKM_TRAYRESTORE = 1426;
constexpr UINT SKM_QUERYSKINNEDFRAME = 45490;
constexpr UINT SKM_SUSPENDLAYERED = 45491;
constexpr UINT SKM_RESUMELAYERED = 45492;
constexpr UINT SKM_PAINTFRAME = 45513;
constexpr UINT SKM_PAINTFRAMEEX = 48203;
constexpr LPARAM SKM_PAINTFRAMEEX_LPARAM = 16802;
constexpr LRESULT SKM_PAINTFRAME_RESULT = 12851;
constexpr LRESULT SKM_SKINNEDFRAME_RESULT = 12853;
constexpr LRESULT SKM_UNSKINNEDFRAME_RESULT = 12852;
// The tray icon marks the SKM_TRAYRESTORE it posts after bringing the main
// form back with this long parameter.
constexpr LPARAM kTrayRestoreMark = -10000;
// The one-shot timer of the show sequence on the form's window.
constexpr UINT_PTR kShowTimerId = 1;

class TskSkinForm : public TComponent, private TskFormLayerBorderHost {
  enum class ShowMode { kNone, kQuick, kFade };

 public:
  // `owner` must be a form; anything else fails with EInvalidCast.
  explicit TskSkinForm(TComponent* owner);
  ~TskSkinForm() override;

  // Published properties.
  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* data);
  TskSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TskSkinData* data);
  TskBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TskBorderIcons icons);
  TWindowState WindowState() const { return frameState_; }
  void SetWindowState(TWindowState state);
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool value);
  TFont& DefCaptionFont() { return defCaptionFont_; }
  void SetDefCaptionFont(const TFont& font);
  TFont& DefInActiveCaptionFont() { return defInActiveCaptionFont_; }
  void SetDefInActiveCaptionFont(const TFont& font);
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  BYTE AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(BYTE value);
  TskTrayIcon* TrayIcon() const { return trayIcon_; }
  void SetTrayIcon(TskTrayIcon* icon);

  bool UseSkinFontInCaption = true;
  bool AlphaBlendAnimation = false;
  bool Magnetic = false;
  BYTE MagneticSize = 5;
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  TskPositionInMonitor PositionInMonitor = skpDefault;
  bool AlwaysResize = false;
  bool MaximizeOnFullScreen = false;
  bool HideCaptionButtons = false;
  bool DisableSystemMenu = false;
  bool UseDefaultSysMenu = true;
  bool AlwaysMinimizeToTray = false;
  bool AlwaysShowInTray = false;
  bool ClientInActiveEffect = false;
  TskClientInActiveEffect ClientInActiveEffectType = skieSemiTransparent;
  bool UseFormCursorInNCArea = false;
  TBitmap LogoBitMap;
  bool LogoBitMapTransparent = false;
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  TskSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TskSkinHint* hint);

  // Events.
  TNotifyEvent OnChangeSkinData;
  TNotifyEvent OnBeforeChangeSkinData;
  TNotifyEvent OnAfterChangeSkinData;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnMaximize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnChangeRollUpState;
  TNotifyEvent OnMinimizeToTray;
  TNotifyEvent OnRestoreFromTray;
  TskCaptionPaintEvent OnCaptionPaint;
  TskPaintEvent OnPaintEvent;
  TskObjectEvent OnMouseEnterEvent;
  TskObjectEvent OnMouseLeaveEvent;
  TskMouseObjectEvent OnMouseDownEvent;
  TskMouseObjectEvent OnMouseUpEvent;
  TskMouseMoveObjectEvent OnMouseMoveEvent;
  TskActivateCustomObjectEvent OnActivateCustomObject;
  TShortCutEvent OnShortCut;

  // Operations.
  TCustomForm& Form() const { return form_; }
  void ApplySkin();
  void UpdateFrame(bool relayout);
  void ForceRelayout();
  void RepaintFrame();
  void RedrawObject(TskActiveSkinObject& object);
  void UpdateCaptionActive(bool animate);
  void UpdateHotObject(int x, int y, bool enabled);
  void SaveFrameBounds();
  void RestoreFrameBounds();
  void ShowSystemMenu(int x, int y);
  void MinimizeToTray();
  void RestoreFromTray();
  void SetFrameState(TWindowState state);
  // Rolls the form up to its caption (true) or back down (false).
  void SetRollUp(bool rollUp);
  void ToggleRollUp() { SetRollUp(!rolledUp_); }
  // Runs a caption button's command.
  void ExecuteCommand(TskStdCommand command);
  // Pops the system menu up below `button` (screen coordinates).
  void ShowSystemMenuBelow(const TskActiveSkinObject& button);

  // Tests.
  bool Skinnable() const { return skinnable_; }
  bool Skinned() const { return skinned_; }
  bool SkinChangeInProgress() const { return skinChangeInProgress_; }
  bool IsFormActive() const;
  bool FormActiveFlag() const { return formActiveFlag_; }
  bool LayeredActive() const;
  bool FullBorderActive() const;
  bool IsResizable() const;
  bool RolledUp() const { return rolledUp_; }
  // The bounds a maximized or minimized form returns to; empty when none.
  const RECT& NormalBounds() const { return normalBounds_; }
  bool FirstShowPending() const { return firstShowPending_; }
  // The form was shown and waits for the show timer that makes it and its
  // layered frame visible together, or that fades it in.
  bool ShowPending() const { return showMode_ != ShowMode::kNone; }
  int DefaultCaptionHeight() const;
  int DefaultButtonSize() const;
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  // Both at once: the work area behind them is a round trip to a display.
  SIZE GetMaxSize() const;
  // The caption button's command names a state the window is in now
  // (maximized, minimized, rolled up), so it shows its restore look.
  bool RestoreState(TskStdCommand command) const;

  // Geometry and hit testing.
  const FrameGeometry& Geometry() const { return geometry_; }
  void UpdateGeometry();
  void LayoutObjects();
  LRESULT HitTest(POINT p) const;
  LRESULT DefaultHitTest(POINT p) const;
  // The client rectangle for a proposed window rectangle (WM_NCCALCSIZE).
  RECT ClientRectFor(const RECT& window);
  void UpdateRegion(bool recompute);
  // WM_ERASEBKGND: the client background into `dc`.
  void PaintClientBackground(HDC dc);

  // Painting.
  void PaintFrame(HDC dc = nullptr);
  void PaintDefaultFrame(HDC dc = nullptr);

  // Frame objects, in skin order; HotIndex and CapturedIndex index them.
  const std::vector<std::unique_ptr<TskActiveSkinObject>>& FrameObjects() const { return frameObjects_; }
  TskActiveSkinObject* FindObject(std::u16string_view idName) const;
  int HotIndex() const { return hotIndex_; }
  int CapturedIndex() const { return capturedIndex_; }
  int FrameWidth() const { return frameWidth_; }
  int FrameHeight() const { return frameHeight_; }
  // The form's window region, null without shape.
  bool HasFrameRegion() const { return frameRegion_ != nullptr; }

  // The system-menu button's icon, made on first use.
  HICON SmallIcon();
  SIZE SmallIconSize() const;
  bool IconHasAlpha() const { return iconHasAlpha_; }

  // One step of each frame timer, for the timers and for tests.
  void HoverTimerTick();
  void MorphTimerTick();
  void AnimationTimerTick();
  void StartMorphTimer();
  void StartAnimationTimer();
  bool MorphTimerRunning() const { return morphTimer_->Enabled(); }
  bool AnimationTimerRunning() const { return animationTimer_->Enabled(); }

  TskSystemMenu& SystemMenu() const { return *systemMenu_; }
  // Shows the object's current hint near the pointer when ShowObjectHint
  // and a SkinHint are set; hides it.
  void ActivateObjectHint(const TskActiveSkinObject& object);
  void HideObjectHint();
  // The glow window of the frame objects, and the screen point their
  // ObjectRect counts from: the layered top strip while the full-border
  // frame is shown, else the form's window.
  TskLayerManager& GlowLayer() const { return *glowLayer_; }
  POINT ObjectScreenOrigin() const;
  // The cover over the client area while the form is inactive, or null.
  TskClientInActivePanel* InActivePanel() const { return inActivePanel_.get(); }
  TskFormLayerBorder& LayerBorder() const { return *layer_; }
  // The standard system-menu items as they are now (captions in order).
  std::vector<std::u16string> SystemMenuCaptions() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  bool LayerShown() const;
  bool FormVisible() const;
  void OnShowWindow(TMessage& message);
  void OnShowTimer();
  void CancelShow();
  void OnSysCommandRestore(TMessage& message);
  void OnTrayRestore(const TMessage& message);
  void OnResumeLayered();
  void ApplyFirstShowPosition();
  void CenterForm(SIZE size);
  void Minimize();
  void Maximize();
  void Restore();
  void MinimizeApplication();
  void SetFormOpacity(BYTE alpha);
  void SetFormLayered(bool layered);
  // The screen point that frame object rectangles are relative to: the top
  // layer window's corner while the full-border frame carries the caption
  // objects, else the form's corner.
  POINT ObjectOrigin() const;
  void RepaintLayer();
  void HideLayer();
  void ShowLayerAtForm();
  FrameSizeLimits SizeLimits() const;

  // TskFormLayerBorderHost.
  HWND LayerFormHandle() const override;
  RECT LayerFormBounds() const override;
  void LayerSetFormBounds(const RECT& bounds) override;
  bool LayerStayOnTop() const override;
  bool LayerFormActive() const override { return formActiveFlag_; }
  void LayerActivateForm() override;
  bool LayerHoverAllowed() const override;
  void SetLayerDragActive(bool active) override { layerDragActive_ = active; }
  bool LayerResizable() const override;
  // A minimized form other than the main form keeps only its caption, as a
  // rolled-up one does.
  bool LayerRolledUp() const override { return rolledUp_ || (Minimized() && !IsMainForm()); }
  bool LayerMaximized() const override { return Maximized(); }
  POINT LayerSnap(int left, int top, int height, int width) override;
  SIZE LayerMinSize() const override { return SIZE{GetMinWidth(), GetMinHeight()}; }
  SIZE LayerMaxSize() const override { return GetMaxSize(); }
  FrameObjectList LayerObjects() const override { return frameObjects_; }
  int LayerButtonsOffset() const override;
  std::optional<SIZE> LayerIconSize() const override;
  void LayerCloseForm() override { ExecuteCommand(TskStdCommand::cmClose); }
  void LayerCaptionMenu(POINT screen) override;
  void LayerCaptionDoubleClick() override { CaptionDoubleClick(); }

  void WindowProcedure(TMessage& message);
  bool PreHandle(TMessage& message);
  void PostHandle(const TMessage& message, LRESULT hit);
  void CloseMenus();
  void CaptionDoubleClick();
  void HandleShortCut(TWMKey& key, bool& handled);
  void OnSize(TMessage& message);
  // Carries the layered frame along with a move of the form.
  void FollowPosition(const WINDOWPOS& pos);
  void OnNcActivate(TMessage& message);
  void OnSkinChange(TMessage& message);
  void ResetObjectStates();
  // Lays the inactive cover over the client area or removes it.
  void UpdateInActiveCover();
  void RemoveInActiveCover();
  void RebuildObjects();
  // Makes the frame objects targets of the scripted user.
  void NameObjectsForScripts();
  void UpdateButtonsVisibility();
  void UpdateObjectHints();
  void FreeObjects();
  void Rehook(bool skinnable);
  void SendNcPaint();
  POINT ToWindow(LPARAM screenPoint) const;
  std::vector<RECT> CaptionAreas() const;
  void EnsureDefaultObjects();
  bool Designing() const;
  bool Loading() const;
  bool IsMainForm() const;
  // The window's size as it is now; the form's own bounds catch up only
  // after a size change has been handled.
  SIZE WindowSize() const;
  bool Minimized() const { return frameState_ == wsMinimized; }
  bool Maximized() const { return frameState_ == wsMaximized; }
  void SetShape(HRGN region);

  TCustomForm& form_;
  TWndMethod oldWindowProc_;
  TskSkinData* skinData_ = nullptr;
  TskSkinData* menusSkinData_ = nullptr;
  TskBorderIcons borderIcons_{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                              TskBorderIcon::biRollUp};
  bool showIcon_ = false;
  TFont defCaptionFont_;
  TFont defInActiveCaptionFont_;
  bool alphaBlend_ = false;
  BYTE alphaBlendValue_ = 200;

  bool skinnable_ = true;
  bool skinned_ = false;
  bool skinChangeInProgress_ = false;
  bool defaultObjects_ = false;
  std::vector<std::unique_ptr<TskActiveSkinObject>> frameObjects_;
  std::vector<std::unique_ptr<NamedComponent>> objectTargets_;
  int hotIndex_ = -1;
  int capturedIndex_ = -1;
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  FrameGeometry geometry_;
  // The caption area of the unskinned frame, from its last layout.
  RECT defaultCaptionArea_{};
  std::unique_ptr<FrameStrips> maskStrips_;
  // The region last given to the window; the window owns it from then on,
  // this only records that a shape is set.
  HRGN frameRegion_ = nullptr;
  TWindowState frameState_ = wsNormal;
  // The streamed WindowState, applied at the end of loading.
  TWindowState pendingWindowState_ = wsNormal;
  bool rolledUp_ = false;
  bool rolledUpWhileMaximized_ = false;
  bool rolledUpAtMaximize_ = false;
  int heightBeforeRollUp_ = 0;
  RECT normalBounds_{};
  struct SavedBounds {
    int left = 0, top = 0, width = 0, height = 0;
    int kind = -1;
  } savedFrameBounds_;
  bool firstShowPending_ = true;
  bool inSizeMove_ = false;
  bool sizedInLoop_ = false;
  bool forcingRelayout_ = false;
  bool fullWindowDrag_ = false;
  bool layerDragActive_ = false;
  bool formActiveFlag_ = false;
  bool layeredSuspended_ = false;
  // How the current show makes form and frame visible on the show timer.
  ShowMode showMode_ = ShowMode::kNone;
  TskTrayIcon* trayIcon_ = nullptr;
  TIcon smallIcon_;
  bool iconHasAlpha_ = false;
  std::unique_ptr<TTimer> hoverTimer_;
  std::unique_ptr<TTimer> morphTimer_;
  std::unique_ptr<TTimer> animationTimer_;
  std::unique_ptr<TskSystemMenu> systemMenu_;
  TskSkinHint* skinHint_ = nullptr;
  std::unique_ptr<TskLayerManager> glowLayer_;
  std::unique_ptr<TskClientInActivePanel> inActivePanel_;
  std::unique_ptr<TskFormLayerBorder> layer_;
  MagneticSnap snap_;
};

// The first component owned by `form` that is a TskSkinForm, or null.
TskSkinForm* GetSkinForm(TComponent* form);

}  // namespace qb
