#include "toolkit/dialogs/TSaveDialog.h"

#include "platform/dialogs/SaveDialog.h"

namespace qb {

std::u16string WithDefaultExtension(const std::u16string& path, const std::u16string& extension) {
  if (extension.empty()) return path;
  const std::size_t nameStart = path.find_last_of(u"\\/");
  const std::size_t dot = path.rfind(u'.');
  const bool hasExtension = dot != std::u16string::npos && (nameStart == std::u16string::npos || dot > nameStart);
  return hasExtension ? path : path + u"." + extension;
}

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
  FileName = WithDefaultExtension(*choice, DefaultExt);
  return true;
}

}  // namespace qb
