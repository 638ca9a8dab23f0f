// A caption button (type "stdbutton"): close, maximize, minimize, system
// menu, roll-up, minimize to tray or a custom command, with restore looks
// for the state its command has put the window in. Without a record it is
// one of the default buttons of the unskinned frame and draws the plain
// default look.
#pragma once

#include "skin/frame/TskSkinButtonObject.h"

namespace qb {

class TskDataSkinStdButton;

class TskSkinStdButtonObject : public TskSkinButtonObject {
 public:
  TskSkinStdButtonObject(TskSkinForm& owner, const TskDataSkinStdButton* record);
  // A default button of the unskinned frame.
  TskSkinStdButtonObject(TskSkinForm& owner, std::u16string idName, TskStdCommand command);

  bool InObject(int x, int y) const override;
  void Draw(TCanvas& canvas, bool update) override;
  void DrawOnLayer(TCanvas& canvas, TskBitmap& surface) override;
  void DblClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;

  bool IsSystemMenuButton() const { return Command == TskStdCommand::cmSysMenu; }
  // The system-menu button shows the form's icon instead of its picture.
  bool ShowsIcon() const;
  // The restore hint in the restore state, when there is one.
  const std::u16string& CurrentHint() const override;

  TskStdCommand Command = TskStdCommand::cmDefault;
  RECT restorerect{};
  RECT restoreactiverect{};
  RECT restoredownrect{};
  RECT restoreinactiverect{};
  std::u16string restorehint;

 private:
  void DrawDefaultLook(TCanvas& canvas) const;
  const TskBitmap* LayerImage() const;

  const TskBitmap* AlphaImage = nullptr;
  const TskBitmap* ActiveAlphaImage = nullptr;
  const TskBitmap* DownAlphaImage = nullptr;
  const TskBitmap* InactiveAlphaImage = nullptr;
  const TskBitmap* RestoreAlphaImage = nullptr;
  const TskBitmap* RestoreActiveAlphaImage = nullptr;
  const TskBitmap* RestoreDownAlphaImage = nullptr;
  const TskBitmap* RestoreInactiveAlphaImage = nullptr;
};

}  // namespace qb
