#include "skin/data/TskSkinListItem.h"

#include "skin/data/SkinValues.h"
#include "skin/data/TskCompressedSkinList.h"

namespace qb {

TskSkinListItem::TskSkinListItem(TCollection* collection)
    : TCollectionItem(collection), storedSkin_(std::make_unique<TskCompressedStoredSkin>(nullptr)) {
  name_ = u"skSkin" + FormatInteger(Index());
}

TskSkinListItem::~TskSkinListItem() = default;

bool TskSkinListItem::ListIsDesigned() const {
  const auto* items = dynamic_cast<const TskSkinListItems*>(Collection());
  const TskCompressedSkinList* list = items ? items->SkinList() : nullptr;
  return list && list->ComponentState().Contains(csDesigning) && !list->ComponentState().Contains(csLoading);
}

void TskSkinListItem::SetFileName(const std::u16string& value) {
  if (!ListIsDesigned()) {
    fileName_ = value;
    return;
  }
  storedSkin_->BuildFromDefinitionFile(value);
  fileName_ = ExtractFileName(value);
}

void TskSkinListItem::SetCompressedFileName(const std::u16string& value) {
  if (!ListIsDesigned()) {
    compressedFileName_ = value;
    return;
  }
  storedSkin_->ReadCompressedFile(value);
  compressedFileName_ = ExtractFileName(value);
}

void TskSkinListItem::Assign(const TPersistent* source) {
  const auto* item = dynamic_cast<const TskSkinListItem*>(source);
  if (item == nullptr) {
    TCollectionItem::Assign(source);
    return;
  }
  description_ = item->description_;
  fileName_ = item->fileName_;
  compressedFileName_ = item->compressedFileName_;
  name_ = item->name_;
  storedSkin_->ReadCompressedData(item->storedSkin_->CompressedBuffer());
}

}  // namespace qb
