#include "app/QuillbrookMain.h"

#include <string>

#include "app/ExitStatus.h"
#include "app/GhostscriptCommand.h"
#include "app/RunAndWait.h"
#include "app/SaveFolder.h"
#include "app/SpoolSearch.h"
#include "app/SuggestedName.h"
#include "app/TerminationSignals.h"
#include "platform/dialogs/SaveDialog.h"
#include "platform/files/FileAttributes.h"
#include "platform/files/FileOperations.h"
#include "platform/files/ProgramFolder.h"
#include "platform/gdi/text/Font.h"
#include "platform/profile/ProfileFile.h"
#include "platform/shell/ShellExecute.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowStyles.h"
#include "skin/data/ApplicationFormNotifier.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/dialogs/MessageBox.h"
#include "tools/embed/EmbeddedSkin.h"
#include "watch/WatchErrors.h"

namespace qb {
namespace {

constexpr char16_t kSettings[] = u"settings";

std::u16string FolderPart(const std::u16string& path) { return path.substr(0, path.rfind(u'/') + 1); }

std::u16string WithTrailingSlash(std::u16string folder) {
  if (!folder.ends_with(u'/')) folder += u'/';
  return folder;
}

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {}

void TMainForm::CreateComponents() {
  SetName(u"MainForm");
  SetCaption(u"Erzeuge PDF-Datei");
  SetBorderStyle(bsSingle);
  SetBorderIcons({});
  SetFormStyle(fsStayOnTop);
  SetPosition(poDesigned);
  SetBounds(0, 0, Width(), Height());
  SetColor(clBtnFace);
  Font().SetName(u"Tahoma");
  Font().SetHeight(-11);
  Font().SetCharset(DEFAULT_CHARSET);
  Font().SetColor(clWindowText);
  SetScaled(false);
  SetClientWidth(605);
  SetClientHeight(454);
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
    FormMouseDown(sender, button, shift, x, y);
  };
  OnMouseEnter = [this](TObject* sender) { FormMouseEnter(sender); };

  Label3 = Make<TLabel>(u"Label3", this);
  Label3->SetBounds(8, 99, 173, 13);
  Label3->SetCaption(u"Fenster schließt sich in 20 Sekunden");
  Label3->SetTransparent(true);
  Label3->SetVisible(false);
  // The label lies on the window's free area: the pointer on it counts as
  // on the window itself, for the countdown and for dragging alike.
  Label3->OnMouseEnter = OnMouseEnter;
  Label3->OnMouseDown = OnMouseDown;

  Gauge = Make<TskSkinGauge>(u"Gauge", this);
  Gauge->SetSkinDataName(u"gauge");
  Gauge->SetBounds(0, 0, ClientWidth(), ClientHeight());
  Gauge->SetMinValue(0);
  Gauge->SetMaxValue(100);
  Gauge->SetValue(0);
  Gauge->SetProgressAnimationPause(3000);
  Gauge->SetShowProgressText(false);
  Gauge->SetShowPercent(false);
  Gauge->SetVertical(false);
  Gauge->SetUseSkinSize(false);

  ProcessButton = Make<TButton>(u"ProcessButton", this);
  ProcessButton->SetBounds(48, 178, 75, 25);
  ProcessButton->SetCaption(u"Process");
  ProcessButton->SetVisible(false);
  ProcessButton->OnClick = [this](TObject* sender) { ProcessButtonClick(sender); };

  struct ActionButton {
    TskSkinButton*& button;
    const char16_t* name;
    int top;
    const char16_t* caption;
    void (TMainForm::*handler)(TObject*);
  };
  const ActionButton actions[] = {
      {OpenPDFFileButton, u"OpenPDFFileButton", 3, u"PDF-Datei öffnen", &TMainForm::OpenPDFFileButtonClick},
      {OpenPDFPathButton, u"OpenPDFPathButton", 34, u"Speicherort der Datei öffnen",
       &TMainForm::OpenPDFPathButtonClick},
      {CloseButton, u"CloseButton", 65, u"Dieses Fenster schließen", &TMainForm::CloseButtonClick},
  };
  for (int order = 0; const ActionButton& action : actions) {
    action.button = Make<TskSkinButton>(action.name, this);
    action.button->SetSkinDataName(u"resizebutton");
    action.button->SetBounds(8, action.top, 170, 25);
    action.button->SetCaption(action.caption);
    action.button->SetTabOrder(order++);
    action.button->SetVisible(false);
    action.button->OnClick = [this, handler = action.handler](TObject* sender) { (this->*handler)(sender); };
  }
  OpenPDFFileButton->SetDefault(true);

