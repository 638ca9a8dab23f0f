// The program: one run converts one print job.
#include "app/ControlEventLog.h"
#include "app/QuillbrookMain.h"
#include "platform/gdi/Icon.h"
#include "toolkit/app/TApplication.h"

int main() {
  qb::TApplication application;
  application.Initialize();
  application.SetMainFormOnTaskBar(true);
  application.SetTitle(u"quillbrook");
  application.Icon().SetHandle(LoadIcon(nullptr, IDI_APPLICATION));
  qb::LogControlChanges(application);
  application.CreateForm<qb::TMainForm>();
  application.Run();
  return 0;
}
