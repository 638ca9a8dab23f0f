// How TskSkinData reaches the application's forms when it announces a skin
// change. The application supplies the implementation (its form list and the
// window layer's synchronous send); tests supply fakes.
#pragma once

#include <vector>

#include "platform/WinTypes.h"
#include "toolkit/component/TComponent.h"

namespace qb {

class SkinFormNotifier {
 public:
  virtual ~SkinFormNotifier() = default;

  // The application's forms, in the order of its form list.
  virtual std::vector<TComponent*> Forms() const = 0;
  virtual bool IsForm(const TComponent* component) const = 0;
  // Creates the form's window when it has none yet, then sends the message
  // and returns once the form has handled it.
  virtual void SendToForm(TComponent* form, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// The forms a skin notification goes to, in order: the owner form first when
// layered borders are off; then the form list, front to back, or back to
// front when layered borders are on and the skin has a layer frame; never
// the owner twice and never a layered border window ("TskFormLayerWindow").
std::vector<TComponent*> SkinNotificationOrder(const std::vector<TComponent*>& forms, TComponent* ownerForm,
                                               bool showLayeredBorders, bool hasLayerFrame);

}  // namespace qb
