#include "skin/data/TskSkinListItems.h"

#include "skin/data/TskCompressedSkinList.h"

namespace qb {

TskSkinListItems::TskSkinListItems(TskCompressedSkinList* list)
    : TCollection(list, TCollection::ItemClass<TskSkinListItem>()), list_(list) {}

}  // namespace qb
