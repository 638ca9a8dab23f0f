// What the layered frame needs of the frame component that owns it. The
// frame component implements this; the layered frame never reaches into the
// form or the component any other way.
#pragma once

#include <optional>

#include "platform/WinTypes.h"
#include "skin/frame/FrameObjectLayout.h"

namespace qb {

class TskFormLayerBorderHost {
 public:
  virtual ~TskFormLayerBorderHost() = default;

  // The form's window and its bounds on the screen.
  virtual HWND LayerFormHandle() const = 0;
  virtual RECT LayerFormBounds() const = 0;
  // Moves and sizes the form (a drag or resize through the layered frame).
  virtual void LayerSetFormBounds(const RECT& bounds) = 0;
  // The form stays on top of other windows, and so does its frame.
  virtual bool LayerStayOnTop() const = 0;

  // The activation flag of the last non-client activation.
  virtual bool LayerFormActive() const = 0;
  // Brings the form forward and activates it (a click on the inactive frame).
  virtual void LayerActivateForm() = 0;
  // Hover tracking is allowed: no system move/size loop, no drag through the
  // layered frame, the form has a frame at all.
  virtual bool LayerHoverAllowed() const = 0;
  virtual void SetLayerDragActive(bool active) = 0;

  // The frame may be resized: resizable, not rolled up, in the normal state.
  virtual bool LayerResizable() const = 0;
  virtual bool LayerRolledUp() const = 0;
  virtual bool LayerMaximized() const = 0;
  // The form's position after magnetic snapping (unchanged without it).
  virtual POINT LayerSnap(int left, int top, int height, int width) = 0;
  virtual SIZE LayerMinSize() const = 0;
  virtual SIZE LayerMaxSize() const = 0;

  // The frame objects, in skin order.
  virtual FrameObjectList LayerObjects() const = 0;
  // The form record's gap between caption buttons.
  virtual int LayerButtonsOffset() const = 0;
  // The small-icon size when the system-menu button shows the form's icon.
  virtual std::optional<SIZE> LayerIconSize() const = 0;
  // A double click on the system-menu button.
  virtual void LayerCloseForm() = 0;
  // A double click on the caption: maximize, restore or roll-up.
  virtual void LayerCaptionDoubleClick() = 0;
  // A right click on the caption at `screen`: the system menu, unless the
  // form disables it.
  virtual void LayerCaptionMenu(POINT screen) = 0;
};

}  // namespace qb
