// The save dialog of the XDG desktop portal, asked over the session bus.
// The conversation runs on a thread of its own while our message loop keeps
// going; only the SaveFile call has a time limit, the user's answer may
// take as long as the user likes.
#pragma once

#include <chrono>
#include <string>

#include "platform/dialogs/SaveDialog.h"

namespace qb {

// Long enough for a bus to start a portal on demand.
inline constexpr std::chrono::milliseconds kPortalCallTimeout{10000};

struct PortalOutcome {
  enum class Answer {
    kAccepted,
    kCancelled,
    // A quit request came first; the portal was asked to close its dialog
    // and the quit is left for the outer loop.
    kInterrupted,
    // No bus, no portal on it, no answer to the call in time, a dialog the
    // portal could not show, or a choice that is no local file: the
    // desktop's other dialogs have to ask instead.
    kUnavailable,
  };
  Answer answer = Answer::kUnavailable;
  std::u16string path;  // the chosen file when accepted, as the portal gave it
};

class PortalSaveDialog {
 public:
  explicit PortalSaveDialog(std::chrono::milliseconds callTimeout = kPortalCallTimeout) : callTimeout_(callTimeout) {}

  PortalOutcome Ask(const SaveDialogRequest& request) const;

 private:
  std::chrono::milliseconds callTimeout_;
};

}  // namespace qb
