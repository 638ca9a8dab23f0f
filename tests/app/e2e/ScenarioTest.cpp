// The staged program, run as a child on the headless backend with real
// Ghostscript, one fresh sandbox per scenario. The scripted user acts; the
// event log and the files left behind are checked.
//
// The virtual screen is 1920 x 1080 with the work area 0,0,1920,1040 unless
// a scenario moves the taskbar. Only one scenario sits through the whole
// 20-second countdown; the others end with a button.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/profile/ProfileFile.h"
#include "platform/text/Utf.h"
#include "tests/app/e2e/Sandbox.h"
#include "tests/support/FileText.h"
#include "tests/support/PngRead.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr char16_t kReadError[] =
    u"vellumix.exe: Beim Einlesen der Datei \"res\\global.ini\" ist ein Fehler aufgetreten.";
constexpr char16_t kConversionError[] =
    u"Die PDF-Datei konnte leider nicht erstellt werden. Bitte überprüfen Sie, ob sie am gewählten Zielort über "
    u"Schreibrechte verfügen.";
constexpr char kTitledJob[] = "ABCDEFGHIJKLMNOMicrosoft Word - Brief.docx.ps";
constexpr char kCloseAfterSuccess[] = "save accept\nwait visible CloseButton\nsleep 1500\nmouse click CloseButton\n";
// A point on the client area's free right edge once the window has grown:
// right of the buttons and the label, below the label.
constexpr char kFreeArea[] = "1910,1032";

struct Scenario {
  std::string name;
  SandboxOptions options;
  std::function<void(const Sandbox&)> arrange;
  std::function<std::string(const Sandbox&)> script;
  std::function<void(const Sandbox&, const RunResult&)> check;
};

SandboxOptions Options(const std::function<void(SandboxOptions&)>& change) {
  SandboxOptions options;
  change(options);
  return options;
}

void WriteSavePath(const Sandbox& box, const fs::path& folder) {
  fs::create_directories(box.SettingsFile().parent_path());
  std::ofstream(box.SettingsFile()) << "[settings]\nsavepath=" << folder.string() << "/\n";
}

std::u16string SavePath(const Sandbox& box) {
  return GetPrivateProfileString(u"settings", u"savepath", u"", U16(box.SettingsFile()));
}

bool IsPdf(const fs::path& file) {
  const std::string content = Content(file);
  return content.starts_with("%PDF-") &&
         content.find("%%EOF", content.size() > 1024 ? content.size() - 1024 : 0) != std::string::npos;
}

void ExpectQuitWithoutWindowInView(const RunResult& run) {
  EXPECT_NE(run.First("quit"), nullptr);
  for (const events::Event* window : run.All("window")) {
    if (Flag(window, "visible")) {
      EXPECT_GE(Number(window, "top"), 1080);
    }
  }
}

void ExpectStartFailure(const Sandbox& box, const RunResult& run, const std::u16string& message) {
  ASSERT_NE(run.First("message-box"), nullptr);
  EXPECT_EQ(Text(run.First("message-box"), "caption"), u"quillbrook");
  EXPECT_EQ(Text(run.First("message-box"), "text"), message);
  EXPECT_EQ(run.First("save-dialog"), nullptr);
  EXPECT_TRUE(fs::exists(box.Spool() / kTitledJob)) << "nothing claimed";
  EXPECT_FALSE(fs::exists(box.AppData() / "quillbrook")) << "nothing created";
  ExpectQuitWithoutWindowInView(run);
}

void ExpectConversionFailure(const Sandbox& box, const RunResult& run) {
  EXPECT_EQ(Text(run.Last("message-box"), "text"), kConversionError);
  EXPECT_TRUE(fs::is_empty(box.Spool())) << "the job is removed";
  EXPECT_EQ(Text(run.Last("caption"), "text"), u"Erzeuge PDF-Datei");
  EXPECT_NE(run.First("quit"), nullptr);
}

