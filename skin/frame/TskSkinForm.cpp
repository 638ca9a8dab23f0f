#include "skin/frame/TskSkinForm.h"

#include <algorithm>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/window/InputApi.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/region/RegionHandle.h"
#include "platform/script/ScriptTargets.h"
#include "platform/window/PaintApi.h"
#include "platform/window/SystemMetrics.h"
#include "skin/controls/SkinControlWalk.h"
#include "skin/controls/TskLayerManager.h"
#include "skin/data/MaskRegion.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskDataSkinCaption.h"
#include "skin/data/TskDataSkinMainMenuBarButton.h"
#include "skin/data/TskDataSkinSectionObject.h"
#include "skin/data/TskDataSkinStdButton.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/CaptionButtonRules.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/FrameObjectLayout.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/LayerIcon.h"
#include "skin/frame/NonClientSize.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskClientInActivePanel.h"
#include "skin/frame/TskSkinAnimateObject.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinHint.h"
#include "skin/frame/TskSkinStdButtonObject.h"
#include "skin/frame/TskSystemMenu.h"
#include "skin/frame/TskTrayIcon.h"
#include "skin/frame/TskUserObject.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/component/ComponentErrors.h"

namespace qb {

namespace {

TCustomForm& OwnerForm(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (form == nullptr) throw EInvalidCast("Invalid class typecast");
  return *form;
}

std::unique_ptr<TTimer> MakeTimer(UINT interval, std::function<void()> tick) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->SetOnTimer([tick = std::move(tick)](TObject*) { tick(); });
  return timer;
}

}  // namespace

TskSkinForm::TskSkinForm(TComponent* owner) : TComponent(owner), form_(OwnerForm(owner)) {
  hoverTimer_ = MakeTimer(kHoverInterval, [this] { HoverTimerTick(); });
  morphTimer_ = MakeTimer(kMorphInterval, [this] { MorphTimerTick(); });
  animationTimer_ = MakeTimer(kAnimationInterval, [this] { AnimationTimerTick(); });
  systemMenu_ = std::make_unique<TskSystemMenu>(*this);
  glowLayer_ = std::make_unique<TskLayerManager>(nullptr);
  layer_ = std::make_unique<TskFormLayerBorder>(static_cast<TskFormLayerBorderHost&>(*this));
  for (TFont* font : {&defCaptionFont_, &defInActiveCaptionFont_}) {
    font->SetName(u"Tahoma");
    font->SetHeight(13);
    font->SetStyle(TFontStyles{fsBold});
  }
  defCaptionFont_.SetColor(clBtnText);
  defInActiveCaptionFont_.SetColor(clBtnShadow);

  form_.SetBorderIcons(TBorderIcons{});
  form_.SetAutoSize(false);
  form_.SetAutoScroll(false);
  form_.OnShortCut = [this](TWMKey& key, bool& handled) { HandleShortCut(key, handled); };
  // From Vista on the caption bits of the style stay; the non-client size
  // calculation removes the system frame instead.
  oldWindowProc_ = form_.WindowProc;
  form_.WindowProc = [this](TMessage& message) { WindowProcedure(message); };
  if (form_.HandleAllocated()) form_.RecreateWnd();
}

TskSkinForm::~TskSkinForm() {
  hoverTimer_->SetEnabled(false);
  morphTimer_->SetEnabled(false);
  animationTimer_->SetEnabled(false);
  systemMenu_->Close();
  HideObjectHint();
  glowLayer_->Hide();
  inActivePanel_.reset();
  SetTrayIcon(nullptr);
  if (form_.HandleAllocated()) KillTimer(form_.Handle(), kShowTimerId);
  layer_.reset();
  FreeObjects();
  form_.WindowProc = oldWindowProc_;
  form_.OnShortCut = nullptr;
  if (form_.HandleAllocated()) {
    HWND hwnd = form_.Handle();
    if (frameRegion_ != nullptr) SetWindowRgn(hwnd, nullptr, TRUE);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

TskSkinForm* GetSkinForm(TComponent* form) {
  if (form == nullptr) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* skinForm = dynamic_cast<TskSkinForm*>(form->Components(i))) return skinForm;
  return nullptr;
}

bool TskSkinForm::Designing() const { return ComponentState().Contains(csDesigning); }
bool TskSkinForm::Loading() const { return ComponentState().Contains(csLoading); }

void TskSkinForm::Loaded() {
  TComponent::Loaded();
  if (pendingWindowState_ != frameState_) SetFrameState(pendingWindowState_);
}

void TskSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) {
    FreeObjects();
    skinData_ = nullptr;
    skinned_ = false;
  }
  if (component == menusSkinData_) menusSkinData_ = nullptr;
  if (component == skinHint_) skinHint_ = nullptr;
  if (component == trayIcon_) trayIcon_ = nullptr;
}

