// A component holding a list of stored skins; a TskSkinData picks one of them
// by index.
#pragma once

#include "skin/data/TskSkinListItems.h"
#include "toolkit/component/TComponent.h"

namespace qb {

class TskCompressedSkinList : public TComponent {
 public:
  explicit TskCompressedSkinList(TComponent* owner);
  ~TskCompressedSkinList() override;

  TskSkinListItems& Skins() { return skins_; }
  const TskSkinListItems& Skins() const { return skins_; }
  // Copies the items of `skins`.
  void SetSkins(const TskSkinListItems& skins) { skins_.Assign(&skins); }

 private:
  TskSkinListItems skins_;
};

}  // namespace qb
