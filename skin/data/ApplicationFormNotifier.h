// The program's own way for TskSkinData to reach its forms: the
// application's form list and a synchronous send to each form's window.
#pragma once

#include "skin/data/SkinFormNotifier.h"

namespace qb {

class ApplicationFormNotifier final : public SkinFormNotifier {
 public:
  // Empty while no application object exists.
  std::vector<TComponent*> Forms() const override;
  bool IsForm(const TComponent* component) const override;
  void SendToForm(TComponent* form, UINT message, WPARAM wParam, LPARAM lParam) override;
};

// One for the whole program; it holds no state, so every skin data can share
// it for as long as it lives.
SkinFormNotifier& ApplicationForms();

}  // namespace qb
