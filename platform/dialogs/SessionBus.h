// A private connection to the user's session bus, for one conversation of
// ours. libdbus appears only in this folder.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/dialogs/DBusLibrary.h"

namespace qb {

struct DBusMessageRelease {
  void operator()(DBusMessage* message) const { LibDBus().message_unref(message); }
};
using BusMessage = std::unique_ptr<DBusMessage, DBusMessageRelease>;

class SessionBus {
 public:
  // The bus named by DBUS_SESSION_BUS_ADDRESS, else the socket "bus" in
  // XDG_RUNTIME_DIR; nothing when neither is there. Never starts a bus:
  // one made up just for us could not have a portal anyway.
  static std::optional<std::string> Address();
  // Connects and says hello; null when the bus cannot be reached or there
  // is no libdbus to reach it with.
  static std::unique_ptr<SessionBus> Connect(const std::string& address);
  ~SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;

  // ":1.42", the name the bus gave us.
  std::string UniqueName() const;
  bool AddMatch(const std::string& rule);
  // Queues the message for sending; the serial its reply will refer to, or
  // 0 when it could not be queued.
  dbus_uint32_t Send(DBusMessage* message);
  // Sends what is queued and waits up to `wait` for more to arrive. False
  // once the bus is gone.
  bool Exchange(std::chrono::milliseconds wait);
  // Waits until everything queued has been sent.
  void Flush();
  // The next message that arrived, or null.
  BusMessage Next();

 private:
  explicit SessionBus(DBusConnection* connection) : connection_(connection) {}
  DBusConnection* connection_;
};

}  // namespace qb
