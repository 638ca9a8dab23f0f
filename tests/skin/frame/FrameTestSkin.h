// The program's own skin, loaded into a skin data component for the frame
// tests, optionally without its layered frame so that the window draws its
// own skinned frame.
#pragma once

#include <memory>

#include "skin/data/TskCompressedSkinList.h"
#include "toolkit/controls/ControlMessages.h"
#include "toolkit/controls/TControl.h"
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

// Counts the form's close requests instead of carrying them out, so a test can
// click close buttons and menu items and still inspect the form afterwards.
inline void CountCloseRequests(TControl& form, int& closeRequests) {
  TWndMethod formProcedure = form.WindowProc;
  form.WindowProc = [&closeRequests, formProcedure](TMessage& message) {
    if (message.Msg == WM_CLOSE) {
      ++closeRequests;
      return;
    }
    formProcedure(message);
  };
}

}  // namespace qb::test
