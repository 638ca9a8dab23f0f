// The program: one run converts one print job.
#include "app/ControlEventLog.h"
#include "app/QuillbrookMain.h"
#include "platform/dialogs/DesktopSaveDialog.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/text/FontFace.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/dialogs/MessageBox.h"

#include <malloc.h>

int main() {
  // Start-up builds and drops megabyte-sized buffers (the unpacked skin,
  // its pictures, window surfaces of forms still being laid out). Served
  // from fresh mappings each, every page of them faulted in again; kept in
  // the heap, the next buffer reuses pages that are already there.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  // The first paint needs fonts; their matching set-up loads meanwhile.
  qb::FontFace::PrepareMatching();
  qb::TApplication application;
  application.Initialize();
  application.SetMainFormOnTaskBar(true);
  application.SetTitle(u"quillbrook");
  application.Icon().SetHandle(LoadIcon(nullptr, IDI_APPLICATION));
  qb::LogControlChanges(application);
  // The desktop's save dialog says through our message box when it has no
  // dialog to show.
  qb::SetDialogNotice(qb::ShowMessage);
  application.CreateForm<qb::TMainForm>();
  application.Run();
  qb::SetDialogNotice({});
  return 0;
}
