#include "platform/dialogs/PortalMessages.h"

#include <functional>

#include "platform/dialogs/DialogFilter.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The bus takes valid UTF-8 only and refuses the whole message otherwise;
// the bytes of a file name that is no UTF-8 (kept as lone surrogates)
// become replacement characters in what the dialog shows.
std::string BusText(const std::u16string& text) {
  std::u16string valid;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      valid += c;
      valid += text[++i];
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c == 0) {
      valid += u'\uFFFD';
    } else {
      valid += c;
    }
  }
  return ToUtf8(valid);
}

void AppendString(DBusMessageIter* iter, const std::string& text) {
  const char* value = text.c_str();
  LibDBus().message_iter_append_basic(iter, DBUS_TYPE_STRING, &value);
}

// One "key" → variant entry of an a{sv} dictionary.
void AppendOption(DBusMessageIter* dictionary, const char* key, const char* signature,
                  const std::function<void(DBusMessageIter*)>& writeValue) {
  DBusMessageIter entry, variant;
  LibDBus().message_iter_open_container(dictionary, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
  LibDBus().message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
  LibDBus().message_iter_open_container(&entry, DBUS_TYPE_VARIANT, signature, &variant);
  writeValue(&variant);
  LibDBus().message_iter_close_container(&entry, &variant);
  LibDBus().message_iter_close_container(dictionary, &entry);
}

// (sa(us)): a named filter whose rules are glob patterns (kind 0).
void AppendFilter(DBusMessageIter* iter, const DialogFilter& filter) {
  DBusMessageIter structure, rules;
  LibDBus().message_iter_open_container(iter, DBUS_TYPE_STRUCT, nullptr, &structure);
  AppendString(&structure, BusText(ToUtf16(filter.description)));
  LibDBus().message_iter_open_container(&structure, DBUS_TYPE_ARRAY, "(us)", &rules);
  for (const std::string& pattern : filter.patterns) {
    DBusMessageIter rule;
    const dbus_uint32_t glob = 0;
    LibDBus().message_iter_open_container(&rules, DBUS_TYPE_STRUCT, nullptr, &rule);
    LibDBus().message_iter_append_basic(&rule, DBUS_TYPE_UINT32, &glob);
    AppendString(&rule, BusText(ToUtf16(pattern)));
    LibDBus().message_iter_close_container(&rules, &rule);
  }
  LibDBus().message_iter_close_container(&structure, &rules);
  LibDBus().message_iter_close_container(iter, &structure);
}

// The variant's value, entered, when it is of type `type`.
bool EnterVariant(DBusMessageIter* variant, int type, DBusMessageIter* value) {
  if (LibDBus().message_iter_get_arg_type(variant) != DBUS_TYPE_VARIANT) return false;
  LibDBus().message_iter_recurse(variant, value);
  return LibDBus().message_iter_get_arg_type(value) == type;
}

std::vector<std::string> ReadStrings(DBusMessageIter* array) {
  std::vector<std::string> strings;
  DBusMessageIter item;
  LibDBus().message_iter_recurse(array, &item);
  while (LibDBus().message_iter_get_arg_type(&item) == DBUS_TYPE_STRING) {
    const char* text = nullptr;
    LibDBus().message_iter_get_basic(&item, &text);
    strings.emplace_back(text);
    LibDBus().message_iter_next(&item);
  }
  return strings;
}

}  // namespace

std::string PortalRequestPath(const std::string& sender, const std::string& token) {
  std::string name = sender.starts_with(':') ? sender.substr(1) : sender;
  for (char& c : name) {
    if (c == '.') c = '_';
  }
  return std::string(kPortalObject) + "/request/" + name + "/" + token;
}

std::string ResponseRule(const std::string& path) {
  return "type='signal',sender='" + std::string(kPortalService) + "',path='" + path + "',interface='" +
         kRequestInterface + "',member='Response'";
}

