#include "tests/platform/dialogs/FakePortal.h"

#include <dbus/dbus.h>

#include <memory>

namespace qb::test {

struct FakePortal::Connection {
  DBusConnection* bus = nullptr;
};

namespace {

std::string ReadString(DBusMessageIter* iter) {
  const char* text = nullptr;
  dbus_message_iter_get_basic(iter, &text);
  return text;
}

// (sa(us))
NamedFilter ReadFilter(DBusMessageIter* structure) {
  DBusMessageIter fields, rules;
  dbus_message_iter_recurse(structure, &fields);
  NamedFilter filter{ReadString(&fields), {}};
  dbus_message_iter_next(&fields);
  dbus_message_iter_recurse(&fields, &rules);
  for (; dbus_message_iter_get_arg_type(&rules) == DBUS_TYPE_STRUCT; dbus_message_iter_next(&rules)) {
    DBusMessageIter rule;
    dbus_message_iter_recurse(&rules, &rule);
    dbus_uint32_t kind = 0;
    dbus_message_iter_get_basic(&rule, &kind);
    dbus_message_iter_next(&rule);
    filter.second.emplace_back(kind, ReadString(&rule));
  }
  return filter;
}

PortalCall ReadCall(DBusMessage* message) {
  PortalCall call;
  DBusMessageIter arguments, options;
  dbus_message_iter_init(message, &arguments);
  call.parentWindow = ReadString(&arguments);
  dbus_message_iter_next(&arguments);
  call.title = ReadString(&arguments);
  dbus_message_iter_next(&arguments);
  dbus_message_iter_recurse(&arguments, &options);
  for (; dbus_message_iter_get_arg_type(&options) == DBUS_TYPE_DICT_ENTRY; dbus_message_iter_next(&options)) {
    DBusMessageIter entry, value;
    dbus_message_iter_recurse(&options, &entry);
    const std::string key = ReadString(&entry);
    dbus_message_iter_next(&entry);
    dbus_message_iter_recurse(&entry, &value);
    char* rawSignature = dbus_message_iter_get_signature(&value);
    const std::string signature = rawSignature ? rawSignature : "";
    dbus_free(rawSignature);
    if (key == "handle_token" && signature == "s") call.handleToken = ReadString(&value);
    if (key == "current_name" && signature == "s") call.currentName = ReadString(&value);
    if (key == "modal" && signature == "b") {
      dbus_bool_t modal = FALSE;
      dbus_message_iter_get_basic(&value, &modal);
      call.modal = modal;
    }
    if (key == "current_folder" && signature == "ay") {
      DBusMessageIter bytes;
      const char* data = nullptr;
      int length = 0;
      dbus_message_iter_recurse(&value, &bytes);
      dbus_message_iter_get_fixed_array(&bytes, &data, &length);
      call.currentFolder.assign(data, std::size_t(length));
    }
    if (key == "filters" && signature == "a(sa(us))") {
      DBusMessageIter filters;
      dbus_message_iter_recurse(&value, &filters);
      for (; dbus_message_iter_get_arg_type(&filters) == DBUS_TYPE_STRUCT; dbus_message_iter_next(&filters)) {
        call.filters.push_back(ReadFilter(&filters));
      }
    }
    if (key == "current_filter" && signature == "(sa(us))") call.currentFilter = ReadFilter(&value);
  }
  return call;
}

// The portal's rule for where a request lives: the caller's unique name
// without the colon and with '_' for '.', then the caller's token.
std::string RequestPath(const std::string& sender, const std::string& token) {
  std::string name = sender.substr(1);
  for (char& c : name) c = c == '.' ? '_' : c;
  return "/org/freedesktop/portal/desktop/request/" + name + "/" + token;
}

void SendResponse(DBusConnection* bus, const std::string& path, const FakeAnswer& answer) {
  DBusMessage* signal = dbus_message_new_signal(path.c_str(), "org.freedesktop.portal.Request", "Response");
  DBusMessageIter arguments, results;
  dbus_message_iter_init_append(signal, &arguments);
  dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UINT32, &answer.code);
  dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, "{sv}", &results);
  if (!answer.uri.empty()) {
    DBusMessageIter entry, variant, uris;
    const char* key = "uris";
    const char* uri = answer.uri.c_str();
    dbus_message_iter_open_container(&results, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "as", &variant);
    dbus_message_iter_open_container(&variant, DBUS_TYPE_ARRAY, "s", &uris);
    dbus_message_iter_append_basic(&uris, DBUS_TYPE_STRING, &uri);
    dbus_message_iter_close_container(&variant, &uris);
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(&results, &entry);
  }
  dbus_message_iter_close_container(&arguments, &results);
  dbus_connection_send(bus, signal, nullptr);
  dbus_message_unref(signal);
}