// Properties ------------------------------------------------------------

void TskSkinForm::SetSkinData(TskSkinData* data) {
  if (skinData_ != nullptr && skinData_ != data) skinData_->RemoveFreeNotification(this);
  skinData_ = data;
  if (data != nullptr) data->FreeNotification(this);
  if (data != nullptr) skinnable_ = data->SkinnableForm();
  // References are resolved while the form is still loading; a skin that
  // is already loaded is applied then, before the form is first shown.
  if (!Designing()) ApplySkin();
}

void TskSkinForm::SetMenusSkinData(TskSkinData* data) {
  if (menusSkinData_ != nullptr && menusSkinData_ != data) menusSkinData_->RemoveFreeNotification(this);
  menusSkinData_ = data;
  if (data != nullptr) data->FreeNotification(this);
}

void TskSkinForm::SetSkinHint(TskSkinHint* hint) {
  if (skinHint_ != nullptr && skinHint_ != hint) skinHint_->RemoveFreeNotification(this);
  skinHint_ = hint;
  if (hint != nullptr) hint->FreeNotification(this);
}

void TskSkinForm::SetBorderIcons(TskBorderIcons icons) {
  borderIcons_ = icons;
  if (Loading() || Designing()) return;
  UpdateButtonsVisibility();
  RepaintFrame();
}

void TskSkinForm::SetWindowState(TWindowState state) {
  pendingWindowState_ = state;
  if (Loading() || Designing()) return;
  SetFrameState(state);
}

void TskSkinForm::SetShowIcon(bool value) {
  showIcon_ = value;
  if (Loading() || Designing()) return;
  RepaintFrame();
}

void TskSkinForm::SetDefCaptionFont(const TFont& font) {
  defCaptionFont_.Assign(&font);
  if (!skinned_ && !Loading()) SendNcPaint();
}

void TskSkinForm::SetDefInActiveCaptionFont(const TFont& font) {
  defInActiveCaptionFont_.Assign(&font);
  if (!skinned_ && !Loading()) SendNcPaint();
}

void TskSkinForm::SetAlphaBlend(bool value) {
  if (value == alphaBlend_) return;
  alphaBlend_ = value;
  if (Loading() || Designing() || !form_.HandleAllocated()) return;
  HWND hwnd = form_.Handle();
  const LONG exStyle = GetWindowLong(hwnd, GWL_EXSTYLE);
  if (value) {
    if ((exStyle & LONG(WS_EX_LAYERED)) == 0) SetWindowLong(hwnd, GWL_EXSTYLE, exStyle | LONG(WS_EX_LAYERED));
    SetLayeredWindowAttributes(hwnd, 0, alphaBlendValue_, LWA_ALPHA);
  } else {
    SetWindowLong(hwnd, GWL_EXSTYLE, exStyle & ~LONG(WS_EX_LAYERED));
  }
}

void TskSkinForm::SetAlphaBlendValue(BYTE value) {
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && !Loading() && form_.HandleAllocated())
    SetLayeredWindowAttributes(form_.Handle(), 0, value, LWA_ALPHA);
}

// Tests -------------------------------------------------------------------

bool TskSkinForm::IsFormActive() const { return form_.Active(); }

// Layered windows count as supported only while the display blends their
// alpha: without that the frame's soft shadow would show as a solid dark
// band, and the window draws its own skinned frame instead.
bool TskSkinForm::LayeredActive() const {
  return skinData_ != nullptr && !skinData_->Empty() && skinData_->ShowLayeredBorders() &&
         skinData_->LayerFrame().pictureindex != -1 && skinnable_ && form_.BorderStyle() != bsNone &&
         !layeredSuspended_ && PerPixelAlphaShown();
}

bool TskSkinForm::FullBorderActive() const { return LayeredActive() && skinData_->LayerFrame().fullborder; }

bool TskSkinForm::IsResizable() const {
  return AlwaysResize || form_.BorderStyle() == bsSizeable || form_.BorderStyle() == bsSizeToolWin;
}

int TskSkinForm::DefaultCaptionHeight() const {
  const TFormBorderStyle style = form_.BorderStyle();
  return style == bsToolWindow || style == bsSizeToolWin ? kToolDefaultCaptionHeight : kDefaultCaptionHeight;
}

int TskSkinForm::DefaultButtonSize() const {
  const TFormBorderStyle style = form_.BorderStyle();
  return style == bsToolWindow || style == bsSizeToolWin ? kToolDefaultButtonSize : kDefaultButtonSize;
}

