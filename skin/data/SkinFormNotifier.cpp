#include "skin/data/SkinFormNotifier.h"

#include <algorithm>

namespace qb {

std::vector<TComponent*> SkinNotificationOrder(const std::vector<TComponent*>& forms, TComponent* ownerForm,
                                               bool showLayeredBorders, bool hasLayerFrame) {
  std::vector<TComponent*> order;
  const bool ownerFirst = ownerForm != nullptr && !showLayeredBorders;
  if (ownerFirst) order.push_back(ownerForm);
  std::vector<TComponent*> list = forms;
  if (showLayeredBorders && hasLayerFrame) std::reverse(list.begin(), list.end());
  for (TComponent* form : list) {
    if (ownerFirst && form == ownerForm) continue;
    if (form->ClassName() == u"TskFormLayerWindow") continue;
    order.push_back(form);
  }
  return order;
}

}  // namespace qb
