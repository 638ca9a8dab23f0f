#include "platform/dialogs/DBusLibrary.h"

#include <dlfcn.h>

#include "platform/Check.h"

namespace qb {
namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace

std::unique_ptr<DBusLibrary> DBusLibrary::Open(const char* soname) {
  void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!library) return nullptr;
  auto table = std::make_unique<DBusLibrary>();
  DBusLibrary& t = *table;
  const bool complete =
      Find(library, "dbus_threads_init_default", t.threads_init_default) &&
      Find(library, "dbus_error_init", t.error_init) && Find(library, "dbus_error_free", t.error_free) &&
      Find(library, "dbus_error_is_set", t.error_is_set) &&
      Find(library, "dbus_connection_open_private", t.connection_open_private) &&
      Find(library, "dbus_connection_set_exit_on_disconnect", t.connection_set_exit_on_disconnect) &&
      Find(library, "dbus_connection_close", t.connection_close) &&
      Find(library, "dbus_connection_unref", t.connection_unref) &&
      Find(library, "dbus_connection_send", t.connection_send) &&
      Find(library, "dbus_connection_read_write", t.connection_read_write) &&
      Find(library, "dbus_connection_get_is_connected", t.connection_get_is_connected) &&
      Find(library, "dbus_connection_flush", t.connection_flush) &&
      Find(library, "dbus_connection_pop_message", t.connection_pop_message) &&
      Find(library, "dbus_bus_register", t.bus_register) &&
      Find(library, "dbus_bus_get_unique_name", t.bus_get_unique_name) &&
      Find(library, "dbus_bus_add_match", t.bus_add_match) &&
      Find(library, "dbus_message_new_method_call", t.message_new_method_call) &&
      Find(library, "dbus_message_unref", t.message_unref) &&
      Find(library, "dbus_message_set_no_reply", t.message_set_no_reply) &&
      Find(library, "dbus_message_get_type", t.message_get_type) &&
      Find(library, "dbus_message_get_reply_serial", t.message_get_reply_serial) &&
      Find(library, "dbus_message_is_signal", t.message_is_signal) &&
      Find(library, "dbus_message_has_path", t.message_has_path) &&
      Find(library, "dbus_message_iter_init", t.message_iter_init) &&
      Find(library, "dbus_message_iter_init_append", t.message_iter_init_append) &&
      Find(library, "dbus_message_iter_append_basic", t.message_iter_append_basic) &&
      Find(library, "dbus_message_iter_append_fixed_array", t.message_iter_append_fixed_array) &&
      Find(library, "dbus_message_iter_open_container", t.message_iter_open_container) &&
      Find(library, "dbus_message_iter_close_container", t.message_iter_close_container) &&
      Find(library, "dbus_message_iter_get_arg_type", t.message_iter_get_arg_type) &&
      Find(library, "dbus_message_iter_get_basic", t.message_iter_get_basic) &&
      Find(library, "dbus_message_iter_recurse", t.message_iter_recurse) &&
      Find(library, "dbus_message_iter_next", t.message_iter_next);
  if (!complete) {
    dlclose(library);
    return nullptr;
  }
  return table;
}

const DBusLibrary* DBusLibrary::System() {
  static const std::unique_ptr<DBusLibrary> library = Open("libdbus-1.so.3");
  return library.get();
}

const DBusLibrary& LibDBus() {
  const DBusLibrary* library = DBusLibrary::System();
  QB_CHECK(library != nullptr);
  return *library;
}

}  // namespace qb
