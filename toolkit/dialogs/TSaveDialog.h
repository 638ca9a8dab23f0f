// The save-file dialog component. Execute shows the platform's save dialog
// (the message loop keeps running meanwhile) and, when the user accepts,
// stores the chosen path in FileName, with "." + DefaultExt appended when
// the chosen name has no extension. Throws ESaveDialogUnavailable when
// there is no dialog to show.
#pragma once

#include <string>

#include "platform/dialogs/SaveDialog.h"
#include "toolkit/component/EnumSet.h"
#include "toolkit/component/TComponent.h"

namespace qb {

enum TOpenOption { ofOverwritePrompt, ofHideReadOnly, ofEnableSizing };
using TOpenOptions = EnumSet<TOpenOption>;

class TSaveDialog : public TComponent {
 public:
  explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}

  std::u16string Title;
  std::u16string InitialDir;
  std::u16string FileName;
  // "description|pattern" pairs separated by '|'.
  std::u16string Filter;
  // 1-based index of the pair shown first.
  int FilterIndex = 1;
  // Without the dot.
  std::u16string DefaultExt;
  TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

  // True when the user accepted.
  bool Execute();
};

}  // namespace qb
