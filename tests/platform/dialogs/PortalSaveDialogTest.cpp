#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <thread>

#include "platform/dialogs/DesktopSaveDialog.h"
#include "platform/text/Utf.h"
#include "platform/window/MessageApi.h"
#include "tests/platform/dialogs/FakePortal.h"
#include "tests/platform/dialogs/PrivateBus.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/NoScriptedUser.h"
#include "tests/support/TempDir.h"

namespace qb::test {
namespace {

// Short, so that the cases where the portal never takes the call end soon.
constexpr std::chrono::milliseconds kShortCallTimeout{300};

std::atomic<int> ticks = 0;

bool WaitFor(const std::function<bool()>& condition) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition() && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

// A bus of the test's own, and a fake zenity first on PATH that marks that
// it ran and chooses "Fallback.pdf", to see when the portal was passed by.
class PortalDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    if (bus.Address().empty()) {
      GTEST_SKIP() << "dbus-daemon could not be started (scripts/setup installs it); the portal tests need a bus";
    }
    env.Set("DBUS_SESSION_BUS_ADDRESS", bus.Address());
    const std::filesystem::path zenity = temp.Path() / "bin" / "zenity";
    std::filesystem::create_directories(zenity.parent_path());
    std::ofstream(zenity) << "#!/bin/sh\n: > '" << (temp.Path() / "zenity-ran").string() << "'\necho '" << Fallback()
                          << "'\n";
    chmod(zenity.c_str(), 0755);
    env.Set("PATH", (temp.Path() / "bin").string() + ":/usr/bin:/bin");
  }

  void StartPortal(std::vector<FakeAnswer> answers) {
    portal.reset();
    portal = std::make_unique<FakePortal>(bus.Address(), std::move(answers));
    ASSERT_TRUE(portal->Ready()) << "the fake portal could not take the portal's name";
  }

  SaveDialogRequest Request() const {
    SaveDialogRequest request;
    request.title = u"Wohin möchten Sie die PDF-Datei speichern";
    request.initialFolder = ToUtf16(Folder() + "/Ablage/");
    request.fileName = u"Brief an Bob";
    request.filter = u"PDF-Datei|*.pdf;*.PDF|Alle Dateien|*.*";
    request.defaultExtension = u"pdf";
    request.overwritePrompt = true;
    return request;
  }

  std::string Folder() const { return temp.Path().string(); }
  std::string Fallback() const { return Folder() + "/Fallback.pdf"; }
  bool ZenityRan() const { return std::filesystem::exists(temp.Path() / "zenity-ran"); }

  TempDir temp;
  PrivateBus bus{temp.Path()};
  EnvGuard env;
  NoScriptedUser noScriptedUser;
  std::unique_ptr<FakePortal> portal;
};

