// The kinds of change a watched folder reports, and the change event.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"
#include "toolkit/component/EnumSet.h"
#include "toolkit/component/TObject.h"

namespace qb {

enum TChangeAction {
  caChangeFileName,
  caChangeDirName,
  caChangeAttributes,
  caChangeSize,
  caChangeLastWrite,
  caChangeSecurity,
};
using TChangeActions = EnumSet<TChangeAction>;

// The system's notification filter for a set of actions (the OR of the
// FILE_NOTIFY_CHANGE_* bit of each).
DWORD NotifyFilter(TChangeActions actions);

// `Dir` and `Actions` are the entry's folder and configured actions; the
// system does not tell which kind of change happened.
using TChangeNotifyEvent =
    std::function<void(TObject* Sender, const std::u16string& Dir, TChangeActions Actions)>;

}  // namespace qb
