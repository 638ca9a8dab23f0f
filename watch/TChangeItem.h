// One watched folder of a TChangeNotify.
#pragma once

#include <string>

#include "toolkit/component/Events.h"
#include "toolkit/component/TCollectionItem.h"
#include "watch/TChangeAction.h"

namespace qb {

class TChangeItems;

class TChangeItem : public TCollectionItem {
 public:
  explicit TChangeItem(TCollection* collection);

  TChangeItems* Items() const;

  TChangeActions Actions() const { return actions_; }
  void SetActions(TChangeActions actions) { actions_ = actions; }

  bool IncludeSubTrees() const { return includeSubTrees_; }
  void SetIncludeSubTrees(bool value);

  // A new value must name an existing folder; otherwise EWatchException
  // "Invalid or empty path (…)" and the old value stays.
  const std::u16string& Directory() const { return directory_; }
  void SetDirectory(const std::u16string& value);

  // Fired first when the entry's folder changed; the sender is the entry.
  TNotifyEvent OnChange;

  // From another entry: Directory, Actions and IncludeSubTrees, through
  // their setters.
  void Assign(const TPersistent* source) override;
  // The Directory, or the inherited name while it is empty.
  std::u16string DisplayName() const override;
  virtual void FireChange();

 private:
  TChangeActions actions_{caChangeFileName, caChangeDirName};
  bool includeSubTrees_ = false;
  std::u16string directory_;
};

}  // namespace qb
