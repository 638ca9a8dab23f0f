#include "skin/frame/CaptionButtonRules.h"

namespace qb {

std::optional<CaptionButtonLook> CaptionButtonState(const CaptionButtonFacts& button,
                                                    const CaptionButtonSettings& settings) {
  // A button outside its own picture is part of the frame picture: hiding
  // it would leave its image without reaction, so it only stops reacting.
  if (settings.hideCaptionButtons) return CaptionButtonLook{false, !button.skinrectinapicture};
  auto byIcon = [&](TskBorderIcon icon) {
    const bool enabled = settings.borderIcons.Contains(icon);
    return CaptionButtonLook{enabled, button.skinrectinapicture ? enabled : true};
  };
  switch (button.command) {
    case TskStdCommand::cmClose: {
      const bool isDialogClose = button.idName == u"dialogclosebutton";
      const TskBorderIcons dialogIcons{TskBorderIcon::biSystemMenu};
      const bool dialogMode = (settings.borderIcons.Empty() || settings.borderIcons == dialogIcons) &&
                              settings.hasDialogCloseButton;
      if (dialogMode) return CaptionButtonLook{isDialogClose, isDialogClose};
      if (isDialogClose) return CaptionButtonLook{false, false};
      return std::nullopt;
    }
    case TskStdCommand::cmMaximize: return byIcon(TskBorderIcon::biMaximize);
    case TskStdCommand::cmMinimize: return byIcon(TskBorderIcon::biMinimize);
    case TskStdCommand::cmRollUp: return byIcon(TskBorderIcon::biRollUp);
    case TskStdCommand::cmMinimizeToTray: return byIcon(TskBorderIcon::biMinimizeToTray);
    case TskStdCommand::cmSysMenu: {
      const bool enabled = settings.borderIcons.Contains(TskBorderIcon::biSystemMenu) && !settings.disableSystemMenu;
      return CaptionButtonLook{enabled, enabled};
    }
    case TskStdCommand::cmDefault: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace qb
