// The layered frame around a skinned form: four per-pixel-alpha windows (left,
// top, right, bottom) showing the skin's layer frame picture stretched to the
// form's size. It prepares the strips, places and follows the windows, fades
// and dims them with the form's activation, and in full-border mode draws the
// caption and caption buttons on the top strip and runs them, the caption
// drag and resizing through its windows.
//
// The owning frame component calls it on every show, move, size change,
// activation, hide and skin change; it calls back only through its host
// interface. Without a layer frame record every operation does nothing.
// Blur behind the strips needs desktop composition, which this platform does
// not have, so no blur regions are ever built.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/WinTypes.h"
#include "skin/data/TskBitmap.h"
#include "skin/frame/TskFormLayerBorderGeometry.h"
#include "skin/frame/TskFormLayerBorderHost.h"
#include "skin/frame/TskFormLayerWindow.h"
#include "toolkit/app/TTimer.h"

namespace qb {

class TskSkinData;

// round(value × factor / 255) with halves to even.
int ScaleAlpha(int value, int factor);

class TskFormLayerBorder {
 public:
  static constexpr UINT kLeaveInterval = 500;

  explicit TskFormLayerBorder(TskFormLayerBorderHost& host);
  ~TskFormLayerBorder();
  TskFormLayerBorder(const TskFormLayerBorder&) = delete;
  TskFormLayerBorder& operator=(const TskFormLayerBorder&) = delete;

  // Takes the skin's layer frame record (none when the skin is empty or has
  // no layer frame picture) and resets alpha values, margins and hover.
  void PrepareLayer(const TskSkinData* skinData);
  bool HasRecord() const { return record_ != nullptr; }
  const TskDataSkinLayerFrame* Record() const { return record_; }
  bool FullBorder() const { return record_ != nullptr && record_->fullborder; }

  // Builds the strips and creates and shows four new windows around the form,
  // or at the outer rectangle `outer`.
  void ShowLayer();
  void ShowLayer(const RECT& outer);
  // Recomposes at the form's bounds, or at `form` (used while sizing), and
  // places the windows; only while shown.
  void UpdateLayer();
  void UpdateLayer(const RECT& form);
  // Recomposes at the current size without moving.
  void RepaintLayer();
  // Moves the windows to follow a form at (formLeft, formTop) of its current
  // size, without recomposing.
  void MoveLayer(int formLeft, int formTop);
  void HideLayer();

  void ApplyLayerAlpha();
  void ScaleLayerAlpha(int factor, bool apply);
  void SetLayerActive(bool active, bool move);
  // Shows the frame at alpha 0 and raises it to its alpha in steps of
  // 1/15 every 5 ms, busy-waiting.
  void FadeInLayer();
  // Hover on the top strip at (x, y) in its coordinates; (−1, −1) leaves.
  void LayerHitTest(int x, int y);
  // One tick of the leave timer.
  void LeaveTimerTick();

  bool LayerVisible() const { return visible_; }
  bool LayerActive() const { return active_; }
  int LayerAlpha() const { return alpha_; }
  int LayerInactiveAlpha() const { return inactiveAlpha_; }
  const FrameMargins& LayerMargins() const { return margins_; }
  SIZE OuterBounds() const { return outer_; }
  int LayerHotIndex() const { return hotIndex_; }
  int LayerPressedIndex() const { return pressedIndex_; }
  bool LeaveTimerRunning() const { return leaveTimer_->Enabled(); }
  // The windows in the order left, top, right, bottom; null while hidden.
  TskFormLayerWindow* Window(TskLayerSide side) const { return windows_[side].get(); }
  // The premultiplied strips; null while hidden or for an empty strip.
  const TskBitmap* Strip(TskLayerSide side) const { return strips_[side].get(); }

 private:
  friend class TskFormLayerWindow;

  // What the strips' pixels depend on besides the drawing state of the frame
  // objects, which changes only with a repaint.
  struct StripInputs {
    SIZE size;
    bool active, formActive, rolledUp;
    int buttonsOffset, hotIndex, pressedIndex;
    std::optional<SIZE> iconSize;
    std::vector<std::tuple<const TskActiveSkinObject*, bool, bool>> objects;  // object, visible, enabled
    bool operator==(const StripInputs& other) const;
  };

  SIZE PictureSize() const;
  RECT OuterFor(const RECT& form) const;
  BYTE CurrentAlpha() const { return BYTE(active_ ? alpha_ : inactiveAlpha_); }
  StripInputs CurrentStripInputs(int width, int height) const;
  void BuildLayerStrips(int width, int height);
  // Builds the strips unless they were built for the same inputs: the show
  // sequence asks again on every size message and activation before the
  // frame is seen, mostly for the size it already has.
  void EnsureLayerStrips(int width, int height);
  void LayoutLayerObjects(int widthChange);
  void PresentAll();
  void PlaceAll(const RECT& outer);
  void MoveAndShowLayer();
  void ResetHover();

  TskFormLayerBorderHost& host_;
  const TskDataSkinLayerFrame* record_ = nullptr;
  bool visible_ = false;
  bool active_ = true;
  int alpha_ = 255;
  int inactiveAlpha_ = 255;
  FrameMargins margins_;
  SIZE outer_{};
  std::array<std::unique_ptr<TskBitmap>, 4> strips_;
  std::optional<StripInputs> stripsBuiltFor_;
  std::array<std::unique_ptr<TskFormLayerWindow>, 4> windows_;
  int hotIndex_ = -1;
  int pressedIndex_ = -1;
  std::unique_ptr<TTimer> leaveTimer_;
};

}  // namespace qb