// The fake sends its answer before its reply to the call, as a quick
// portal may: only a subscription made before the call hears it.
TEST_F(PortalDialog, ThePortalGetsTheRequestAndItsAnswerIsDecoded) {
  StartPortal({FakeAnswer::Respond(0, "file://" + Folder() + "/Ablage/Gr%C3%BC%C3%9Fe%20an%20%22Bob%22.pdf",
                                    std::chrono::milliseconds(300))});
  ticks = 0;
  const UINT_PTR ticker = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
  // A missed answer would leave the dialog waiting for ever.
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 20000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
  const std::optional<std::u16string> chosen = DesktopSaveDialog().Run(Request());
  KillTimer(nullptr, watchdog);
  KillTimer(nullptr, ticker);
  MSG quit;
  ASSERT_FALSE(PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the answer never came";

  EXPECT_EQ(chosen, ToUtf16(Folder() + "/Ablage/Grüße an \"Bob\".pdf"));
  EXPECT_GT(ticks, 0) << "timers ran while the portal's dialog was open";
  EXPECT_FALSE(ZenityRan());
  const std::vector<PortalCall> calls = portal->Calls();
  ASSERT_EQ(calls.size(), 1u);
  const PortalCall& call = calls[0];
  EXPECT_EQ(call.parentWindow, "");
  EXPECT_EQ(call.title, "Wohin möchten Sie die PDF-Datei speichern");
  EXPECT_EQ(call.currentName, "Brief an Bob.pdf");
  EXPECT_EQ(call.currentFolder, Folder() + "/Ablage" + std::string(1, '\0'));
  const NamedFilter pdf{"PDF-Datei", {{0, "*.pdf"}, {0, "*.PDF"}}};
  EXPECT_EQ(call.filters, (std::vector<NamedFilter>{pdf, {"Alle Dateien", {{0, "*.*"}}}}));
  EXPECT_EQ(call.currentFilter, pdf);
  EXPECT_TRUE(call.modal);
  EXPECT_FALSE(call.handleToken.empty());
}

TEST_F(PortalDialog, CancelEndsTheDialogAndAPortalThatCannotServeGivesWayToTheOthers) {
  struct Case {
    const char* what;
    FakeAnswer answer;
    bool fallsBack;
  };
  const Case cases[] = {
      {"cancelled", FakeAnswer::Respond(1), false},
      {"ended otherwise (Escape, the window's close button)", FakeAnswer::Respond(2), false},
      {"accepted, but no local file", FakeAnswer::Respond(0, "https://example.org/Brief.pdf"), true},
      {"accepted without any file", FakeAnswer::Respond(0), true},
      {"the call is never answered", FakeAnswer::Only(FakeAnswer::kSilent), true},
      {"the call is answered with an error", FakeAnswer::Only(FakeAnswer::kError), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(temp.Path() / "zenity-ran");
    StartPortal({c.answer});
    const std::optional<std::u16string> chosen = DesktopSaveDialog(kShortCallTimeout).Run(Request());
    EXPECT_EQ(ZenityRan(), c.fallsBack);
    EXPECT_EQ(chosen, c.fallsBack ? std::optional(ToUtf16(Fallback())) : std::nullopt);
    ASSERT_EQ(portal->Calls().size(), 1u);
    if (c.answer.kind == FakeAnswer::kSilent) {
      // A portal that wakes up late must not show a second dialog.
      const std::string request = portal->Calls()[0].requestPath;
      EXPECT_TRUE(WaitFor([&] { return !portal->Closed().empty(); }));
      EXPECT_EQ(portal->Closed(), std::vector<std::string>{request});
    }
  }
}

TEST_F(PortalDialog, TheBusIsFoundInTheRuntimeFolderWhenNoAddressIsGiven) {
  StartPortal({FakeAnswer::Respond(1)});
  env.Unset("DBUS_SESSION_BUS_ADDRESS");
  env.Set("XDG_RUNTIME_DIR", Folder());
  EXPECT_EQ(DesktopSaveDialog(kShortCallTimeout).Run(Request()), std::nullopt);
  EXPECT_EQ(portal->Calls().size(), 1u);
  EXPECT_FALSE(ZenityRan());
}

TEST_F(PortalDialog, WithoutAPortalOrABusTheOtherDialogsAsk) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
  };
  const Case cases[] = {
      {"no portal on the bus", [] {}},
      {"no bus at all",
       [this] {
         env.Unset("DBUS_SESSION_BUS_ADDRESS");
         env.Set("XDG_RUNTIME_DIR", (temp.Path() / "bin").string());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.arrange();
    std::filesystem::remove(temp.Path() / "zenity-ran");
    EXPECT_EQ(DesktopSaveDialog(kShortCallTimeout).Run(Request()), ToUtf16(Fallback()));
    EXPECT_TRUE(ZenityRan());
  }
}

// The portal asks before replacing only the name it shows; when our default
// extension names an existing file, its dialog comes again on that name.
TEST_F(PortalDialog, TheDefaultExtensionIsAddedAndAnExistingResultIsShownAgain) {
  temp.Write("Ablage/Brief.pdf", "%PDF");
  const std::string folderUri = "file://" + Folder() + "/Ablage/";
  struct Case {
    const char* what;
    std::vector<FakeAnswer> answers;
    std::string expected;  // in the folder
  };
  const Case cases[] = {
      {"a new name", {FakeAnswer::Respond(0, folderUri + "Neu")}, "Neu.pdf"},
      {"an existing file",
       {FakeAnswer::Respond(0, folderUri + "Brief"), FakeAnswer::Respond(0, folderUri + "Brief.pdf")},
       "Brief.pdf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartPortal(c.answers);
    EXPECT_EQ(DesktopSaveDialog().Run(Request()), ToUtf16(Folder() + "/Ablage/" + c.expected));
    const std::vector<PortalCall> calls = portal->Calls();
    ASSERT_EQ(calls.size(), c.answers.size());
    if (calls.size() == 2) {
      EXPECT_EQ(calls[1].currentName, c.expected);
      EXPECT_EQ(calls[1].currentFolder, Folder() + "/Ablage" + std::string(1, '\0'));
    }
  }
  EXPECT_FALSE(ZenityRan());
}

// The time limit is for taking the call; the user may think as long as
// they like, until the tool quits.
TEST_F(PortalDialog, TheUserMayTakeTheirTimeAndAQuitClosesTheDialog) {
  StartPortal({FakeAnswer::Only(FakeAnswer::kReplyOnly)});
  const UINT_PTR quitter =
      SetTimer(nullptr, 0, UINT(kShortCallTimeout.count() * 3), [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(4); });
  EXPECT_EQ(DesktopSaveDialog(kShortCallTimeout).Run(Request()), std::nullopt);
  KillTimer(nullptr, quitter);
  EXPECT_FALSE(ZenityRan());
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is left for the outer loop";
  EXPECT_EQ(msg.wParam, 4u);
  ASSERT_EQ(portal->Calls().size(), 1u);
  const std::string request = portal->Calls()[0].requestPath;
  EXPECT_TRUE(WaitFor([&] { return !portal->Closed().empty(); }));
  EXPECT_EQ(portal->Closed(), std::vector<std::string>{request});
}

}  // namespace
}  // namespace qb::test