FrameSizeLimits TskSkinForm::SizeLimits() const {
  FrameSizeLimits limits;
  limits.MinWidth = MinWidth;
  limits.MinHeight = MinHeight;
  limits.MaxWidth = MaxWidth;
  limits.MaxHeight = MaxHeight;
  limits.Minimized = Minimized();
  limits.RolledUp = rolledUp_;
  limits.DefaultCaptionHeight = DefaultCaptionHeight();
  limits.Skinned = skinned_;
  if (skinned_) {
    const TskSkinFormInfo& info = skinData_->FormInfo();
    limits.PictureWidth = skinData_->MainPicture().Width();
    limits.PictureHeight = skinData_->MainPicture().Height();
    limits.FormMinWidth = info.formminwidth;
    limits.FormMinHeight = info.formminheight;
    limits.ClientRectHeight = Height(info.clientrect);
    limits.FullBorder = FullBorderActive();
  }
  return limits;
}

int TskSkinForm::GetMinWidth() const { return SizeLimits().GetMinWidth(); }
int TskSkinForm::GetMinHeight() const { return SizeLimits().GetMinHeight(); }

namespace {

RECT MaximizeLimit(bool fullScreen) {
  if (fullScreen) return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT work{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

}  // namespace

int TskSkinForm::GetMaxWidth() const { return SizeLimits().GetMaxWidth(MaximizeLimit(MaximizeOnFullScreen)); }
int TskSkinForm::GetMaxHeight() const { return SizeLimits().GetMaxHeight(MaximizeLimit(MaximizeOnFullScreen)); }

SIZE TskSkinForm::GetMaxSize() const {
  const FrameSizeLimits limits = SizeLimits();
  const RECT limit = MaximizeLimit(MaximizeOnFullScreen);
  return SIZE{limits.GetMaxWidth(limit), limits.GetMaxHeight(limit)};
}

SIZE TskSkinForm::WindowSize() const {
  if (!form_.HandleAllocated()) return SIZE{form_.Width(), form_.Height()};
  RECT r{};
  GetWindowRect(form_.Handle(), &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

bool TskSkinForm::IsMainForm() const {
  auto* application = dynamic_cast<TApplication*>(form_.Owner());
  return application != nullptr && application->MainForm() == &form_;
}

bool TskSkinForm::RestoreState(TskStdCommand command) const {
  switch (command) {
    case TskStdCommand::cmMaximize: return Maximized();
    case TskStdCommand::cmMinimize: return Minimized() && !IsMainForm();
    case TskStdCommand::cmRollUp: return rolledUp_;
    default: return false;
  }
}

// Objects -----------------------------------------------------------------

void TskSkinForm::FreeObjects() {
  objectTargets_.clear();
  frameObjects_.clear();
  defaultObjects_ = false;
  hotIndex_ = -1;
  capturedIndex_ = -1;
}

void TskSkinForm::RebuildObjects() {
  FreeObjects();
  for (const auto& record : skinData_->SkinObjects()) {
    std::unique_ptr<TskActiveSkinObject> object;
    // Menu-bar buttons belong to the skinned menu bar, not to the frame.
    if (dynamic_cast<const TskDataSkinMainMenuBarButton*>(record.get()) != nullptr) continue;
    if (auto* stdButton = dynamic_cast<const TskDataSkinStdButton*>(record.get()))
      object = std::make_unique<TskSkinStdButtonObject>(*this, stdButton);
    else if (auto* button = dynamic_cast<const TskDataSkinButton*>(record.get()))
      object = std::make_unique<TskSkinButtonObject>(*this, button);
    else if (auto* caption = dynamic_cast<const TskDataSkinCaption*>(record.get()))
      object = std::make_unique<TskSkinCaptionObject>(*this, *caption);
    else if (auto* section = dynamic_cast<const TskDataSkinSectionObject*>(record.get())) {
      if (section->TypeName == u"animate")
        object = std::make_unique<TskSkinAnimateObject>(*this, *section);
      else if (section->TypeName == u"userobject")
        object = std::make_unique<TskUserObject>(*this, section);
    }
    if (object) frameObjects_.push_back(std::move(object));
  }
  NameObjectsForScripts();
}

void TskSkinForm::NameObjectsForScripts() {
  objectTargets_.clear();
  for (const auto& owned : frameObjects_) {
    const TskActiveSkinObject* object = owned.get();
    if (object->IDName.empty()) continue;
    objectTargets_.push_back(std::make_unique<NamedComponent>(object->IDName, [this, object]() -> std::optional<RECT> {
      // The full-border frame's objects are on screen only with the frame.
      if (!object->Visible || !FormVisible() || (FullBorderActive() && !LayerShown())) return std::nullopt;
      const POINT origin = ObjectScreenOrigin();
      const RECT& r = object->ObjectRect;
      return RECT{origin.x + r.left, origin.y + r.top, origin.x + r.right, origin.y + r.bottom};
    }));
  }
}

void TskSkinForm::EnsureDefaultObjects() {
  if (defaultObjects_ || !frameObjects_.empty()) return;
  const std::pair<const char16_t*, TskStdCommand> buttons[] = {
      {u"closebutton", TskStdCommand::cmClose},       {u"maxbutton", TskStdCommand::cmMaximize},
      {u"minbutton", TskStdCommand::cmMinimize},      {u"rollupbutton", TskStdCommand::cmRollUp},
      {u"sysmenubutton", TskStdCommand::cmSysMenu},   {u"traybutton", TskStdCommand::cmMinimizeToTray}};
  for (const auto& [name, command] : buttons)
    frameObjects_.push_back(std::make_unique<TskSkinStdButtonObject>(*this, name, command));
  defaultObjects_ = true;
  NameObjectsForScripts();
  UpdateButtonsVisibility();
}

TskActiveSkinObject* TskSkinForm::FindObject(std::u16string_view idName) const {
  for (const auto& object : frameObjects_)
    if (object->IDName == idName) return object.get();
  return nullptr;
}

void TskSkinForm::UpdateButtonsVisibility() {
  CaptionButtonSettings settings;
  settings.borderIcons = borderIcons_;
  settings.hideCaptionButtons = HideCaptionButtons;
  settings.disableSystemMenu = DisableSystemMenu;
  settings.hasDialogCloseButton = FindObject(u"dialogclosebutton") != nullptr;
  for (const auto& object : frameObjects_) {
    CaptionButtonFacts facts{TskStdCommand::cmDefault, object->IDName, object->skinrectinapicture};
    if (auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get()))
      facts.command = button->Command;
    else if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(object.get()); animate && animate->HasCommand())
      facts.command = animate->command;
    else
      continue;
    if (facts.command == TskStdCommand::cmDefault && !settings.hideCaptionButtons) {
      bool visible = false;
      if (OnActivateCustomObject) OnActivateCustomObject(object->IDName, visible);
      object->Visible = visible;
      continue;
    }
    if (const std::optional<CaptionButtonLook> look = CaptionButtonState(facts, settings)) {
      object->Enabled = look->enabled;
      object->Visible = look->visible;
    }
  }
  UpdateObjectHints();
}

void TskSkinForm::UpdateObjectHints() {
  if (!UseDefaultObjectHint || skinData_ == nullptr) return;
  const TskResourceStrData* strings = skinData_->ResourceStrData();
  auto text = [strings](const char16_t* key, const char16_t* fallback) {
    if (strings != nullptr) {
      const std::u16string value = strings->GetResStr(key);
      if (!value.empty()) return value;
    }
    return std::u16string(fallback);
  };
  for (const auto& object : frameObjects_) {
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
    if (button == nullptr) continue;
    switch (button->Command) {
      case TskStdCommand::cmClose: button->hint = text(u"CLOSEBUTTON_HINT", u"Close"); break;
      case TskStdCommand::cmMaximize: button->hint = text(u"MAXBUTTON_HINT", u"Maximize"); break;
      case TskStdCommand::cmMinimize: button->hint = text(u"MINBUTTON_HINT", u"Minimize"); break;
      case TskStdCommand::cmSysMenu: button->hint = text(u"MENUBUTTON_HINT", u"System menu"); break;
      case TskStdCommand::cmRollUp: button->hint = text(u"ROLLUPBUTTON_HINT", u"Roll Up"); break;
      case TskStdCommand::cmMinimizeToTray: button->hint = text(u"TRAYBUTTON_HINT", u"Minimize to Tray"); break;
      case TskStdCommand::cmDefault: continue;
    }
    button->restorehint = text(u"RESTORE_HINT", u"Restore");
  }
}

void TskSkinForm::ActivateObjectHint(const TskActiveSkinObject& object) {
  if (!ShowObjectHint || skinHint_ == nullptr) return;
  skinHint_->ActivateHint(object.CurrentHint());
}

void TskSkinForm::HideObjectHint() {
  if (skinHint_ != nullptr) skinHint_->HideHint();
}

POINT TskSkinForm::ObjectScreenOrigin() const {
  if (FullBorderActive() && LayerShown()) {
    if (TskFormLayerWindow* top = layer_->Window(lsTop)) {
      RECT r{};
      GetWindowRect(top->Handle(), &r);
      return POINT{r.left, r.top};
    }
  }
  const RECT bounds = LayerFormBounds();
  return POINT{bounds.left, bounds.top};
}

void TskSkinForm::RemoveInActiveCover() { inActivePanel_.reset(); }

void TskSkinForm::UpdateInActiveCover() {
  const bool visible = form_.HandleAllocated() && IsWindowVisible(form_.Handle());
  if (!ClientInActiveEffect || formActiveFlag_ || !visible) {
    RemoveInActiveCover();
    return;
  }
  if (inActivePanel_ != nullptr) return;
  const RECT client = form_.ClientRect();
  const int width = Width(client);
  const int height = Height(client);
  if (width <= 0 || height <= 0) return;
  TskBitmap snapshot;
  TskBitmap background;
  snapshot.SetSize(width, height);
  background.SetSize(width, height);
  HWND hwnd = form_.Handle();
  HDC dc = GetDC(hwnd);
  BitBlt(snapshot.DC(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, dc);
  if (ClientInActiveEffectType == skieSemiTransparent) PaintClientBackground(background.DC());
  MakeInActiveClientLook(snapshot, background, ClientInActiveEffectType);
  inActivePanel_ = std::make_unique<TskClientInActivePanel>(form_, snapshot);
}

void TskSkinForm::ResetObjectStates() {
  for (const auto& object : frameObjects_)
    if (dynamic_cast<TskSkinCaptionObject*>(object.get()) == nullptr) object->ResetState();
}

// Applying a skin ----------------------------------------------------------

void TskSkinForm::ApplySkin() {
  hotIndex_ = -1;
  capturedIndex_ = -1;
  skinned_ = skinData_ != nullptr && !skinData_->Empty();
  glowLayer_->Hide();
  HideLayer();
  if (skinned_ && skinnable_) {
    RebuildObjects();
    UpdateButtonsVisibility();
    layer_->PrepareLayer(skinData_);
    // The strip keeps per-pixel alpha, which an icon drawn on it must keep.
    iconHasAlpha_ = layer_->FullBorder() && IconHasPartialAlpha(SmallIcon(), SmallIconSize());
  } else {
    layer_->PrepareLayer(nullptr);
    FreeObjects();
    frameWidth_ = WindowSize().cx;
    frameHeight_ = WindowSize().cy;
    UpdateRegion(true);
  }
  if (skinnable_) {
    if (!form_.BorderIcons().Empty()) form_.SetBorderIcons(TBorderIcons{});
  } else {
    TBorderIcons icons;
    if (!HideCaptionButtons) icons.Include(biSystemMenu);
    if (borderIcons_.Contains(TskBorderIcon::biMinimize)) icons.Include(biMinimize);
    if (borderIcons_.Contains(TskBorderIcon::biMaximize)) icons.Include(biMaximize);
    form_.SetBorderIcons(icons);
  }
  if (!Designing()) {
    const int minWidth = GetMinWidth();
    const int minHeight = GetMinHeight();
    if (form_.Width() < minWidth && form_.Height() < minHeight)
      form_.SetBounds(form_.Left(), form_.Top(), minWidth, minHeight);
    else if (form_.Height() < minHeight)
      form_.SetHeight(minHeight);
    else if (form_.Width() < minWidth)
      form_.SetWidth(minWidth);
    else
      ForceRelayout();
    if (rolledUp_ || Minimized()) form_.SetHeight(minHeight);
    if (Minimized()) form_.SetWidth(minWidth);
  }
  frameWidth_ = WindowSize().cx;
  frameHeight_ = WindowSize().cy;
  if (skinned_) UpdateFrame(true);
  if (form_.HandleAllocated()) form_.Invalidate();
  UpdateCaptionActive(true);
  hoverTimer_->SetEnabled(true);
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (LayeredActive() && form_.HandleAllocated() && IsWindowVisible(form_.Handle())) {
    ShowLayerAtForm();
    layer_->UpdateLayer();
  }
  RestoreFrameBounds();
  if (!rolledUp_) {
    if (ClientWidth > 0) form_.SetClientWidth(ClientWidth);
    if (ClientHeight > 0) form_.SetClientHeight(ClientHeight);
  }
}

void TskSkinForm::SaveFrameBounds() {
  const SIZE size = WindowSize();
  if (layer_->FullBorder() && LayerShown()) {
    const FrameMargins& m = layer_->LayerMargins();
    savedFrameBounds_ = SavedBounds{form_.Left() - m.left, form_.Top() - m.top, size.cx + m.left + m.right,
                                    size.cy + m.top + m.bottom, 1};
  } else {
    savedFrameBounds_ = SavedBounds{form_.Left(), form_.Top(), size.cx, size.cy, 0};
  }
}

void TskSkinForm::RestoreFrameBounds() {
  const SavedBounds& b = savedFrameBounds_;
  if (b.kind == 1 && FullBorderActive() && LayerShown()) {
    // The visible frame keeps its place around the new margins.
    const FrameMargins& m = layer_->LayerMargins();
    form_.SetBounds(b.left + m.left, b.top + m.top, b.width - m.left - m.right, b.height - m.top - m.bottom);
  } else if (b.kind == 1) {
    form_.SetBounds(b.left, b.top, b.width, rolledUp_ ? GetMinHeight() : b.height);
  }
  savedFrameBounds_.kind = -1;
}

bool TskSkinForm::LayerShown() const { return layer_ != nullptr && layer_->LayerVisible(); }

void TskSkinForm::RepaintLayer() { layer_->RepaintLayer(); }

void TskSkinForm::HideLayer() {
  if (LayerShown()) layer_->HideLayer();
}

void TskSkinForm::ShowLayerAtForm() {
  layer_->SetLayerActive(formActiveFlag_, false);
  layer_->ShowLayer();
}

HWND TskSkinForm::LayerFormHandle() const { return form_.HandleAllocated() ? form_.Handle() : nullptr; }

RECT TskSkinForm::LayerFormBounds() const {
  const SIZE size = WindowSize();
  if (!form_.HandleAllocated()) return RECT{form_.Left(), form_.Top(), form_.Left() + size.cx, form_.Top() + size.cy};
  RECT r{};
  GetWindowRect(form_.Handle(), &r);
  return r;
}

void TskSkinForm::LayerSetFormBounds(const RECT& bounds) {
  form_.SetBounds(bounds.left, bounds.top, Width(bounds), Height(bounds));
}

bool TskSkinForm::LayerStayOnTop() const { return form_.FormStyle() == fsStayOnTop; }

void TskSkinForm::LayerActivateForm() {
  if (form_.HandleAllocated()) SetForegroundWindow(form_.Handle());
}

bool TskSkinForm::LayerHoverAllowed() const {
  return !inSizeMove_ && !layerDragActive_ && form_.BorderStyle() != bsNone;
}

bool TskSkinForm::LayerResizable() const { return IsResizable() && !rolledUp_ && frameState_ == wsNormal; }

POINT TskSkinForm::LayerSnap(int left, int top, int height, int width) {
  if (!Magnetic) return POINT{left, top};
  POINT cursor{};
  GetCursorPos(&cursor);
  const FrameMargins margins = LayerShown() ? layer_->LayerMargins() : FrameMargins{};
  return snap_.Snap(left, top, height, width, MaximizeLimit(false), margins, cursor, MagneticSize);
}

int TskSkinForm::LayerButtonsOffset() const { return skinned_ ? skinData_->FormInfo().buttonsoffset : 0; }

std::optional<SIZE> TskSkinForm::LayerIconSize() const {
  if (!showIcon_) return std::nullopt;
  return SmallIconSize();
}

void TskSkinForm::OnSkinChange(TMessage& message) {
  auto* sender = reinterpret_cast<TskSkinData*>(message.WParam);
  if (message.Msg == SKM_BEFORECHANGE) {
    if (sender != skinData_ || skinData_ == nullptr) return;
    SaveFrameBounds();
    skinChangeInProgress_ = true;
    skinned_ = false;
    hoverTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
    glowLayer_->Hide();
    HideObjectHint();
    FreeObjects();
    WalkSkinControls(&form_, sender, SKM_BEFORECHANGE);
    if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
    return;
  }
  skinChangeInProgress_ = false;
  if (sender == skinData_ && skinData_ != nullptr) ApplySkin();
  WalkSkinControls(&form_, sender, SKM_CHANGE);
}

void TskSkinForm::Rehook(bool skinnable) {
  const bool wasMaximized = Maximized();
  if (wasMaximized) SetFrameState(wsNormal);
  skinnable_ = skinnable;
  ApplySkin();
  WalkSkinControls(&form_, skinData_, SKM_CHANGE);
  if (form_.HandleAllocated())
    SetWindowPos(form_.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (wasMaximized) SetFrameState(wsMaximized);
}

// Frame updates ------------------------------------------------------------

void TskSkinForm::UpdateFrame(bool relayout) {
  if (Designing() || !skinned_) return;
  if (skinnable_) {
    UpdateGeometry();
    if (relayout) LayoutObjects();
  }
  UpdateRegion(relayout);
  if (frameRegion_ == nullptr && skinnable_ && form_.BorderStyle() != bsNone) SendNcPaint();
  if (skinData_->FormInfo().stretcheffect && form_.HandleAllocated()) {
    form_.Invalidate();
    for (int i = 0; i < form_.ControlCount(); ++i)
      if (auto* child = dynamic_cast<TWinControl*>(form_.Controls(i)); child && child->HandleAllocated())
        SendMessage(child->Handle(), SKM_BACKGROUNDCHANGED, 0, 0);
  }
}

void TskSkinForm::ForceRelayout() {
  // The layered frame ends at the width it started from: it follows once at
  // the end instead of being rebuilt for the passing width and back.
  struct Forcing {
    bool& flag;
    explicit Forcing(bool& f) : flag(f) { flag = true; }
    ~Forcing() { flag = false; }
  };
  {
    const Forcing forcing(forcingRelayout_);
    const int width = form_.Width();
    if (width - 1 < GetMinWidth()) {
      form_.SetWidth(width + 1);
      form_.SetWidth(width);
    } else {
      form_.SetWidth(width - 1);
      form_.SetWidth(width);
    }
  }
  if (LayeredActive() && LayerShown()) layer_->UpdateLayer();
}

void TskSkinForm::SendNcPaint() {
  if (form_.HandleAllocated()) SendMessage(form_.Handle(), WM_NCPAINT, 0, 0);
}

void TskSkinForm::RepaintFrame() {
  if (FullBorderActive() && LayerShown())
    RepaintLayer();
  else
    SendNcPaint();
}

void TskSkinForm::RedrawObject(TskActiveSkinObject& object) {
  if (FullBorderActive() && LayerShown()) {
    RepaintLayer();
    return;
  }
  if (form_.BorderStyle() == bsNone || !form_.HandleAllocated()) return;
  HWND hwnd = form_.Handle();
  HDC dc = GetWindowDC(hwnd);
  if (dc == nullptr) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  object.Draw(canvas, true);
  canvas.SetHandle(nullptr);
  ReleaseDC(hwnd, dc);
}

void TskSkinForm::UpdateCaptionActive(bool animate) {
  const bool active = IsFormActive();
  for (const auto& object : frameObjects_) {
    auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get());
    if (caption != nullptr && caption->ActiveLook != active) {
      caption->SetActive(active, animate);
      break;
    }
  }
  if (active && OnActivate) OnActivate(this);
  if (!active && OnDeActivate) OnDeActivate(this);
}

void TskSkinForm::UpdateHotObject(int x, int y, bool enabled) {
  if (frameObjects_.empty() || !IsFormActive() || inSizeMove_ || layerDragActive_ ||
      form_.BorderStyle() == bsNone || (FullBorderActive() && LayerShown()))
    return;
  const int previous = hotIndex_;
  int found = -1;
  for (std::size_t i = 0; i < frameObjects_.size(); ++i) {
    const TskActiveSkinObject& object = *frameObjects_[i];
    if (!object.Enabled || !object.Visible || !Contains(object.ObjectRect, POINT{x, y})) continue;
    if (!object.InObject(x - object.ObjectRect.left, y - object.ObjectRect.top)) continue;
    found = int(i);
    break;
  }
  int next = enabled ? found : -1;
  if (capturedIndex_ != -1 && next != capturedIndex_) next = -1;
  if (next == previous) return;
  hotIndex_ = next;
  if (previous != -1 && std::size_t(previous) < frameObjects_.size()) frameObjects_[std::size_t(previous)]->MouseLeave();
  if (next != -1) frameObjects_[std::size_t(next)]->MouseEnter();
}

// Timers -------------------------------------------------------------------

void TskSkinForm::StartMorphTimer() { morphTimer_->SetEnabled(true); }
void TskSkinForm::StartAnimationTimer() { animationTimer_->SetEnabled(true); }

void TskSkinForm::MorphTimerTick() {
  bool moved = false;
  for (const auto& object : frameObjects_) {
    if (!object->StepMorph()) continue;
    moved = true;
    RedrawObject(*object);
  }
  if (!moved) morphTimer_->SetEnabled(false);
}

void TskSkinForm::AnimationTimerTick() {
  bool changed = false;
  for (const auto& object : frameObjects_) {
    bool step = false;
    if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get()))
      step = caption->StepAnimation();
    else if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(object.get()))
      step = animate->StepAnimation();
    if (!step) continue;
    changed = true;
    RedrawObject(*object);
  }
  if (!changed) animationTimer_->SetEnabled(false);
}