  struct Timer {
    TTimer*& timer;
    const char16_t* name;
    UINT interval;
    void (TMainForm::*handler)(TObject*);
  };
  const Timer timers[] = {
      {CloseWindowTimer, u"CloseWindowTimer", 1000, &TMainForm::CloseWindowTimerTimer},
      {PositionTimer, u"PositionTimer", 50, &TMainForm::PositionTimerTimer},
      {GaugeTimer, u"GaugeTimer", 50, &TMainForm::GaugeTimerTimer},
      {AfterPDFWasCreatedTimer, u"AfterPDFWasCreatedTimer", 50, &TMainForm::AfterPDFWasCreatedTimerTimer},
  };
  for (const Timer& t : timers) {
    t.timer = Make<TTimer>(t.name);
    t.timer->SetEnabled(false);
    t.timer->SetInterval(t.interval);
    t.timer->SetOnTimer([this, handler = t.handler](TObject* sender) { (this->*handler)(sender); });
  }

  SaveDialog = Make<TSaveDialog>(u"SaveDialog");
  SaveDialog->Options = {ofOverwritePrompt, ofHideReadOnly, ofEnableSizing};

  skCompressedSkinList1 = Make<TskCompressedSkinList>(u"skCompressedSkinList1");
  TskSkinListItem* skin = skCompressedSkinList1->Skins().Add();
  skin->SetName(kEmbeddedSkinItemName);
  skin->ReadSkin(EmbeddedSkin());

  skSkinData1 = Make<TskSkinData>(u"skSkinData1");
  skSkinData1->SetSkinnableForm(true);
  skSkinData1->SetShowLayeredBorders(true);
  skSkinData1->SetAeroBlurEnabled(true);
  skSkinData1->EnableSkinEffects = true;
  skSkinData1->ShowButtonGlowFrames = true;
  skSkinData1->ShowCaptionButtonGlowFrames = true;
  skSkinData1->DlgTreeViewDrawSkin = true;
  skSkinData1->DlgListViewDrawSkin = true;
  skSkinData1->AnimationForAllWindows = false;
  skSkinData1->SetSkinIndex(0);
  // The skin is read here rather than with the other references: the skin
  // form made next paints at once and would wait for the fonts' set-up,
  // which goes on meanwhile on its helper thread.
  skSkinData1->SetSkinList(skCompressedSkinList1);

  skSkinForm1 = Make<TskSkinForm>(u"skSkinForm1");
  skSkinForm1->SetBorderIcons({});
  skSkinForm1->Magnetic = true;
  skSkinForm1->MagneticSize = 5;
  skSkinForm1->SetShowIcon(true);
  skSkinForm1->UseSkinFontInCaption = true;
  skSkinForm1->AlwaysShowInTray = true;
  skSkinForm1->AlwaysMinimizeToTray = true;
  skSkinForm1->SetAlphaBlend(false);
  skSkinForm1->SetAlphaBlendValue(250);
  TFont captionFont;
  captionFont.SetName(u"Arial");
  captionFont.SetHeight(14);
  captionFont.SetStyle({fsBold});
  captionFont.SetColor(clBtnText);
  skSkinForm1->SetDefCaptionFont(captionFont);
  captionFont.SetColor(clBtnShadow);
  skSkinForm1->SetDefInActiveCaptionFont(captionFont);

