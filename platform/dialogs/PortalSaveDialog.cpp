#include "platform/dialogs/PortalSaveDialog.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/dialogs/DialogFilter.h"
#include "platform/dialogs/ModalProgram.h"
#include "platform/process/ExecutableSearch.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

// The portal answers with a Response signal on a request object of its
// own. The monitor is subscribed before the call, so that the answer
// cannot slip past, and picks the signal by our handle token. Exit code 2:
// the portal did not take the call.
constexpr char kAskScript[] = R"(token=$1 gdbus=$2 options=$3 title=$4
dir=$(mktemp -d) || exit 2
mkfifo "$dir/signals" || exit 2
"$gdbus" monitor --session --dest org.freedesktop.portal.Desktop >"$dir/signals" &
monitor=$!
exec 3<"$dir/signals"
rm -rf "$dir"
finish() { kill "$monitor" 2>/dev/null; exit "$1"; }
read -r ready <&3 || finish 2
"$gdbus" call --session --timeout 10 --dest org.freedesktop.portal.Desktop \
  --object-path /org/freedesktop/portal/desktop --method org.freedesktop.portal.FileChooser.SaveFile \
  "" "$title" "$options" >/dev/null || finish 2
while read -r line <&3; do
  case "$line" in
    *"/$token: org.freedesktop.portal.Request.Response"*) printf '%s\n' "$line"; finish 0 ;;
  esac
done
finish 2
)";

// A text in single quotes for GVariant's text form.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "'";
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// file:// URI to path: percent escapes undone, nothing for other schemes.
std::optional<std::string> PathOfUri(const std::string& uri) {
  const std::string scheme = "file://";
  if (uri.rfind(scheme, 0) != 0) return std::nullopt;
  std::string rest = uri.substr(scheme.size());
  const std::size_t slash = rest.find('/');
  if (slash == std::string::npos) return std::nullopt;
  rest = rest.substr(slash);  // drops a host name such as "localhost"
  std::string path;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '%' && i + 2 < rest.size() && HexValue(rest[i + 1]) >= 0 && HexValue(rest[i + 2]) >= 0) {
      path += char(HexValue(rest[i + 1]) * 16 + HexValue(rest[i + 2]));
      i += 2;
    } else {
      path += rest[i];
    }
  }
  return path;
}

}  // namespace

std::string PortalSaveOptions(const SaveDialogRequest& request, const std::string& handleToken) {
  const std::string start = ToUtf8(DefaultSaveChoice(request));
  std::string options = "{'handle_token': <" + Quoted(handleToken) + ">";
  if (!NameOf(start).empty()) options += ", 'current_name': <" + Quoted(NameOf(start)) + ">";
  // A byte string: GVariant's b'' form carries the closing zero the portal
  // expects of a file name.
  if (!FolderOf(start).empty()) options += ", 'current_folder': <b" + Quoted(FolderOf(start)) + ">";
  std::vector<std::string> filters;
  for (const DialogFilter& entry : ParseDialogFilter(request.filter)) {
    std::string patterns;
    for (const std::string& pattern : entry.patterns) {
      patterns += std::string(patterns.empty() ? "" : ", ") + "(uint32 0, " + Quoted(pattern) + ")";
    }
    filters.push_back("(" + Quoted(entry.description) + ", [" + patterns + "])");
  }
  if (!filters.empty()) {
    std::string list;
    for (const std::string& f : filters) list += (list.empty() ? "" : ", ") + f;
    options += ", 'filters': <[" + list + "]>, 'current_filter': <" + filters.front() + ">";
  }
  return options + "}";
}

std::optional<std::u16string> PathFromPortalResponse(const std::string& line) {
  const std::size_t open = line.find("(uint32 ");
  if (open == std::string::npos || line.compare(open + 8, 2, "0,") != 0) return std::nullopt;
  const std::string key = "'uris': <[";
  const std::size_t uris = line.find(key, open);
  if (uris == std::string::npos) return std::nullopt;
  // GVariant prints a text in single quotes, or in double quotes when it
  // holds a single quote, with a backslash before the closing quote's kind.
  std::size_t at = uris + key.size();
  if (at >= line.size() || (line[at] != '\'' && line[at] != '"')) return std::nullopt;
  const char quote = line[at++];
  std::string uri;
  for (; at < line.size() && line[at] != quote; ++at) {
    if (line[at] == '\\' && at + 1 < line.size()) ++at;
    uri += line[at];
  }
  if (at >= line.size()) return std::nullopt;
  const auto path = PathOfUri(uri);
  if (!path || path->empty()) return std::nullopt;
  return ToUtf16(*path);
}

std::optional<PortalAnswer> AskPortalForSavePath(const SaveDialogRequest& request) {
  const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (!bus || !*bus) return std::nullopt;
  const auto gdbus = FindExecutable(u"gdbus");
  if (!gdbus) return std::nullopt;
  // The token names the portal's request object: unique to this dialog.
  const std::string token = "quillbrook" + std::to_string(getpid()) + "_" +
                            std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  const auto outcome = RunModalProgram("/bin/sh", {"-c", kAskScript, "sh", token, ToUtf8(*gdbus),
                                                   PortalSaveOptions(request, token), ToUtf8(request.title)});
  if (outcome && outcome->interrupted) return PortalAnswer{};
  if (!outcome || outcome->exitCode != 0) return std::nullopt;
  return PortalAnswer{PathFromPortalResponse(outcome->output)};
}

}  // namespace qb
