// A frame object of type "button": a piece of the frame with pressed and
// disabled looks besides the normal, hot and inactive ones.
#pragma once

#include "skin/frame/TskActiveSkinObject.h"

namespace qb {

class TskDataSkinButton;

class TskSkinButtonObject : public TskActiveSkinObject {
 public:
  TskSkinButtonObject(TskSkinForm& owner, const TskDataSkinButton* record);

  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ResetState() override;

  RECT downrect{};
  RECT disableskinrsect{};
  bool Down = false;
  // Set while the system menu this button opened is up; the button keeps
  // its look meanwhile.
  bool MenuOpen = false;
  bool PopupUp = false;

 protected:
  // Disabled and pressed looks, else the base drawing.
  void DrawButtonLook(TCanvas& canvas, bool update);
  // Press and release of the left button; returns whether the state changed.
  bool Press(TMouseButton button);
  bool Release(TMouseButton button);
};

}  // namespace qb
