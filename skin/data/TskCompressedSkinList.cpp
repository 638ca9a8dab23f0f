#include "skin/data/TskCompressedSkinList.h"

namespace qb {

TskCompressedSkinList::TskCompressedSkinList(TComponent* owner) : TComponent(owner), skins_(this) {}

TskCompressedSkinList::~TskCompressedSkinList() = default;

}  // namespace qb