BusMessage SaveFileCall(const SaveDialogRequest& request, const std::string& token) {
  BusMessage call(LibDBus().message_new_method_call(kPortalService, kPortalObject, kFileChooserInterface, "SaveFile"));
  const std::u16string start = DefaultSaveChoice(request);
  const std::size_t slash = start.find_last_of(u"/\\");
  const std::u16string name = slash == std::u16string::npos ? start : start.substr(slash + 1);
  const std::u16string folder = slash == std::u16string::npos ? u"" : start.substr(0, slash == 0 ? 1 : slash);
  const std::vector<DialogFilter> filters = ParseDialogFilter(request.filter);

  DBusMessageIter arguments, options;
  LibDBus().message_iter_init_append(call.get(), &arguments);
  // No parent window: ours waits below the screen while the dialog is open,
  // and the dialog would be placed over it.
  AppendString(&arguments, "");
  AppendString(&arguments, BusText(request.title));
  LibDBus().message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, "{sv}", &options);
  AppendOption(&options, "handle_token", "s", [&](DBusMessageIter* value) { AppendString(value, token); });
  AppendOption(&options, "modal", "b", [](DBusMessageIter* value) {
    const dbus_bool_t yes = TRUE;
    LibDBus().message_iter_append_basic(value, DBUS_TYPE_BOOLEAN, &yes);
  });
  if (!name.empty()) {
    AppendOption(&options, "current_name", "s", [&](DBusMessageIter* value) { AppendString(value, BusText(name)); });
  }
  if (!folder.empty()) {
    // The folder goes as the file system's own bytes, NUL-terminated.
    const std::string bytes = ToUtf8(folder);
    AppendOption(&options, "current_folder", "ay", [&](DBusMessageIter* value) {
      DBusMessageIter array;
      const char* data = bytes.c_str();
      LibDBus().message_iter_open_container(value, DBUS_TYPE_ARRAY, "y", &array);
      LibDBus().message_iter_append_fixed_array(&array, DBUS_TYPE_BYTE, &data, int(bytes.size() + 1));
      LibDBus().message_iter_close_container(value, &array);
    });
  }
  if (!filters.empty()) {
    AppendOption(&options, "filters", "a(sa(us))", [&](DBusMessageIter* value) {
      DBusMessageIter array;
      LibDBus().message_iter_open_container(value, DBUS_TYPE_ARRAY, "(sa(us))", &array);
      for (const DialogFilter& filter : filters) AppendFilter(&array, filter);
      LibDBus().message_iter_close_container(value, &array);
    });
    AppendOption(&options, "current_filter", "(sa(us))",
                 [&](DBusMessageIter* value) { AppendFilter(value, filters.front()); });
  }
  LibDBus().message_iter_close_container(&arguments, &options);
  return call;
}

BusMessage CloseRequestCall(const std::string& path) {
  BusMessage call(LibDBus().message_new_method_call(kPortalService, path.c_str(), kRequestInterface, "Close"));
  LibDBus().message_set_no_reply(call.get(), TRUE);
  return call;
}

std::optional<std::string> ReadRequestHandle(DBusMessage* reply) {
  if (LibDBus().message_get_type(reply) != DBUS_MESSAGE_TYPE_METHOD_RETURN) return std::nullopt;
  DBusMessageIter arguments;
  if (!LibDBus().message_iter_init(reply, &arguments) ||
      LibDBus().message_iter_get_arg_type(&arguments) != DBUS_TYPE_OBJECT_PATH) {
    return std::nullopt;
  }
  const char* path = nullptr;
  LibDBus().message_iter_get_basic(&arguments, &path);
  return std::string(path);
}

std::optional<PortalResponse> ReadResponse(DBusMessage* message, const std::string& path) {
  if (!LibDBus().message_is_signal(message, kRequestInterface, "Response") ||
      !LibDBus().message_has_path(message, path.c_str())) {
    return std::nullopt;
  }
  PortalResponse response;
  DBusMessageIter arguments;
  if (!LibDBus().message_iter_init(message, &arguments) ||
      LibDBus().message_iter_get_arg_type(&arguments) != DBUS_TYPE_UINT32) {
    return response;
  }
  LibDBus().message_iter_get_basic(&arguments, &response.code);
  if (!LibDBus().message_iter_next(&arguments) || LibDBus().message_iter_get_arg_type(&arguments) != DBUS_TYPE_ARRAY) {
    return response;
  }
  DBusMessageIter entries;
  LibDBus().message_iter_recurse(&arguments, &entries);
  for (; LibDBus().message_iter_get_arg_type(&entries) == DBUS_TYPE_DICT_ENTRY; LibDBus().message_iter_next(&entries)) {
    DBusMessageIter entry, value;
    LibDBus().message_iter_recurse(&entries, &entry);
    if (LibDBus().message_iter_get_arg_type(&entry) != DBUS_TYPE_STRING) continue;
    const char* key = nullptr;
    LibDBus().message_iter_get_basic(&entry, &key);
    LibDBus().message_iter_next(&entry);
    if (std::string_view(key) == "uris" && EnterVariant(&entry, DBUS_TYPE_ARRAY, &value)) {
      response.uris = ReadStrings(&value);
    }
  }
  return response;
}

}  // namespace qb
