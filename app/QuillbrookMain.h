// The notification window and the whole workflow of one run: claim the
// print job, ask where the PDF goes, convert it with Ghostscript while the
// window slides up with a looping gauge, then offer to open the PDF or its
// folder and close after a 20-second countdown.
//
// Every end of the tool is a quit request (PostQuitMessage); the handler
// that makes it runs on to its end. A file created, deleted or renamed in
// the program's "res" folder ends the tool at any time, and so does a
// termination signal (TerminationSignals). The claimed job is removed only
// when it is done with (converted, the conversion failed, or the user
// cancelled); every other end puts it back under its ".ps" name.
#pragma once

#include <string>
#include <vector>

#include "app/ClaimedJob.h"
#include "skin/data/TskCompressedSkinList.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/TskSkinForm.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/controls/TButton.h"
#include "toolkit/controls/TLabel.h"
#include "toolkit/dialogs/TSaveDialog.h"
#include "toolkit/forms/TForm.h"
#include "watch/TChangeNotify.h"

namespace qb {

class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner);

  // The stored description's components, in creation order.
  TLabel* Label3 = nullptr;
  TskSkinGauge* Gauge = nullptr;
  TButton* ProcessButton = nullptr;
  TskSkinButton* OpenPDFFileButton = nullptr;
  TskSkinButton* OpenPDFPathButton = nullptr;
  TskSkinButton* CloseButton = nullptr;
  TTimer* CloseWindowTimer = nullptr;
  TTimer* PositionTimer = nullptr;
  TTimer* GaugeTimer = nullptr;
  TTimer* AfterPDFWasCreatedTimer = nullptr;
  TSaveDialog* SaveDialog = nullptr;
  TskCompressedSkinList* skCompressedSkinList1 = nullptr;
  TskSkinData* skSkinData1 = nullptr;
  TskSkinForm* skSkinForm1 = nullptr;
  TChangeNotify* ShutdownChangeNotify = nullptr;

  // The run's state, touched only on the user-interface thread. Entry 0 of
  // JobList is the job of this run.
  std::vector<std::u16string> JobList;
  std::u16string SettingsFolder;
  int CountdownSeconds = 20;
  bool ShutdownRequested = false;

  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void FormMouseEnter(TObject* Sender);
  void ProcessButtonClick(TObject* Sender);
  void PositionTimerTimer(TObject* Sender);
  void GaugeTimerTimer(TObject* Sender);
  void AfterPDFWasCreatedTimerTimer(TObject* Sender);
  void CloseWindowTimerTimer(TObject* Sender);
  void OpenPDFFileButtonClick(TObject* Sender);
  void OpenPDFPathButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void ShutdownChangeNotifyChangeNotify(TObject* Sender, const std::u16string& Dir, TChangeActions Actions);

  // The program's exit status once the loop has ended (ExitStatus.h).
  int ExitStatus() const { return exitStatus_; }

 protected:
  void CreateComponents() override;
  void ResolveReferences() override;

 private:
  // The top edge at which the window sits on the bottom of the work area.
  int RestingTop();
  void Park();
  void ShowMessageAndQuit(const std::u16string& text);

  std::u16string programFolder_;
  std::u16string pdfPath_;
  ClaimedJob claimedJob_;
  bool processingStarted_ = false;
  int exitStatus_ = 0;
};

}  // namespace qb
