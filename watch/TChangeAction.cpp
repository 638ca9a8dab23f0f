#include "watch/TChangeAction.h"

#include <utility>

#include "platform/notify/ChangeNotification.h"

namespace qb {

DWORD NotifyFilter(TChangeActions actions) {
  constexpr std::pair<TChangeAction, DWORD> kBits[] = {
      {caChangeFileName, FILE_NOTIFY_CHANGE_FILE_NAME},
      {caChangeDirName, FILE_NOTIFY_CHANGE_DIR_NAME},
      {caChangeAttributes, FILE_NOTIFY_CHANGE_ATTRIBUTES},
      {caChangeSize, FILE_NOTIFY_CHANGE_SIZE},
      {caChangeLastWrite, FILE_NOTIFY_CHANGE_LAST_WRITE},
      {caChangeSecurity, FILE_NOTIFY_CHANGE_SECURITY},
  };
  DWORD filter = 0;
  for (const auto& [action, bit] : kBits)
    if (actions.Contains(action)) filter |= bit;
  return filter;
}

}  // namespace qb
