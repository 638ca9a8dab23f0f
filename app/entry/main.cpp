// The program: one run converts one print job.
#include <cstdio>

#include "app/ControlEventLog.h"
#include "app/ExitStatus.h"
#include "app/QuillbrookMain.h"
#include "app/TerminationSignals.h"
#include "platform/backend/SelectBackend.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/text/FontFace.h"
#include "platform/window/WindowApi.h"
#include "toolkit/app/TApplication.h"

#include <malloc.h>

namespace {

int Run() {
  qb::TApplication application;
  application.Initialize();
  application.SetMainFormOnTaskBar(true);
  application.SetTitle(u"quillbrook");
  application.Icon().SetHandle(LoadIcon(nullptr, IDI_APPLICATION));
  qb::LogControlChanges(application);
  qb::TMainForm* form = application.CreateForm<qb::TMainForm>();
  application.Run();
  return form->ExitStatus();
}

}  // namespace

int main() {
  // From here on a termination signal is a quit request; before, it ends
  // the program before anything is claimed.
  qb::TerminationSignals signals;
  // Start-up builds and drops megabyte-sized buffers (the unpacked skin,
  // its pictures, window surfaces of forms still being laid out). Served
  // from fresh mappings each, every page of them faulted in again; kept in
  // the heap, the next buffer reuses pages that are already there.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  // The first paint needs fonts; their matching set-up loads meanwhile.
  qb::FontFace::PrepareMatching();
  // Without a display nobody can be asked where the PDF goes; the job is
  // left waiting for a start that can ask.
  try {
    qb::InitUserInterfaceThread();
  } catch (const qb::EDisplayUnavailable& error) {
    std::fprintf(stderr, "quillbrook: %s; nothing was converted, print jobs wait for the next start\n", error.what());
    return qb::kExitNoDisplay;
  }
  const int status = Run();
  signals.EndAsSignalled();
  return status;
}
