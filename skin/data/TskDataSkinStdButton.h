// A skin object of type "stdbutton": a caption button (close, maximize,
// minimize, system menu, roll-up) with extra looks for the restore state.
#pragma once

#include "skin/data/TskDataSkinButton.h"

namespace qb {

class TskDataSkinStdButton : public TskDataSkinButton {
 public:
  using TskDataSkinButton::TskDataSkinButton;

  // After the keys: a maximize, minimize or roll-up button without its own
  // restorehint gets "Restore".
  void LoadFromIni(const SkinIni& ini) override;
  void PrepareImages(const TskSkinData& data) override;

  TskStdCommand command = TskStdCommand::cmDefault;
  RECT restorerect{};
  RECT restoreactiverect{};
  RECT restoredownrect{};
  RECT restoreinactiverect{};
  std::u16string restorehint;

  std::unique_ptr<TskBitmap> RestoreAlphaImage;
  std::unique_ptr<TskBitmap> RestoreActiveAlphaImage;
  std::unique_ptr<TskBitmap> RestoreDownAlphaImage;
  std::unique_ptr<TskBitmap> RestoreInactiveAlphaImage;

 protected:
  void Exchange(SkinIniExchange& x) override;
};

}  // namespace qb