void TskSkinForm::HoverTimerTick() {
  if (!IsFormActive() || !form_.HandleAllocated()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) != form_.Handle()) {
    hoverTimer_->SetEnabled(false);
    UpdateHotObject(-1, -1, false);
    return;
  }
  if (inSizeMove_ || layerDragActive_) {
    hoverTimer_->SetEnabled(false);
    return;
  }
  const POINT p{cursor.x - form_.Left(), cursor.y - form_.Top()};
  const bool inClient = skinned_ ? Contains(geometry_.NewClientRect, p)
                                 : Contains(RECT{3, DefaultCaptionHeight() + 3, form_.Width() - 3, form_.Height() - 3}, p);
  if (!inClient)
    UpdateHotObject(p.x, p.y, true);
  else if (hotIndex_ != -1)
    UpdateHotObject(-1, -1, true);
}

// Commands -------------------------------------------------------------------

void TskSkinForm::ExecuteCommand(TskStdCommand command) {
  switch (command) {
    case TskStdCommand::cmClose:
      UpdateHotObject(-1, -1, false);
      if (form_.HandleAllocated()) SendMessage(form_.Handle(), WM_CLOSE, 0, 0);
      break;
    case TskStdCommand::cmMaximize:
      UpdateHotObject(-1, -1, false);
      SetFrameState(Maximized() ? wsNormal : wsMaximized);
      break;
    case TskStdCommand::cmMinimize:
      UpdateHotObject(-1, -1, false);
      if (AlwaysMinimizeToTray)
        MinimizeToTray();
      else
        SetFrameState(Minimized() ? wsNormal : wsMinimized);
      break;
    case TskStdCommand::cmRollUp: ToggleRollUp(); break;
    case TskStdCommand::cmMinimizeToTray:
      UpdateHotObject(-1, -1, false);
      MinimizeToTray();
      break;
    case TskStdCommand::cmSysMenu:
    case TskStdCommand::cmDefault: break;
  }
}

