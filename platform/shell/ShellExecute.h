// Opening a file or folder the way the desktop would, as the shell's "open"
// verb does.
#pragma once

#include <functional>
#include <string_view>

// Logs "shell-open" (verb, target) and hands the request to the installed
// handler. The default handler, for the verb "open" (in any letter case) or
// an empty verb, starts xdg-open on the target, detached in a session of
// its own with its output on /dev/null; nothing waits for it and its outcome
// is ignored. It does nothing for other verbs or when xdg-open is not found.
void ShellExecute(std::u16string_view verb, std::u16string_view target);

namespace qb {

using ShellHandler = std::function<void(std::u16string_view verb, std::u16string_view target)>;

// Replaces what ShellExecute does after logging; an empty handler puts the
// default back. The headless backend installs a handler that does nothing,
// so that a headless run records the request without opening anything.
// Install it at start-up, before anything may call ShellExecute.
void SetShellHandler(ShellHandler handler);

}  // namespace qb