// The window's resting place: on the bottom of the work area (measured from
// the screen's top), right edge on the screen's right edge, grown to its
// full client size.
void ExpectExpandedAt(const RunResult& run, int workAreaHeight) {
  const events::Event* window = run.Last("window");
  ASSERT_NE(window, nullptr);
  // The skin's minimum width of 200 may hold the window wider than asked.
  EXPECT_TRUE(Number(window, "client_width") == 194 || Number(window, "client_width") == 200);
  EXPECT_EQ(Number(window, "client_height"), 125);
  EXPECT_EQ(Number(window, "top"), workAreaHeight - Number(window, "height"));
  EXPECT_EQ(Number(window, "left"), 1920 - Number(window, "width"));
  EXPECT_TRUE(Flag(window, "visible"));
}

// Names of the components shown, in order.
std::vector<std::u16string> Shown(const RunResult& run) {
  std::vector<std::u16string> names;
  for (const events::Event* show : run.All("show")) {
    if (Flag(show, "visible")) names.push_back(Text(show, "name"));
  }
  return names;
}

std::vector<std::u16string> LabelTexts(const RunResult& run) {
  std::vector<std::u16string> texts;
  for (const events::Event* label : run.All("label")) {
    if (Text(label, "text").starts_with(u"Fenster schließt in ")) texts.push_back(Text(label, "text"));
  }
  return texts;
}

const events::Event* ShellOpen(const RunResult& run) {
  const events::Event* open = run.First("shell-open");
  if (open != nullptr) {
    EXPECT_EQ(Text(open, "verb"), u"open");
  }
  return open;
}