void TskSkinForm::HandleShortCut(TWMKey& key, bool& handled) {
  if (OnShortCut) OnShortCut(key, handled);
  if (handled || key.CharCode != VK_SPACE || GetKeyState(VK_MENU) >= 0) return;
  // Alt+Space is the system menu's key even when no button shows it.
  handled = true;
  for (const auto& object : frameObjects_) {
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(object.get());
    if (button != nullptr && button->IsSystemMenuButton() && button->Visible && button->Enabled) {
      ShowSystemMenuBelow(*button);
      return;
    }
  }
}

void TskSkinForm::ShowSystemMenu(int x, int y) { systemMenu_->Popup(x, y); }

void TskSkinForm::ShowSystemMenuBelow(const TskActiveSkinObject& button) {
  auto* pressed = dynamic_cast<const TskSkinButtonObject*>(&button);
  systemMenu_->OnClose = [this, pressed] {
    for (const auto& object : frameObjects_) {
      if (object.get() != pressed) continue;
      auto* b = static_cast<TskSkinButtonObject*>(object.get());
      b->MenuOpen = false;
      b->Down = false;
      b->MouseIn = false;
      b->ActiveLook = false;
      b->MorphFactor = 0;
      RedrawObject(*b);
    }
  };
  if (pressed != nullptr) const_cast<TskSkinButtonObject*>(pressed)->MenuOpen = true;
  const POINT origin = ObjectOrigin();
  ShowSystemMenu(origin.x + button.ObjectRect.left, origin.y + button.ObjectRect.bottom);
}

