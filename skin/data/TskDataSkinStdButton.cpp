#include "skin/data/TskDataSkinStdButton.h"

namespace qb {

void TskDataSkinStdButton::Exchange(SkinIniExchange& x) {
  TskDataSkinButton::Exchange(x);
  x.Command(u"command", command);
  x.Rect(u"restorerect", restorerect);
  x.Rect(u"restoreactiverect", restoreactiverect);
  x.Rect(u"restoredownrect", restoredownrect);
  x.Rect(u"restoreinactiverect", restoreinactiverect);
  x.String(u"restorehint", restorehint, u"");
}

void TskDataSkinStdButton::LoadFromIni(const SkinIni& ini) {
  TskDataSkinButton::LoadFromIni(ini);
  if (!restorehint.empty()) return;
  const bool restores = (hint == u"Maximize" && command == TskStdCommand::cmMaximize) ||
                        (hint == u"Minimize" && command == TskStdCommand::cmMinimize) ||
                        ((hint == u"RollUp" || hint == u"Roll Up") && command == TskStdCommand::cmRollUp);
  if (restores) restorehint = u"Restore";
}

void TskDataSkinStdButton::PrepareImages(const TskSkinData& data) {
  TskDataSkinButton::PrepareImages(data);
  RestoreAlphaImage.reset();
  RestoreActiveAlphaImage.reset();
  RestoreDownAlphaImage.reset();
  RestoreInactiveAlphaImage.reset();
  if (!LayerFrameUsesImages(data)) return;
  RestoreAlphaImage = BuildImage(data, restorerect, alphamaskpictureindex);
  RestoreActiveAlphaImage = BuildImage(data, restoreactiverect, alphamaskactivepictureindex);
  RestoreDownAlphaImage = BuildImage(data, restoredownrect, alphamaskactivepictureindex);
  RestoreInactiveAlphaImage = BuildImage(data, restoreinactiverect, alphamaskinactivepictureindex);
}

}  // namespace qb
