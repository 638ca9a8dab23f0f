#include "toolkit/dialogs/TSaveDialog.h"

#include "platform/dialogs/SaveDialog.h"

namespace qb {

bool TSaveDialog::Execute() {
  SaveDialogRequest request;
  request.title = Title;
  request.initialFolder = InitialDir;
  request.fileName = FileName;
  request.filter = Filter;
  request.defaultExtension = DefaultExt;
  request.overwritePrompt = Options.Contains(ofOverwritePrompt);
  const std::optional<std::u16string> choice = ShowSaveDialog(request);
  if (!choice) return false;
  FileName = *choice;
  return true;
}

}  // namespace qb