  ShutdownChangeNotify = Make<TChangeNotify>(u"ShutdownChangeNotify");
  ShutdownChangeNotify->SetCheckInterval(100);
  ShutdownChangeNotify->SetFreeOnTerminate(true);
  TChangeItem* watched = ShutdownChangeNotify->Notifications()->Add();
  watched->SetActions({caChangeFileName});
  watched->SetIncludeSubTrees(false);
  ShutdownChangeNotify->OnChangeNotify = [this](TObject* sender, const std::u16string& dir, TChangeActions actions) {
    ShutdownChangeNotifyChangeNotify(sender, dir, actions);
  };
}

void TMainForm::ResolveReferences() {
  skSkinForm1->SetSkinData(skSkinData1);
  Gauge->SetSkinData(skSkinData1);
  for (TskSkinButton* button : {OpenPDFFileButton, OpenPDFPathButton, CloseButton}) button->SetSkinData(skSkinData1);
  // From here on a change of skin reaches every form of the program.
  skSkinData1->SetFormNotifier(&ApplicationForms());
}

void TMainForm::FormCreate(TObject*) {
  Icon().Assign(&Application()->Icon());
  programFolder_ = GetProgramFolder();

  // Without the watched folder the tool has neither its signal nor its
  // settings: it says why and ends before it claims anything.
  try {
    ShutdownChangeNotify->Notifications()->Items(0)->SetDirectory(programFolder_ + u"res");
    ShutdownChangeNotify->SetActive(true);
  } catch (const EWatchException& error) {
    ShowMessageAndQuit(ToUtf16(error.what()));
    return;
  }

  const std::u16string nameSpace =
      GetPrivateProfileString(kSettings, u"namespace", u"", programFolder_ + u"res/global.ini");
  if (nameSpace.empty()) {
    ShowMessageAndQuit(u"vellumix.exe: Beim Einlesen der Datei \"res\\global.ini\" ist ein Fehler aufgetreten.");
    return;
  }

  SetClientHeight(30);
  SetClientWidth(194);
  Gauge->SetBounds(0, 0, ClientWidth(), ClientHeight());

  SettingsFolder = GetAppDataFolder() + u"/quillbrook/" + nameSpace + u"/";
  if (!FolderExists(SettingsFolder)) CreateFolderWithParents(SettingsFolder);
  const std::u16string spoolFolder =
      GetCommonAppDataFolder() + u"/quillbrook/" + nameSpace + u"/" + GetCurrentUserName() + u"/";

  FoundList found;
  FindFiles(found, spoolFolder, u"*.ps", false, false, true);
  JobList.clear();
  for (const FoundEntry& entry : found) JobList.push_back(entry.path);

  // Only the first job is claimed; the others wait for later runs. A failed
  // rename shows later as a failed conversion of the ".tmp" name.
  if (!JobList.empty()) {
    claimedJob_.Claim(JobList[0]);
    JobList[0] = claimedJob_.Path();
  }

  Park();
  CountdownSeconds = 20;
}

void TMainForm::Park() {
  // Right-aligned 500 pixels below the screen, so that the window can be
  // shown without being seen.
  SetLeft(GetSystemMetrics(SM_CXSCREEN) - Width());
  SetTop(GetSystemMetrics(SM_CYSCREEN) + 500);
}

void TMainForm::ShowMessageAndQuit(const std::u16string& text) {
  // The loop still shows the window once before it takes the quit request;
  // parked, it never comes into view.
  Park();
  ShowMessage(text);
  PostQuitMessage(0);
  OnActivate = nullptr;
}

void TMainForm::FormActivate(TObject*) {
  // Re-activations (after the save dialog or a message box closes) must not
  // start the processing again.
  if (processingStarted_) return;
  processingStarted_ = true;
  // A signal that came during start-up has asked to quit already: no
  // dialog is opened only to be closed again.
  if (JobList.empty() || ShutdownRequested || TerminationSignals::Taken() != 0) {
    PostQuitMessage(0);
    return;
  }
  ProcessButton->Click();
}

void TMainForm::FormDestroy(TObject*) { JobList.clear(); }

void TMainForm::ProcessButtonClick(TObject*) {
  bool endWhenDone = false;
  const std::u16string job = JobList[0];
  const std::u16string settingsFile = SettingsFolder + u"quillbrook.ini";

  const std::u16string saveFolder = SaveFolder(GetPrivateProfileString(kSettings, u"savepath", u"", settingsFile));
  SaveDialog->Title = u"Wohin möchten Sie die PDF-Datei speichern";
  SaveDialog->InitialDir = saveFolder;
  SaveDialog->Filter = u"PDF-Datei|*.pdf";
  SaveDialog->DefaultExt = u"pdf";
  SaveDialog->FilterIndex = 1;
  SaveDialog->FileName = WithTrailingSlash(saveFolder) + SuggestedPdfName(job);

  bool accepted = false;
  try {
    accepted = SaveDialog->Execute();
  } catch (const ESaveDialogUnavailable& error) {
    // Nobody could be asked, so nothing is decided: the job waits for a
    // start that can ask.
    ShowMessage(ToUtf16(error.what()));
    exitStatus_ = kExitNoSaveDialog;
    PostQuitMessage(0);
    return;
  }
  // A shutdown or termination signal while the dialog was open ends the run
  // as it stands, and the job goes back for a later run. Our modal loops
  // close on a quit request, so the dialog may also have come back as
  // cancelled because of the signal.
  if (ShutdownRequested || TerminationSignals::Taken() != 0) return;

  if (!accepted) {
    endWhenDone = true;
  } else {
    SetTop(GetSystemMetrics(SM_CYSCREEN));
    PositionTimer->SetEnabled(true);
    Gauge->Show();
    GaugeTimer->SetEnabled(true);

    pdfPath_ = SaveDialog->FileName;
    // The PDF is still wanted when the folder cannot be remembered.
    if (!WritePrivateProfileString(kSettings, u"savepath", FolderPart(pdfPath_), settingsFile)) {
      ShowMessage(u"In " + settingsFile + u" kann nicht geschrieben werden");
    }

    // The converter changes nothing at the PDF path unless it succeeds.
    const int exitCode = RunAndWait(GhostscriptCommandLine(programFolder_, pdfPath_, job), SW_HIDE);
    // Cut short by a termination signal: the converter has left nothing
    // behind, and the job waits for a later run.
    if (exitCode != 0 && TerminationSignals::Taken() != 0) return;
    if (exitCode != 0) {
      ShowMessage(
          u"Die PDF-Datei konnte leider nicht erstellt werden. Bitte überprüfen Sie, ob sie am gewählten Zielort "
          u"über Schreibrechte verfügen.");
      endWhenDone = true;
    } else {
      SetCaption(u"PDF-Datei erzeugt");
      AfterPDFWasCreatedTimer->SetEnabled(true);
    }
  }

  claimedJob_.Remove();
  if (endWhenDone) PostQuitMessage(0);
}

int TMainForm::RestingTop() {
  RECT workArea{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
  return (workArea.bottom - workArea.top) - Height();
}

void TMainForm::PositionTimerTimer(TObject*) {
  Show();
  SetTop(Top() - 10);
  if (Top() < RestingTop()) {
    PositionTimer->SetEnabled(false);
    SetTop(RestingTop());
  }
}

void TMainForm::GaugeTimerTimer(TObject*) {
  // The gauge clamps to its range: the full bar is painted once, then the
  // loop starts again from empty.
  Gauge->SetValue(Gauge->Value() + 4);
  Gauge->Repaint();
  if (Gauge->Value() == 100) Gauge->SetValue(0);
}

void TMainForm::AfterPDFWasCreatedTimerTimer(TObject*) {
  GaugeTimer->SetEnabled(false);
  Gauge->Hide();
  OpenPDFFileButton->Show();
  CloseButton->Show();
  OpenPDFPathButton->Show();
  Label3->Show();
  // Growing upwards: the bottom edge stays where it is.
  SetTop(Top() - 10);
  SetClientHeight(ClientHeight() + 10);
  if (ClientHeight() > 125) {
    SetClientHeight(125);
    AfterPDFWasCreatedTimer->SetEnabled(false);
    SetTop(RestingTop());
    CloseWindowTimer->SetEnabled(true);
  }
}

void TMainForm::CloseWindowTimerTimer(TObject*) {
  if (CountdownSeconds == 1) PostQuitMessage(0);
  --CountdownSeconds;
  Label3->SetCaption(u"Fenster schließt in " + ToUtf16(std::to_string(CountdownSeconds)) + u" Sekunden");
}

void TMainForm::FormMouseEnter(TObject*) {
  CloseWindowTimer->SetEnabled(false);
  Label3->Hide();
}

void TMainForm::FormMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  // Dragging the free area moves the window as if its caption were dragged.
  ReleaseCapture();
  SendMessage(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void TMainForm::OpenPDFFileButtonClick(TObject*) {
  ShellExecute(u"open", pdfPath_);
  PostQuitMessage(0);
}

void TMainForm::OpenPDFPathButtonClick(TObject*) {
  ShellExecute(u"open", FolderPart(pdfPath_));
  PostQuitMessage(0);
}

void TMainForm::CloseButtonClick(TObject*) { PostQuitMessage(0); }

void TMainForm::ShutdownChangeNotifyChangeNotify(TObject*, const std::u16string&, TChangeActions) {
  ShutdownRequested = true;
  PostQuitMessage(0);
}

}  // namespace qb