std::vector<Scenario> Scenarios() {
  auto titledJob = [](const Sandbox& box) { box.AddJob(kTitledJob, kSampleJob); };
  auto none = [](const Sandbox&) { return std::string(); };
  auto closeAfterSuccess = [](const Sandbox&) { return std::string(kCloseAfterSuccess); };
  auto stopWhileDialogOpen = [](const Sandbox& box) {
    return "wait save-dialog\ntouch " + Quoted(box.Res() / "stop") + "\nsleep 300\n";
  };
  auto startFails = [](const Sandbox& box, const RunResult& run) { ExpectStartFailure(box, run, kReadError); };
  std::vector<Scenario> list = {
      {"NoJobQuitsUnseenAndSilently",
       {},
       [](const Sandbox& box) { fs::create_directories(box.Spool()); },
       none,
       [](const Sandbox&, const RunResult& run) {
         EXPECT_EQ(run.exitCode, 0);
         EXPECT_EQ(run.First("message-box"), nullptr);
         EXPECT_EQ(run.First("save-dialog"), nullptr);
         ExpectQuitWithoutWindowInView(run);
       }},
      {"NoGlobalSettingsFile", Options([](SandboxOptions& o) { o.globalIni = std::nullopt; }), titledJob, none,
       startFails},
      {"NoSettingsSection", Options([](SandboxOptions& o) { o.globalIni = "[other]\nnamespace=default\n"; }), titledJob,
       none, startFails},
      {"EmptyNamespace", Options([](SandboxOptions& o) { o.globalIni = "[settings]\nnamespace=\n"; }), titledJob, none,
       startFails},
      {"WatchedFolderMissing", Options([](SandboxOptions& o) {
         o.globalIni = std::nullopt;
         o.resFolder = false;
       }),
       titledJob, none,
       [](const Sandbox& box, const RunResult& run) {
         ExpectStartFailure(box, run, u"Invalid or empty path (" + U16(box.Res()) + u")");
       }},
      {"NestedNamespace", Options([](SandboxOptions& o) { o.globalIni = "[settings]\nnamespace=a/b\n"; }),
       [](const Sandbox& box) { box.AddJob(kTitledJob, kSampleJob, "a/b"); },
       [](const Sandbox&) { return std::string("save cancel\n"); },
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_NE(run.First("save-dialog"), nullptr) << "the job was found below a/b";
         EXPECT_TRUE(fs::is_directory(box.AppData() / "quillbrook/a/b"));
         EXPECT_TRUE(fs::is_empty(box.Spool("a/b")));
       }},
      {"FoldersAndSubfolderJobsAreIgnored",
       {},
       [](const Sandbox& box) {
         fs::create_directories(box.Spool() / "x.ps");
         box.AddJob("unter/innen.ps", kSampleJob);
       },
       none,
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(run.First("save-dialog"), nullptr);
         EXPECT_TRUE(fs::is_directory(box.Spool() / "x.ps"));
         EXPECT_TRUE(fs::exists(box.Spool() / "unter/innen.ps"));
         ExpectQuitWithoutWindowInView(run);
       }},
      {"DialogOnTheDesktopWithoutSavePath",
       {},
       titledJob,
       [](const Sandbox&) { return std::string("save cancel\n"); },
       [](const Sandbox& box, const RunResult& run) {
         const events::Event* dialog = run.First("save-dialog");
         EXPECT_EQ(Text(dialog, "title"), u"Wohin möchten Sie die PDF-Datei speichern");
         EXPECT_EQ(Text(dialog, "filter"), u"PDF-Datei|*.pdf");
         EXPECT_EQ(Text(dialog, "defext"), u"pdf");
         EXPECT_EQ(Text(dialog, "folder"), U16(box.Desktop()));
         EXPECT_EQ(Text(dialog, "file"), U16(box.Desktop() / "Brief.pdf"));
       }},
      {"DialogInTheRememberedFolder",
       {},
       [](const Sandbox& box) {
         fs::create_directories(box.Root() / "Ablage");
         WriteSavePath(box, box.Root() / "Ablage");
         box.AddJob(kTitledJob, kSampleJob);
       },
       [](const Sandbox&) { return std::string("save cancel\n"); },
       [](const Sandbox& box, const RunResult& run) {
         const events::Event* dialog = run.First("save-dialog");
         EXPECT_EQ(Text(dialog, "folder"), U16(box.Root() / "Ablage") + u"/");
         EXPECT_EQ(Text(dialog, "file"), U16(box.Root() / "Ablage/Brief.pdf"));
       }},
      {"RelativeSavePathLiesBelowTheHomeFolder",
       {},
       [](const Sandbox& box) {
         fs::create_directories(box.Root() / "home/Ablage");
         fs::create_directories(box.SettingsFile().parent_path());
         std::ofstream(box.SettingsFile()) << "[settings]\nsavepath=Ablage/\n";
         box.AddJob(kTitledJob, kSampleJob);
       },
       closeAfterSuccess,
       [](const Sandbox& box, const RunResult& run) {
         const fs::path folder = box.Root() / "home/Ablage";
         EXPECT_EQ(Text(run.First("save-dialog"), "file"), U16(folder / "Brief.pdf"));
         EXPECT_TRUE(IsPdf(folder / "Brief.pdf"));
         EXPECT_EQ(SavePath(box), U16(folder) + u"/");
       }},
      {"WithoutADesktopFolderTheDialogOpensInTheHomeFolder",
       {},
       [](const Sandbox& box) {
         fs::remove(box.Desktop());
         box.AddJob(kTitledJob, kSampleJob);
       },
       closeAfterSuccess,
       [](const Sandbox& box, const RunResult& run) {
         const fs::path home = box.Root() / "home";
         EXPECT_EQ(Text(run.First("save-dialog"), "folder"), U16(home));
         EXPECT_TRUE(IsPdf(home / "Brief.pdf"));
         EXPECT_EQ(run.First("message-box"), nullptr);
         EXPECT_TRUE(fs::is_empty(box.Spool()));
       }},
      {"NameWithoutExtensionIsLoggedAndWrittenWithIt",
       {},
       titledJob,
       [](const Sandbox& box) {
         return "save accept " + Quoted(box.Desktop() / "Bericht") + "\nwait visible CloseButton\nsleep 1500\n"
                "mouse click CloseButton\n";
       },
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(Text(run.First("save-result"), "file"), U16(box.Desktop() / "Bericht.pdf"));
         EXPECT_EQ(Names(box.Desktop()), std::vector<std::string>{"Bericht.pdf"});
         EXPECT_TRUE(IsPdf(box.Desktop() / "Bericht.pdf"));
       }},
      {"DeletedSavePathFallsBackToTheDesktopAndTheNewChoiceIsWritten",
       {},
       [](const Sandbox& box) {
         WriteSavePath(box, box.Root() / "geloescht");
         box.AddJob(kTitledJob, kSampleJob);
       },
       closeAfterSuccess,
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(Text(run.First("save-dialog"), "folder"), U16(box.Desktop()));
         EXPECT_EQ(SavePath(box), U16(box.Desktop()) + u"/");
         EXPECT_TRUE(IsPdf(box.Desktop() / "Brief.pdf"));
       }},
      {"CancelRemovesTheJobAndWritesNothing",
       {},
       titledJob,
       [](const Sandbox&) { return std::string("save cancel\n"); },
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(run.First("process-start"), nullptr);
         EXPECT_EQ(run.First("message-box"), nullptr);
         EXPECT_TRUE(fs::is_empty(box.Spool()));
         EXPECT_FALSE(fs::exists(box.SettingsFile()));
         ExpectQuitWithoutWindowInView(run);
       }},
      {"ShutdownSignalWhileTheDialogIsOpenPutsTheJobBack",
       {},
       titledJob,
       stopWhileDialogOpen,
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(run.exitCode, 0);
         EXPECT_EQ(run.First("process-start"), nullptr);
         EXPECT_EQ(Names(box.Spool()), std::vector<std::string>{kTitledJob}) << "waits for the next start";
         EXPECT_FALSE(fs::exists(box.SettingsFile()));
         ExpectQuitWithoutWindowInView(run);
       }},
      {"SuccessShowsTheButtonsAndCountsDownToTheEnd",
       {},
       titledJob,
       none,
       [](const Sandbox& box, const RunResult& run) {
         const fs::path pdf = box.Desktop() / "Brief.pdf";
         const fs::path job = box.Spool() / "ABCDEFGHIJKLMNOMicrosoft Word - Brief.docx.tmp";
         EXPECT_EQ(Text(run.First("process-start"), "cmdline"),
                   U16(box.ProgramFolder()) +
                       u"/gs/gs8.70/bin/gswin32c.exe -q -dNOPAUSE -dBATCH -sPAPERSIZE=a4 -dPDFFitPage "
                       u"-dPDFSETTINGS=/prepress -dEmbedAllFonts=true -sDEVICE=pdfwrite -dDoNumCopies -sOutputFile=\"" +
                       U16(pdf) + u"\" -c save pop -f \"" + U16(job) + u"\"");
         EXPECT_TRUE(IsPdf(pdf));
         EXPECT_EQ(Text(run.Last("caption"), "text"), u"PDF-Datei erzeugt");
         EXPECT_TRUE(fs::is_empty(box.Spool()));
         ExpectExpandedAt(run, 1040);
         const std::vector<std::u16string> shown = Shown(run);
         for (const char16_t* name : {u"OpenPDFFileButton", u"CloseButton", u"OpenPDFPathButton", u"Label3"}) {
           EXPECT_NE(std::find(shown.begin(), shown.end(), name), shown.end()) << ToUtf8(name);
         }
         std::vector<std::u16string> countdown;
         for (int seconds = 19; seconds >= 0; --seconds) {
           countdown.push_back(u"Fenster schließt in " + ToUtf16(std::to_string(seconds)) + u" Sekunden");
         }
         EXPECT_EQ(LabelTexts(run), countdown);
         EXPECT_NE(run.First("quit"), nullptr);
         EXPECT_EQ(run.First("shell-open"), nullptr);
       }},
      {"ProgramFolderWithBlanksConverts",
       Options([](SandboxOptions& o) { o.programFolder = "Programme mit Leerzeichen/quillbrook"; }), titledJob,
       closeAfterSuccess,
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_TRUE(Text(run.First("process-start"), "cmdline").starts_with(U16(box.ProgramFolder()) + u"/gs/"));
         EXPECT_TRUE(IsPdf(box.Desktop() / "Brief.pdf"));
       }},
      {"InterpreterMissingLeavesAnUntouchedFileAlone", Options([](SandboxOptions& o) { o.interpreter = false; }),
       [](const Sandbox& box) {
         std::ofstream(box.Desktop() / "Brief.pdf") << "alt";
         box.AddJob(kTitledJob, kSampleJob);
       },
       none,
       [](const Sandbox& box, const RunResult& run) {
         ExpectConversionFailure(box, run);
         EXPECT_EQ(Content(box.Desktop() / "Brief.pdf"), "alt");
       }},
      {"OutputFolderNotWritable",
       {},
       titledJob,
       [](const Sandbox& box) { return "save accept " + Quoted(box.Root() / "fehlt/Brief.pdf") + "\n"; },
       [](const Sandbox& box, const RunResult& run) {
         ExpectConversionFailure(box, run);
         EXPECT_FALSE(fs::exists(box.Root() / "fehlt"));
       }},
      {"GarbageJobLeavesNoPdfBehind",
       {},
       [](const Sandbox& box) { box.AddJob(kTitledJob, "kein PostScript\n"); },
       none,
       [](const Sandbox& box, const RunResult& run) {
         ExpectConversionFailure(box, run);
         EXPECT_TRUE(fs::is_empty(box.Desktop())) << "no PDF, not even a part of one";
       }},
      {"FailedConversionLeavesTheExistingFileAsItWas",
       {},
       [](const Sandbox& box) {
         std::ofstream(box.Desktop() / "Brief.pdf") << "alt";
         box.AddJob(kTitledJob, "%!PS\n/Helvetica findfont 14 scalefont setfont 72 760 moveto (Brief) show showpage\n"
                                "kein PostScript\n");
       },
       none,
       [](const Sandbox& box, const RunResult& run) {
         ExpectConversionFailure(box, run);
         EXPECT_EQ(Content(box.Desktop() / "Brief.pdf"), "alt");
         EXPECT_EQ(Names(box.Desktop()), std::vector<std::string>{"Brief.pdf"});
       }},
      {"OpenPdfButtonOpensThePdf",
       {},
       titledJob,
       [](const Sandbox&) {
         return std::string("save accept\nwait visible OpenPDFFileButton\nsleep 1500\nmouse click OpenPDFFileButton\n");
       },
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(Text(ShellOpen(run), "target"), U16(box.Desktop() / "Brief.pdf"));
         EXPECT_NE(run.First("quit"), nullptr);
       }},
      {"OpenFolderButtonOpensTheFolder",
       {},
       titledJob,
       [](const Sandbox&) {
         return std::string("save accept\nwait visible OpenPDFPathButton\nsleep 1500\nmouse click OpenPDFPathButton\n");
       },
       [](const Sandbox& box, const RunResult& run) {
         EXPECT_EQ(Text(ShellOpen(run), "target"), U16(box.Desktop()) + u"/");
         EXPECT_NE(run.First("quit"), nullptr);
       }},
      {"PointerOnTheFreeAreaStopsTheCountdown",
       {},
       titledJob,
       [](const Sandbox&) {
         return "save accept\nwait visible Label3\nsleep 1500\nmouse move " + std::string(kFreeArea) +
                "\nsleep 2500\nmouse click CloseButton\n";
       },
       [](const Sandbox&, const RunResult& run) {
         const events::Event* hidden = nullptr;
         for (const events::Event* show : run.All("show")) {
           if (Text(show, "name") == u"Label3" && !Flag(show, "visible")) hidden = show;
         }
         ASSERT_NE(hidden, nullptr);
         for (const events::Event* label : run.All("label")) EXPECT_LT(label->t, hidden->t) << "counted on";
         EXPECT_EQ(run.First("shell-open"), nullptr);
       }},
      {"DraggingTheFreeAreaMovesTheWindow",
       {},
       titledJob,
       [](const Sandbox&) {
         return "save accept\nwait visible Label3\nsleep 1500\nmouse drag " + std::string(kFreeArea) +
                " -100,-50\nmouse click CloseButton\n";
       },
       [](const Sandbox&, const RunResult& run) {
         const events::Event* window = run.Last("window");
         EXPECT_EQ(Number(window, "left"), 1920 - Number(window, "width") - 100);
         EXPECT_EQ(Number(window, "top"), 1040 - Number(window, "height") - 50);
       }},
      {"DraggingNearTheEdgesSnapsTheVisibleFrameToThem",
       {},
       titledJob,
       [](const Sandbox& box) {
         // The first drag leaves the frame's top 3 pixels below the work
         // area's top, the second its right edge 2 pixels left of the
         // screen's; the pointer stays on the free area throughout.
         return "save accept\nwait visible Label3\nsleep 1500\nmouse drag " + std::string(kFreeArea) +
                " -100,-880\nmouse drag 1810,152 95,0\nsleep 300\nscreenshot " + Quoted(box.Root() / "snapped.png") +
                "\nmouse click CloseButton\n";
       },
       [](const Sandbox& box, const RunResult& run) {
         const events::Event* window = run.Last("window");
         const int width = int(Number(window, "width"));
         const int height = int(Number(window, "height"));
         // The visible frame, 4, 32, 3 and 3 pixels around the window,
         // touches the edges; the window itself does not.
         const int left = 1920 - 3 - width;
         const int top = 32;
         EXPECT_EQ(Number(window, "left"), left);
         EXPECT_EQ(Number(window, "top"), top);

         const std::optional<Surface> screen = ReadPng(box.Root() / "snapped.png");
         ASSERT_TRUE(screen.has_value());
         const std::uint32_t desktop = screen->At(5, 500);
         const struct {
           const char* where;
           int x, y;
           bool frame;
         } pixels[] = {
             {"caption", left + 40, top - 16, true},
             {"top border", left + 40, 1, true},
             {"left border", left - 2, top + 60, true},
             {"right border", left + width + 1, top + 60, true},
             {"bottom border", left + 40, top + height + 1, true},
             {"beyond the left border", left - 20, top + 60, false},
             {"the frame's old place", 1920 - width + 40, 1040 - height - 16, false},
         };
         for (const auto& p : pixels) EXPECT_EQ(screen->At(p.x, p.y) != desktop, p.frame) << p.where;
       }},
      {"TaskbarAtTheTop", Options([](SandboxOptions& o) { o.workArea = "0,40,1920,1080"; }), titledJob,
       closeAfterSuccess, [](const Sandbox&, const RunResult& run) { ExpectExpandedAt(run, 1080 - 40); }},
  };
  return list;
}

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class AppScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(AppScenario, Runs) {
  const Scenario& scenario = GetParam();
  Sandbox box(scenario.options);
  scenario.arrange(box);
  const RunResult run = box.Run(scenario.script(box));
  EXPECT_EQ(run.First("script-timeout"), nullptr) << ToUtf8(Text(run.First("script-timeout"), "step"));
  scenario.check(box, run);
}

INSTANTIATE_TEST_SUITE_P(Quillbrook, AppScenario, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return info.param.name; });

}  // namespace
}  // namespace qb::test
