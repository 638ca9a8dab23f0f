#include "platform/script/ScreenshotHook.h"

#include <cstdio>

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
  if (!writer) {
    std::fprintf(stderr, "quillbrook: no screenshot writer is installed; %s not written\n", file.c_str());
    return false;
  }
  return writer(file);
}

}  // namespace qb
