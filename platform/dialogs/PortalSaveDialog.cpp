#include "platform/dialogs/PortalSaveDialog.h"

#include <atomic>
#include <random>
#include <thread>

#include "platform/dialogs/FileUri.h"
#include "platform/window/MessageApi.h"
#include "platform/window/ModalLoop.h"
// After the window layer's headers: libdbus defines TRUE and FALSE as
// macros, which would spoil our constants of those names.
#include "platform/dialogs/PortalMessages.h"
#include "platform/dialogs/SessionBus.h"

namespace qb {
namespace {

using Answer = PortalOutcome::Answer;

// How long the conversation thread waits on the bus before it looks
// whether it is to stop.
constexpr std::chrono::milliseconds kStopLatency{50};

// Unique enough among our own requests on this connection, which is new for
// each dialog anyway.
std::string NewToken() {
  std::random_device random;
  return "quillbrook_" + std::to_string(random()) + "_" + std::to_string(random());
}

// Once the portal showed its dialog, whatever ended it other than a choice
// is the user's cancel: the desktop's portal answers Escape, Alt+F4 and
// the window's close button with "ended otherwise" (2), and asking again
// with another dialog would make the user cancel twice.
PortalOutcome OutcomeOf(const PortalResponse& response) {
  if (response.code != PortalResponse::kAccepted) return {Answer::kCancelled, {}};
  if (response.uris.empty()) return {Answer::kUnavailable, {}};
  const auto path = PathFromFileUri(response.uris.front());
  if (!path) return {Answer::kUnavailable, {}};
  return {Answer::kAccepted, *path};
}

PortalOutcome Converse(const std::string& address, const SaveDialogRequest& request,
                       std::chrono::milliseconds callTimeout, const std::atomic<bool>& stop) {
  const std::unique_ptr<SessionBus> bus = SessionBus::Connect(address);
  if (!bus) return {};
  // The portal may answer before its reply to the call reaches us, so the
  // subscription to the answer comes first, on the path it will have.
  const std::string token = NewToken();
  const std::string predicted = PortalRequestPath(bus->UniqueName(), token);
  if (!bus->AddMatch(ResponseRule(predicted))) return {};
  const BusMessage call = SaveFileCall(request, token);
  const dbus_uint32_t serial = bus->Send(call.get());
  if (serial == 0) return {};

  const Clock::time_point callDeadline = Clock::now() + callTimeout;
  std::optional<std::string> handle;
  std::vector<BusMessage> early;  // signals that came before the reply
  for (;;) {
    if (stop || (!handle && Clock::now() >= callDeadline)) {
      // A portal that answers late would still show its dialog.
      bus->Send(CloseRequestCall(handle.value_or(predicted)).get());
      bus->Flush();
      return {stop ? Answer::kInterrupted : Answer::kUnavailable, {}};
    }
    if (!bus->Exchange(kStopLatency)) return {};
    while (BusMessage message = bus->Next()) {
      if (LibDBus().message_get_reply_serial(message.get()) == serial) {
        handle = ReadRequestHandle(message.get());
        if (!handle) return {};
        // A portal older than the predictable path names another one.
        if (*handle != predicted && !bus->AddMatch(ResponseRule(*handle))) return {};
      } else if (handle) {
        if (const auto response = ReadResponse(message.get(), *handle)) return OutcomeOf(*response);
      } else {
        early.push_back(std::move(message));
      }
    }
    if (!handle) continue;
    for (const BusMessage& message : early) {
      if (const auto response = ReadResponse(message.get(), *handle)) return OutcomeOf(*response);
    }
    early.clear();
  }
}

}  // namespace

PortalOutcome PortalSaveDialog::Ask(const SaveDialogRequest& request) const {
  const std::optional<std::string> address = SessionBus::Address();
  if (!address) return {};
  std::atomic<bool> stop = false;
  std::atomic<bool> finished = false;
  PortalOutcome outcome;
  std::thread conversation([&] {
    outcome = Converse(*address, request, callTimeout_, stop);
    finished = true;
    PostMessage(nullptr, WM_NULL, 0, 0);
  });
  const bool answered = RunModalUntil([&] { return finished.load(); });
  if (!answered) stop = true;
  conversation.join();
  if (!answered) outcome = {Answer::kInterrupted, {}};
  return outcome;
}

}  // namespace qb
