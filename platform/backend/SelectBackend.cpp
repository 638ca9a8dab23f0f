#include "platform/backend/SelectBackend.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/x11/X11Backend.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/png/PngFile.h"
#include "platform/script/ScreenshotHook.h"
#include "platform/script/ScriptedUser.h"
#include "platform/shell/ShellExecute.h"

namespace qb {
namespace {

std::unique_ptr<Backend> StartHeadless() {
  // A headless run records shell requests (the event log has them) and opens nothing.
  SetShellHandler([](std::u16string_view, std::u16string_view) {});
  auto backend = HeadlessBackend::FromEnvironment();
  InstallScreenshotWriter();
  StartScriptedUser();
  return backend;
}

// The screenshot step shows the real screen. A script, when one is given,
// drives the run as on the headless backend, except for its save steps: the
// save dialog is then the desktop's own program.
std::unique_ptr<Backend> StartX11() {
  auto backend = X11Backend::Open();
  if (!backend) return nullptr;
  SetScreenshotWriter([display = backend.get()](const std::filesystem::path& file) {
    try {
      display->WriteScreenPng(file);
      return true;
    } catch (const PngError&) {
      return false;
    }
  });
  if (const char* script = std::getenv("QUILLBROOK_SCRIPT"); script && *script) StartScriptedUser();
  return backend;
}

}  // namespace

std::unique_ptr<Backend> CreateBackend() {
  const char* requested = std::getenv("QUILLBROOK_BACKEND");
  std::string name = requested && *requested ? requested : "";
  if (name.empty()) {
    const char* display = std::getenv("DISPLAY");
    name = display && *display ? "x11" : "headless";
  }
  if (name == "x11") {
    if (auto backend = StartX11()) return backend;
    std::fprintf(stderr, "quillbrook: cannot open the X display; using the headless backend\n");
  } else if (name != "headless") {
    std::fprintf(stderr, "quillbrook: unknown QUILLBROOK_BACKEND \"%s\"; using the headless backend\n", name.c_str());
  }
  return StartHeadless();
}

}  // namespace qb
