#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "platform/dialogs/DesktopSaveDialog.h"
#include "platform/text/Utf.h"
#include "platform/window/MessageApi.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/NoScriptedUser.h"
#include "tests/support/TempDir.h"

namespace qb::test {
namespace {

SaveDialogRequest ProductRequest(const std::string& folder) {
  SaveDialogRequest request;
  request.title = u"Wohin möchten Sie die PDF-Datei speichern";
  request.initialFolder = ToUtf16(folder + "/");
  request.fileName = ToUtf16(folder + "/Brief.pdf");
  request.filter = u"PDF-Datei|*.pdf";
  request.defaultExtension = u"pdf";
  request.overwritePrompt = true;
  return request;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Fake dialog programs in a folder of their own, first on PATH. Each
// records its arguments (one per line) and GSETTINGS_BACKEND in `log`.
class DesktopDialog : public ::testing::Test {
 protected:
  DesktopDialog() {
    std::filesystem::create_directories(temp.Path() / "bin");
    env.Set("PATH", (temp.Path() / "bin").string() + ":/usr/bin:/bin");
    // No session bus, so that no desktop portal answers first.
    env.Unset("DBUS_SESSION_BUS_ADDRESS");
    env.Set("XDG_RUNTIME_DIR", Folder());
  }

  // `body` runs after the arguments are logged.
  void FakeProgram(const std::string& name, const std::string& body) {
    const std::filesystem::path program = temp.Path() / "bin" / name;
    std::ofstream(program) << "#!/bin/sh\nprintf '%s\\n' \"$@\" \"GSETTINGS_BACKEND=$GSETTINGS_BACKEND\" >> '"
                           << Log().string() << "'\n" << body << "\n";
    chmod(program.c_str(), 0755);
  }
  std::filesystem::path Log() const { return temp.Path() / "log"; }
  std::string Folder() const { return temp.Path().string(); }

  TempDir temp;
  EnvGuard env;
  NoScriptedUser noScriptedUser;
};

TEST_F(DesktopDialog, ZenitysAnswerBecomesTheChoice) {
  struct Case {
    const char* what;
    std::string body;
    std::optional<std::string> expected;  // relative to the folder
  };
  const Case cases[] = {
      {"Return on a name", "echo \"$PWD/x/Brief.pdf\"; exit 0", "/x/Brief.pdf"},
      {"a name without extension gets the default one", "echo \"$PWD/x/Brief\"; exit 0", "/x/Brief.pdf"},
      {"a dot in a folder name is no extension", "echo \"$PWD/x.y/Brief\"; exit 0", "/x.y/Brief.pdf"},
      {"Escape", "exit 1", std::nullopt},
      {"accepted without a name", "exit 0", std::nullopt},
      {"the program failed", "echo \"$PWD/x/Brief.pdf\"; exit 255", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeProgram("zenity", "cd '" + Folder() + "'\n" + c.body);
    const std::optional<std::u16string> chosen = DesktopSaveDialog().Run(ProductRequest(Folder()));
    if (c.expected) {
      EXPECT_EQ(chosen, ToUtf16(Folder() + *c.expected));
    } else {
      EXPECT_EQ(chosen, std::nullopt);
    }
  }
}

TEST_F(DesktopDialog, TheProgramGetsTheRequestAndAQuietSettingsLayer) {
  struct Case {
    const char* program;
    std::vector<std::string> arguments;
  };
  const std::string start = Folder() + "/Brief.pdf";
  const Case cases[] = {
      {"zenity",
       {"--file-selection", "--save", "--confirm-overwrite", "--title=Wohin möchten Sie die PDF-Datei speichern",
        "--filename=" + start, "--file-filter=PDF-Datei | *.pdf"}},
      {"kdialog",
       {"--title", "Wohin möchten Sie die PDF-Datei speichern", "--getsavefilename", start, "PDF-Datei (*.pdf)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    std::filesystem::remove_all(temp.Path() / "bin");
    std::filesystem::create_directories(temp.Path() / "bin");
    std::filesystem::remove(Log());
    FakeProgram(c.program, "exit 1");
    DesktopSaveDialog().Run(ProductRequest(Folder()));
    std::string expected;
    for (const std::string& argument : c.arguments) expected += argument + "\n";
    EXPECT_EQ(ReadFile(Log()), expected + "GSETTINGS_BACKEND=memory\n");
  }
}

TEST(DesktopDialogArguments, FiltersWithSeveralEntriesAndPatterns) {
  SaveDialogRequest request;
  request.filter = u"PDF-Datei|*.pdf;*.PDF|Alle Dateien|*.*";
  const std::vector<std::string> zenity = ZenityArguments(request);
  const std::vector<std::string> zenityFilters(zenity.end() - 2, zenity.end());
  EXPECT_EQ(zenityFilters, (std::vector<std::string>{"--file-filter=PDF-Datei | *.pdf *.PDF",
                                                      "--file-filter=Alle Dateien | *.*"}));
  EXPECT_EQ(KdialogArguments(request).back(), "PDF-Datei (*.pdf *.PDF)\nAlle Dateien (*.*)");
}

// Not a cancel: the caller must not take it for the user's answer.
TEST_F(DesktopDialog, WithoutADialogProgramTheDialogSaysWhatToInstall) {
  env.Set("PATH", (temp.Path() / "bin").string());
  try {
    DesktopSaveDialog().Run(ProductRequest(Folder()));
    ADD_FAILURE() << "no error";
  } catch (const ESaveDialogUnavailable& error) {
    EXPECT_EQ(ToUtf16(error.what()), kNoDialogProgramText);
  }
}

// The program could not ask about the name with the extension we add, so
// we do; "no" opens the dialog again on that name.
TEST_F(DesktopDialog, AnExistingFileBehindTheAddedExtensionIsAskedAbout) {
  struct Case {
    int answer;  // exit code of the question: 0 yes, 1 no
    std::string expected;
  };
  for (const Case& c : {Case{0, "/Brief.pdf"}, Case{1, "/Other.pdf"}}) {
    SCOPED_TRACE(c.answer);
    std::filesystem::remove(Log());
    std::filesystem::remove(temp.Path() / "asked");
    temp.Write("Brief.pdf", "%PDF");
    FakeProgram("zenity", "cd '" + Folder() + "'\n"
                          "case \"$1\" in --question) exit " + std::to_string(c.answer) + ";; esac\n"
                          "if [ -e asked ]; then echo \"$PWD/Other.pdf\"; else : > asked; echo \"$PWD/Brief\"; fi");
    EXPECT_EQ(DesktopSaveDialog().Run(ProductRequest(Folder())), ToUtf16(Folder() + c.expected));
    EXPECT_NE(ReadFile(Log()).find("--question"), std::string::npos);
  }
}

std::atomic<int> ticks = 0;

TEST_F(DesktopDialog, TheLoopKeepsRunningAndAQuitEndsTheDialog) {
  FakeProgram("zenity", "sleep 0.3; echo /tmp/Brief.pdf");
  ticks = 0;
  const UINT_PTR ticker = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
  EXPECT_EQ(DesktopSaveDialog().Run(ProductRequest(Folder())), u"/tmp/Brief.pdf");
  EXPECT_GT(ticks, 0) << "timers ran while the dialog was open";

  // A dialog nobody answers ends with the program when the tool quits.
  FakeProgram("zenity", "sleep 60; echo /tmp/Brief.pdf");
  const UINT_PTR quitter = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(3); });
  EXPECT_EQ(DesktopSaveDialog().Run(ProductRequest(Folder())), std::nullopt);
  KillTimer(nullptr, quitter);
  KillTimer(nullptr, ticker);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is left for the outer loop";
  EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
}  // namespace qb::test
