// Reading the event log file that a program under test wrote
// (QUILLBROOK_EVENTS): one flat JSON object per line.
#pragma once

#include <filesystem>
#include <vector>

#include "platform/events/EventLog.h"

namespace qb::test {

// The events in the order written; a line that is not a flat object of
// texts, integers and flags ends the reading (a torn last line).
std::vector<events::Event> ReadEventFile(const std::filesystem::path& file);

}  // namespace qb::test
