// The platform's save-file dialog. ShowSaveDialog logs "save-dialog" (title,
// folder, file, filter, defext), lets the backend ask the user while the
// message loop keeps running (timers, posted hand-offs), and logs
// "save-result" (accepted, file: the name as the caller gets it, with the
// default extension).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace qb {

struct SaveDialogRequest {
  std::u16string title;
  std::u16string initialFolder;
  std::u16string fileName;  // suggested name, shown in the dialog
  std::u16string filter;    // the Windows form: "PDF (*.pdf)|*.pdf" pairs separated by '|'
  std::u16string defaultExtension;  // without the dot; added to a name that has none
  bool overwritePrompt = false;
};

// There is no dialog to ask the user with (on a desktop: no portal and no
// dialog program). The text, UTF-8, tells the user what to install.
class ESaveDialogUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The chosen full path, with "." + the default extension appended when its
// name has none, or nothing when the user cancelled (or a quit request
// ended the dialog). Throws ESaveDialogUnavailable.
std::optional<std::u16string> ShowSaveDialog(const SaveDialogRequest& request);

// `path` with "." + `extension` appended when its file-name part has no
// extension and `extension` is not empty.
std::u16string WithDefaultExtension(const std::u16string& path, const std::u16string& extension);

// The path a plain "accept" gives: the suggested name in the initial folder,
// with the default extension added when the name has none. A name that is
// already absolute stays as it is.
std::u16string DefaultSaveChoice(const SaveDialogRequest& request);

}  // namespace qb
