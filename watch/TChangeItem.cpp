#include "watch/TChangeItem.h"

#include "platform/files/FileAttributes.h"
#include "platform/text/Utf.h"
#include "watch/TChangeItems.h"
#include "watch/WatchErrors.h"

namespace qb {

TChangeItem::TChangeItem(TCollection* collection) : TCollectionItem(collection) {}

TChangeItems* TChangeItem::Items() const { return static_cast<TChangeItems*>(Collection()); }

// Subtree watches exist on every system this platform runs on, so the value
// is always kept.
void TChangeItem::SetIncludeSubTrees(bool value) { includeSubTrees_ = value; }

void TChangeItem::SetDirectory(const std::u16string& value) {
  if (value == directory_) return;
  if (value.empty() || !FolderExists(value))
    throw EWatchException("Invalid or empty path (" + ToUtf8(value) + ")");
  directory_ = value;
}

void TChangeItem::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TChangeItem*>(source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  SetDirectory(other->Directory());
  SetActions(other->Actions());
  SetIncludeSubTrees(other->IncludeSubTrees());
}

std::u16string TChangeItem::DisplayName() const {
  return directory_.empty() ? TCollectionItem::DisplayName() : directory_;
}

void TChangeItem::FireChange() {
  if (OnChange) OnChange(this);
}

}  // namespace qb
