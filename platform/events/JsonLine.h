// The text form of one event in the event log file.
#pragma once

#include <string>
#include <string_view>

#include "platform/events/EventLog.h"

namespace qb::events {

// Appends text as a JSON string literal (with its quotes), in UTF-8.
// Quotes, backslashes and control characters are escaped; a lone surrogate
// becomes a \uXXXX escape.
void AppendJsonString(std::string& out, std::u16string_view text);

// One line of the log file, ending in "\n".
std::string FormatJsonLine(const Event& event);

}  // namespace qb::events
