// The desktop's own save-file dialog on Linux: zenity when installed, else
// kdialog. The program runs while our message loop keeps going. When
// neither is installed the user is told so through the dialog notice and
// the dialog counts as cancelled.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs/SaveDialog.h"

namespace qb {

// Shows a text to the user (the program's message box). The toolkit
// installs its message box at start-up; until then texts go to stderr.
using DialogNotice = std::function<void(const std::u16string& text)>;
void SetDialogNotice(DialogNotice notice);

// Said when no dialog program can be found.
inline constexpr char16_t kNoDialogProgramText[] =
    u"Es wurde kein Dateiauswahldialog gefunden. Bitte installieren Sie zenity oder kdialog.";

class DesktopSaveDialog {
 public:
  // The chosen path, with "." + the default extension appended when the
  // chosen name has none; nothing when cancelled. When the request asks
  // before overwriting and only the appended extension makes the name one
  // that exists, the user is asked again, since the program could not.
  std::optional<std::u16string> Run(const SaveDialogRequest& request);
};

// The command lines, without the program itself.
std::vector<std::string> ZenityArguments(const SaveDialogRequest& request);
std::vector<std::string> KdialogArguments(const SaveDialogRequest& request);

}  // namespace qb
