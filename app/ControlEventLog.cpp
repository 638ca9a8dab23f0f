#include "app/ControlEventLog.h"

#include "platform/events/EventLog.h"
#include "toolkit/controls/TLabel.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {
namespace {

void LogWindow(TCustomForm& form) {
  // Asking for the client size would make the window; before it exists
  // there is nothing on screen to report.
  if (!form.HandleAllocated()) return;
  events::Log("window", {{"left", std::int64_t(form.Left())},
                         {"top", std::int64_t(form.Top())},
                         {"width", std::int64_t(form.Width())},
                         {"height", std::int64_t(form.Height())},
                         {"client_width", std::int64_t(form.ClientWidth())},
                         {"client_height", std::int64_t(form.ClientHeight())},
                         {"visible", form.Visible()}});
}

}  // namespace

void LogControlChanges(TApplication& application) {
  application.SetControlChangeHook([&application](TControl& control, TControlChange change) {
    if (&control == application.MainForm()) {
      if (change == TControlChange::kCaption) {
        events::Log("caption", {{"text", control.Caption()}});
      } else {
        LogWindow(*application.MainForm());
      }
      return;
    }
    // Unnamed controls (a form under construction) are nothing a watcher can
    // refer to.
    if (control.Name().empty()) return;
    if (change == TControlChange::kVisible) {
      events::Log("show", {{"name", control.Name()}, {"visible", control.Visible()}});
    } else if (change == TControlChange::kCaption && dynamic_cast<TLabel*>(&control) != nullptr) {
      events::Log("label", {{"name", control.Name()}, {"text", control.Caption()}});
    }
  });
}

}  // namespace qb
