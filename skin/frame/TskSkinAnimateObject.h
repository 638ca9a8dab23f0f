// A frame object of type "animate": a picture strip of `countframes` frames
// played forward or backward every `timerinterval` ms. With a `command` it
// behaves like a caption button.
#pragma once

#include "skin/frame/TskActiveSkinObject.h"

namespace qb {

class TskDataSkinSectionObject;

class TskSkinAnimateObject : public TskActiveSkinObject {
 public:
  TskSkinAnimateObject(TskSkinForm& owner, const TskDataSkinSectionObject& record);

  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void ResetState() override;
  // The restore hint while the window is in the state its command undoes.
  const std::u16string& CurrentHint() const override;

  // One timer tick; returns whether the shown frame changed.
  bool StepAnimation();
  bool HasCommand() const { return hasCommand_; }
  // The rectangle of frame n (1..countframes): frames lie side by side in
  // `skinrect`'s row.
  RECT FrameRect(int n) const;

  int countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int timerinterval = 25;
  TskStdCommand command = TskStdCommand::cmDefault;
  RECT downskinrect{};
  RECT restorerect{};
  RECT restoreactiverect{};
  RECT restoredownrect{};
  RECT restoreinactiverect{};
  std::u16string restorehint;
  int Frame = 1;
  bool Down = false;

 private:
  bool hasCommand_ = false;
  bool forward_ = true;
  int ticks_ = 25;
};

}  // namespace qb