POINT TskSkinForm::ObjectOrigin() const {
  if (FullBorderActive() && LayerShown()) {
    if (const TskFormLayerWindow* top = layer_->Window(lsTop)) {
      RECT r{};
      GetWindowRect(top->Handle(), &r);
      return POINT{r.left, r.top};
    }
  }
  return POINT{form_.Left(), form_.Top()};
}

void TskSkinForm::LayerCaptionMenu(POINT screen) {
  if (!DisableSystemMenu) ShowSystemMenu(screen.x, screen.y);
}

std::vector<std::u16string> TskSkinForm::SystemMenuCaptions() const {
  std::vector<std::u16string> captions;
  for (const SystemMenuItem& item : systemMenu_->BuildItems()) captions.push_back(item.Caption);
  return captions;
}

// Small icon ------------------------------------------------------------------

SIZE TskSkinForm::SmallIconSize() const {
  int cx = GetSystemMetrics(SM_CXSMICON);
  int cy = GetSystemMetrics(SM_CYSMICON);
  if (cx == 0) cx = GetSystemMetrics(SM_CXSIZE);
  if (cy == 0) cy = GetSystemMetrics(SM_CYSIZE);
  return SIZE{cx, cy};
}

HICON TskSkinForm::SmallIcon() {
  if (!smallIcon_.Empty()) return smallIcon_.Handle();
  const SIZE size = SmallIconSize();
  HICON source = form_.Icon().Handle();
  TIcon fallback;
  if (source == nullptr) {
    auto* application = dynamic_cast<TApplication*>(form_.Owner());
    if (application != nullptr) source = application->Icon().Handle();
  }
  if (source == nullptr) {
    fallback.SetHandle(LoadIcon(nullptr, IDI_APPLICATION));
    source = fallback.Handle();
  }
  smallIcon_.SetHandle(CopyImage(source, IMAGE_ICON, size.cx, size.cy, 0));
  return smallIcon_.Handle();
}

}  // namespace qb
