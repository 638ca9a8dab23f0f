// The desktop's own save-file dialog on Linux: the XDG desktop portal when
// the session bus has one that answers, else zenity when installed, else
// kdialog. Each runs while our message loop keeps going. When none is there
// the dialog throws ESaveDialogUnavailable with kNoDialogProgramText.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs/PortalSaveDialog.h"
#include "platform/dialogs/SaveDialog.h"

namespace qb {

// Said when no dialog program can be found.
inline constexpr char16_t kNoDialogProgramText[] =
    u"Es wurde kein Dateiauswahldialog gefunden. Bitte installieren Sie zenity oder kdialog.";

class DesktopSaveDialog {
 public:
  // `portalCallTimeout` bounds the wait for the portal to take the request.
  explicit DesktopSaveDialog(std::chrono::milliseconds portalCallTimeout = kPortalCallTimeout)
      : portal_(portalCallTimeout) {}

  // The chosen path, with "." + the default extension appended when the
  // chosen name has none; nothing when cancelled. When the request asks
  // before overwriting and only the appended extension makes the name one
  // that exists, the user is asked again, since the dialog could not: the
  // programs ask a question of their own, the portal shows its dialog again
  // on the full name, where it asks itself.
  std::optional<std::u16string> Run(const SaveDialogRequest& request);

 private:
  PortalSaveDialog portal_;
};

// The command lines, without the program itself.
std::vector<std::string> ZenityArguments(const SaveDialogRequest& request);
std::vector<std::string> KdialogArguments(const SaveDialogRequest& request);

}  // namespace qb
