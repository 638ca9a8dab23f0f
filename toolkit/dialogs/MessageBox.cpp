#include "toolkit/dialogs/MessageBox.h"

#include "platform/Check.h"
#include "platform/events/EventLog.h"
#include "platform/script/ScriptTargets.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/dialogs/TMessageForm.h"

namespace qb {

void ShowMessage(const std::u16string& text) {
  TApplication* application = Application();
  QB_CHECK(application != nullptr);
  auto form = NewForm<TMessageForm>(text);
  events::Log("message-box", {{"caption", form->Caption()}, {"text", text}});
  MessageBoxAnnouncement announcement(form->Caption(), text, [button = &form->OkButton()] { button->Click(); });
  form->ShowModal();
}

}  // namespace qb
