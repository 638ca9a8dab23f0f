#include "platform/backend/SelectBackend.h"

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
  StartScriptedUser(ScriptedUser::kActsOnItsOwn);
  return backend;
}

// The screenshot step shows the real screen. A script, when one is given,
// drives the run as on the headless backend, except for its save steps: the
// save dialog is then the desktop's own program. Whatever the script leaves
// open is the real user's to answer.
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
  if (const char* script = std::getenv("QUILLBROOK_SCRIPT"); script && *script) {
    StartScriptedUser(ScriptedUser::kLeavesTheRest);
  }
  return backend;
}

}  // namespace

std::unique_ptr<Backend> CreateBackend() {
  const char* requested = std::getenv("QUILLBROOK_BACKEND");
  const std::string name = requested && *requested ? requested : "";
  if (name == "headless") return StartHeadless();
  if (!name.empty() && name != "x11") {
    throw EDisplayUnavailable("unknown QUILLBROOK_BACKEND \"" + name + "\" (headless or x11)");
  }
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) throw EDisplayUnavailable("no display: DISPLAY is not set");
  if (auto backend = StartX11()) return backend;
  throw EDisplayUnavailable("cannot open the X display \"" + std::string(display) + "\"");
}

}  // namespace qb
