// The messages of a conversation with the desktop portal's file chooser:
// the SaveFile call, the Request object it answers with, and the Response
// signal that carries the user's choice.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs/SaveDialog.h"
#include "platform/dialogs/SessionBus.h"

namespace qb {

inline constexpr char kPortalService[] = "org.freedesktop.portal.Desktop";
inline constexpr char kPortalObject[] = "/org/freedesktop/portal/desktop";
inline constexpr char kFileChooserInterface[] = "org.freedesktop.portal.FileChooser";
inline constexpr char kRequestInterface[] = "org.freedesktop.portal.Request";

// Where the portal puts the request that the connection `sender` (":1.42")
// makes with `token`, known before the call is made.
std::string PortalRequestPath(const std::string& sender, const std::string& token);
// Subscribes to the Response signal of the request at `path`.
std::string ResponseRule(const std::string& path);

// SaveFile("", title, options): handle_token, current_name and
// current_folder from the request's suggestion, the request's filters with
// the first one current, modal.
BusMessage SaveFileCall(const SaveDialogRequest& request, const std::string& token);
// Asks the portal to take down the dialog of the request at `path`.
BusMessage CloseRequestCall(const std::string& path);

// The Request object of SaveFile's reply; nothing for an error reply.
std::optional<std::string> ReadRequestHandle(DBusMessage* reply);

struct PortalResponse {
  enum Code : dbus_uint32_t { kAccepted = 0, kCancelled = 1, kEnded = 2 };
  dbus_uint32_t code = kEnded;
  std::vector<std::string> uris;
};

// The response when `message` is the Response signal of the request at
// `path`, else nothing.
std::optional<PortalResponse> ReadResponse(DBusMessage* message, const std::string& path);

}  // namespace qb
