#include "platform/dialogs/SaveDialog.h"

#include "platform/events/EventLog.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

bool IsAbsolute(const std::u16string& path) {
  return (!path.empty() && (path[0] == u'/' || path[0] == u'\\')) || (path.size() > 1 && path[1] == u':');
}

bool HasExtension(const std::u16string& name) {
  const std::size_t slash = name.find_last_of(u"/\\");
  const std::size_t dot = name.rfind(u'.');
  return dot != std::u16string::npos && (slash == std::u16string::npos || dot > slash);
}

}  // namespace

std::u16string WithDefaultExtension(const std::u16string& path, const std::u16string& extension) {
  return extension.empty() || HasExtension(path) ? path : path + u"." + extension;
}

std::u16string DefaultSaveChoice(const SaveDialogRequest& request) {
  const std::u16string name = WithDefaultExtension(request.fileName, request.defaultExtension);
  if (IsAbsolute(name) || request.initialFolder.empty()) return name;
  std::u16string path = request.initialFolder;
  // Keep the folder's own separator style when it ends in one.
  if (path.back() != u'/' && path.back() != u'\\') path += u'/';
  return path + name;
}

std::optional<std::u16string> ShowSaveDialog(const SaveDialogRequest& request) {
  events::Log("save-dialog", {{"title", request.title},
                              {"folder", request.initialFolder},
                              {"file", request.fileName},
                              {"filter", request.filter},
                              {"defext", request.defaultExtension}});
  std::optional<std::u16string> choice = CurrentBackend().RunSaveDialog(request);
  if (choice) *choice = WithDefaultExtension(*choice, request.defaultExtension);
  events::Log("save-result", {{"accepted", choice.has_value()}, {"file", choice.value_or(u"")}});
  return choice;
}

}  // namespace qb
