// libdbus, opened the first time a conversation with the session bus is
// wanted rather than by the loader at every start: the library and what it
// pulls in (libsystemd, gcrypt, three compressors) cost the program's
// start-up about as much again as a trivial process, for a dialog that most
// sessions ask the portal for once at most. Only the functions we call are
// looked up; their types come from the library's own header.
#pragma once

#include <dbus/dbus.h>

#include <memory>

namespace qb {

struct DBusLibrary {
  decltype(&::dbus_threads_init_default) threads_init_default;
  decltype(&::dbus_error_init) error_init;
  decltype(&::dbus_error_free) error_free;
  decltype(&::dbus_error_is_set) error_is_set;
  decltype(&::dbus_connection_open_private) connection_open_private;
  decltype(&::dbus_connection_set_exit_on_disconnect) connection_set_exit_on_disconnect;
  decltype(&::dbus_connection_close) connection_close;
  decltype(&::dbus_connection_unref) connection_unref;
  decltype(&::dbus_connection_send) connection_send;
  decltype(&::dbus_connection_read_write) connection_read_write;
  decltype(&::dbus_connection_get_is_connected) connection_get_is_connected;
  decltype(&::dbus_connection_flush) connection_flush;
  decltype(&::dbus_connection_pop_message) connection_pop_message;
  decltype(&::dbus_bus_register) bus_register;
  decltype(&::dbus_bus_get_unique_name) bus_get_unique_name;
  decltype(&::dbus_bus_add_match) bus_add_match;
  decltype(&::dbus_message_new_method_call) message_new_method_call;
  decltype(&::dbus_message_unref) message_unref;
  decltype(&::dbus_message_set_no_reply) message_set_no_reply;
  decltype(&::dbus_message_get_type) message_get_type;
  decltype(&::dbus_message_get_reply_serial) message_get_reply_serial;
  decltype(&::dbus_message_is_signal) message_is_signal;
  decltype(&::dbus_message_has_path) message_has_path;
  decltype(&::dbus_message_iter_init) message_iter_init;
  decltype(&::dbus_message_iter_init_append) message_iter_init_append;
  decltype(&::dbus_message_iter_append_basic) message_iter_append_basic;
  decltype(&::dbus_message_iter_append_fixed_array) message_iter_append_fixed_array;
  decltype(&::dbus_message_iter_open_container) message_iter_open_container;
  decltype(&::dbus_message_iter_close_container) message_iter_close_container;
  decltype(&::dbus_message_iter_get_arg_type) message_iter_get_arg_type;
  decltype(&::dbus_message_iter_get_basic) message_iter_get_basic;
  decltype(&::dbus_message_iter_recurse) message_iter_recurse;
  decltype(&::dbus_message_iter_next) message_iter_next;

  // The library under `soname` with every function above; null when it is
  // not installed or lacks one of them. It stays loaded for the rest of the
  // process: libdbus keeps threads' locks and atexit hooks of its own.
  static std::unique_ptr<DBusLibrary> Open(const char* soname);
  // The system's libdbus, opened once; null when there is none, which means
  // that there is no portal to talk to.
  static const DBusLibrary* System();
};

// The system's libdbus once a bus connection has shown that it is there.
const DBusLibrary& LibDBus();

}  // namespace qb
