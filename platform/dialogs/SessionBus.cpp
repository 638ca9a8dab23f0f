#include "platform/dialogs/SessionBus.h"

#include <sys/stat.h>

#include <cstdlib>

namespace qb {
namespace {

class BusError {
 public:
  BusError() { LibDBus().error_init(&error_); }
  ~BusError() { LibDBus().error_free(&error_); }
  BusError(const BusError&) = delete;
  BusError& operator=(const BusError&) = delete;

  DBusError* operator&() { return &error_; }
  bool IsSet() const { return LibDBus().error_is_set(&error_); }

 private:
  DBusError error_;
};

}  // namespace

std::optional<std::string> SessionBus::Address() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return std::string(address);
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || !*runtime) return std::nullopt;
  const std::string socket = std::string(runtime) + "/bus";
  struct stat info {};
  if (stat(socket.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) return std::nullopt;
  return "unix:path=" + socket;
}

std::unique_ptr<SessionBus> SessionBus::Connect(const std::string& address) {
  if (!DBusLibrary::System()) return nullptr;
  LibDBus().threads_init_default();
  BusError error;
  DBusConnection* connection = LibDBus().connection_open_private(address.c_str(), &error);
  if (!connection) return nullptr;
  std::unique_ptr<SessionBus> bus(new SessionBus(connection));
  // libdbus ends the whole process when a connection drops unless told not
  // to; a bus that goes away only ends this conversation.
  LibDBus().connection_set_exit_on_disconnect(connection, FALSE);
  if (!LibDBus().bus_register(connection, &error)) return nullptr;
  return bus;
}

SessionBus::~SessionBus() {
  LibDBus().connection_close(connection_);
  LibDBus().connection_unref(connection_);
}

std::string SessionBus::UniqueName() const {
  const char* name = LibDBus().bus_get_unique_name(connection_);
  return name ? name : "";
}

bool SessionBus::AddMatch(const std::string& rule) {
  BusError error;
  LibDBus().bus_add_match(connection_, rule.c_str(), &error);
  return !error.IsSet();
}

dbus_uint32_t SessionBus::Send(DBusMessage* message) {
  dbus_uint32_t serial = 0;
  return LibDBus().connection_send(connection_, message, &serial) ? serial : 0;
}

bool SessionBus::Exchange(std::chrono::milliseconds wait) {
  return LibDBus().connection_read_write(connection_, int(wait.count())) &&
         LibDBus().connection_get_is_connected(connection_);
}

void SessionBus::Flush() { LibDBus().connection_flush(connection_); }

BusMessage SessionBus::Next() { return BusMessage(LibDBus().connection_pop_message(connection_)); }

}  // namespace qb
