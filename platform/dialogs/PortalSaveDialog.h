// The save dialog of the XDG desktop portal, asked over the session bus with
// the gdbus tool, while our message loop keeps going.
#pragma once

#include <optional>
#include <string>

#include "platform/dialogs/SaveDialog.h"

namespace qb {

// What the portal said.
struct PortalAnswer {
  std::optional<std::u16string> path;  // nothing: the user cancelled
};

// Nothing when no portal answers: no session bus, no gdbus, or the call
// failed (then another dialog has to ask). The portal itself asks before
// replacing a file. A quit request while it is open counts as cancel.
std::optional<PortalAnswer> AskPortalForSavePath(const SaveDialogRequest& request);

// The options argument of FileChooser.SaveFile in GVariant text form.
std::string PortalSaveOptions(const SaveDialogRequest& request, const std::string& handleToken);

// The chosen path of a Response signal as gdbus monitor prints it, nothing
// when the response is not a success (0) or names no file.
std::optional<std::u16string> PathFromPortalResponse(const std::string& line);

}  // namespace qb
