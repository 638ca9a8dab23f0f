// The scripted user's "screenshot FILE" step writes a PNG of the virtual
// screen through this hook, which the drawing layer installs. Without it the
// step writes nothing and says so on stderr.
#pragma once

#include <filesystem>
#include <functional>

namespace qb {

// Writes the screen to the file; false on failure.
using ScreenshotWriter = std::function<bool(const std::filesystem::path& file)>;

void SetScreenshotWriter(ScreenshotWriter writer);
// True when a writer is installed and it succeeded; the event log's
// "screenshot" event (file, written) says the same.
bool WriteScreenshot(const std::filesystem::path& file);

}  // namespace qb
