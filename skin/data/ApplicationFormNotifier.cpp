#include "skin/data/ApplicationFormNotifier.h"

#include "platform/window/MessageApi.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

std::vector<TComponent*> ApplicationFormNotifier::Forms() const {
  const TApplication* application = Application();
  if (application == nullptr) return {};
  return std::vector<TComponent*>(application->Forms().begin(), application->Forms().end());
}

bool ApplicationFormNotifier::IsForm(const TComponent* component) const {
  return dynamic_cast<const TCustomForm*>(component) != nullptr;
}

void ApplicationFormNotifier::SendToForm(TComponent* form, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto* target = dynamic_cast<TCustomForm*>(form)) SendMessage(target->Handle(), message, wParam, lParam);
}

SkinFormNotifier& ApplicationForms() {
  static ApplicationFormNotifier notifier;
  return notifier;
}

}  // namespace qb
