// The program's own skin, loaded into a skin data component for the frame
// tests, optionally without its layered frame so that the window draws its
// own skinned frame.
#pragma once

#include <memory>

#include "skin/data/TskCompressedSkinList.h"
#include "skin/data/TskSkinData.h"
#include "tools/embed/EmbeddedSkin.h"

namespace qb::test {

struct OwnSkinData {
  std::unique_ptr<TskCompressedSkinList> list = std::make_unique<TskCompressedSkinList>(nullptr);
  std::unique_ptr<TskSkinData> data = std::make_unique<TskSkinData>(nullptr);

  explicit OwnSkinData(bool layeredBorders = false) {
    TskSkinListItem* item = list->Skins().Add();
    item->SetCompressedFileName(kEmbeddedSkinFileName);
    item->ReadSkin(EmbeddedSkin());
    data->SetShowLayeredBorders(layeredBorders);
    data->SetSkinList(list.get());
  }
};

}  // namespace qb::test