void SendReply(DBusConnection* bus, DBusMessage* call, const std::string& path) {
  DBusMessage* reply = dbus_message_new_method_return(call);
  const char* handle = path.c_str();
  dbus_message_append_args(reply, DBUS_TYPE_OBJECT_PATH, &handle, DBUS_TYPE_INVALID);
  dbus_connection_send(bus, reply, nullptr);
  dbus_message_unref(reply);
}

void SendError(DBusConnection* bus, DBusMessage* call) {
  DBusMessage* reply = dbus_message_new_error(call, "org.freedesktop.DBus.Error.Failed", "no file chooser");
  dbus_connection_send(bus, reply, nullptr);
  dbus_message_unref(reply);
}

}  // namespace

FakePortal::FakePortal(const std::string& address, std::vector<FakeAnswer> answers) : answers_(std::move(answers)) {
  dbus_threads_init_default();
  DBusError error;
  dbus_error_init(&error);
  auto connection = std::make_unique<Connection>();
  connection->bus = dbus_connection_open_private(address.c_str(), &error);
  if (connection->bus) {
    dbus_connection_set_exit_on_disconnect(connection->bus, FALSE);
    // The bus may not yet have seen the end of the fake portal before this
    // one, which held the name; it lets go of it when it does.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    bool registered = dbus_bus_register(connection->bus, &error);
    while (registered && !ready_ && std::chrono::steady_clock::now() < giveUp) {
      ready_ = dbus_bus_request_name(connection->bus, "org.freedesktop.portal.Desktop", DBUS_NAME_FLAG_DO_NOT_QUEUE,
                                     &error) == DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER;
      registered = !dbus_error_is_set(&error);
      if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  dbus_error_free(&error);
  if (!connection->bus) return;
  thread_ = std::thread([this, connection = std::move(connection)] {
    if (ready_) Serve(*connection);
    dbus_connection_close(connection->bus);
    dbus_connection_unref(connection->bus);
  });
}

FakePortal::~FakePortal() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

std::vector<PortalCall> FakePortal::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

std::vector<std::string> FakePortal::Closed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

void FakePortal::Serve(Connection& connection) {
  std::size_t next = 0;
  while (!stop_) {
    if (!dbus_connection_read_write(connection.bus, 20)) return;
    while (DBusMessage* message = dbus_connection_pop_message(connection.bus)) {
      if (dbus_message_is_method_call(message, "org.freedesktop.portal.FileChooser", "SaveFile")) {
        PortalCall call = ReadCall(message);
        call.requestPath = RequestPath(dbus_message_get_sender(message), call.handleToken);
        const FakeAnswer answer = next < answers_.size() ? answers_[next++] : FakeAnswer::Only(FakeAnswer::kSilent);
        {
          std::lock_guard lock(mutex_);
          calls_.push_back(call);
        }
        std::this_thread::sleep_for(answer.delay);
        if (answer.kind == FakeAnswer::kRespond) SendResponse(connection.bus, call.requestPath, answer);
        if (answer.kind == FakeAnswer::kError) SendError(connection.bus, message);
        if (answer.kind == FakeAnswer::kRespond || answer.kind == FakeAnswer::kReplyOnly) {
          SendReply(connection.bus, message, call.requestPath);
        }
        dbus_connection_flush(connection.bus);
      } else if (dbus_message_is_method_call(message, "org.freedesktop.portal.Request", "Close")) {
        std::lock_guard lock(mutex_);
        closed_.push_back(dbus_message_get_path(message));
      }
      dbus_message_unref(message);
    }
  }
}

}  // namespace qb::test
