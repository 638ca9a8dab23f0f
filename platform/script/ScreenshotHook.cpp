#include "platform/script/ScreenshotHook.h"

#include <cstdio>

#include "platform/events/EventLog.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

ScreenshotWriter& InstalledWriter() {
  static ScreenshotWriter writer;
  return writer;
}

}  // namespace

void SetScreenshotWriter(ScreenshotWriter writer) { InstalledWriter() = std::move(writer); }

bool WriteScreenshot(const std::filesystem::path& file) {
  const ScreenshotWriter& writer = InstalledWriter();
  const bool written = writer && writer(file);
  if (!writer) std::fprintf(stderr, "quillbrook: no screenshot writer is installed; %s not written\n", file.c_str());
  events::Log("screenshot", {{"file", ToUtf16(file.string())}, {"written", written}});
  return written;
}

}  // namespace qb
