// The program's message box: a modal window with the text and one OK
// button, captioned with the application's title and centred on the screen.
// It logs "message-box" (caption, text) when shown and announces itself to
// the scripted user, whose "message ok" presses the button. Its loop keeps
// timers and hand-offs from worker threads running. Needs the application.
#pragma once

#include <string>

namespace qb {

void ShowMessage(const std::u16string& text);

}  // namespace qb
