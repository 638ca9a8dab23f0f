// Which caption buttons a frame shows and enables, from the border icons.
#pragma once

#include <optional>
#include <string_view>

#include "skin/data/SkinValues.h"
#include "skin/frame/FrameTypes.h"

namespace qb {

struct CaptionButtonFacts {
  TskStdCommand command = TskStdCommand::cmDefault;
  std::u16string_view idName;
  bool skinrectinapicture = true;
};

struct CaptionButtonSettings {
  TskBorderIcons borderIcons;
  bool hideCaptionButtons = false;
  bool disableSystemMenu = false;
  // Some frame object is named "dialogclosebutton".
  bool hasDialogCloseButton = false;
};

struct CaptionButtonLook {
  bool enabled = true;
  bool visible = true;
};

// The new state of a caption button, or nothing when it keeps its state.
// Custom buttons (cmdefault) are the program's to show and are not decided
// here.
std::optional<CaptionButtonLook> CaptionButtonState(const CaptionButtonFacts& button,
                                                    const CaptionButtonSettings& settings);

}  // namespace qb
