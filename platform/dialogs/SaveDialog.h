// The platform's save-file dialog. ShowSaveDialog logs "save-dialog" (title,
// folder, file, filter, defext), lets the backend ask the user while the
// message loop keeps running (timers, posted hand-offs), and logs
// "save-result" (accepted, file).
#pragma once

#include <optional>
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

// The chosen full path, or nothing when the user cancelled.
std::optional<std::u16string> ShowSaveDialog(const SaveDialogRequest& request);

// The path a plain "accept" gives: the suggested name in the initial folder,
// with the default extension added when the name has none. A name that is
// already absolute stays as it is.
std::u16string DefaultSaveChoice(const SaveDialogRequest& request);

}  // namespace qb
