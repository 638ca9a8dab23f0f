#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/dialogs/SaveDialog.h"
#include "platform/events/EventLog.h"
#include "platform/script/ScriptStep.h"
#include "platform/script/ScriptTargets.h"
#include "platform/script/ScriptedUser.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/ModalLoop.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

using Kind = ScriptStep::Kind;

TEST(Script, ParsesEveryKindOfStep) {
  const std::vector<ScriptStep> steps = ParseScript(
      "# comment\n"
      "\n"
      "wait caption PDF-Datei erzeugt\n"
      "wait visible Label3 timeout=500\n"
      "sleep 20\r\n"
      "save accept \"/tmp/with blank/out.pdf\"\n"
      "mouse drag OpenPDFFileButton -30,12\n"
      "mouse click 10,20\n"
      "key Alt+F4\n"
      "rename a.txt b.txt\n");
  ASSERT_EQ(steps.size(), 8u);
  EXPECT_EQ(steps[0].kind, Kind::kWaitCaption);
  EXPECT_EQ(steps[0].text, u"PDF-Datei erzeugt");
  EXPECT_EQ(steps[1].kind, Kind::kWaitVisible);
  EXPECT_EQ(steps[1].timeout, std::chrono::milliseconds(500));
  EXPECT_EQ(steps[2].duration, std::chrono::milliseconds(20));
  EXPECT_EQ(steps[3].text, u"/tmp/with blank/out.pdf");
  EXPECT_EQ(steps[4].kind, Kind::kMouseDrag);
  EXPECT_EQ(steps[4].text, u"OpenPDFFileButton");
  EXPECT_EQ(steps[4].offset, (POINT{-30, 12}));
  EXPECT_EQ(steps[5].point, (POINT{10, 20}));
  EXPECT_EQ(steps[6].text, u"Alt+F4");
  EXPECT_EQ(steps[7].secondText, u"b.txt");
}

TEST(Script, RejectsMalformedLinesWithTheirNumber) {
  const char* const bad[] = {"wait", "wait for-godot", "sleep soon", "mouse click", "mouse drag 1,2 3",
                             "key F5", "save accept a b", "fly away", "touch \"unclosed", "wait visible X timeout=x"};
  for (const char* line : bad) {
    try {
      ParseScript(std::string("sleep 1\n") + line + "\n");
      ADD_FAILURE() << "accepted: " << line;
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos) << error.what();
    }
  }
}

SaveDialogRequest Request(std::u16string folder, std::u16string file, std::u16string extension) {
  SaveDialogRequest request;
  request.title = u"Speichern";
  request.initialFolder = std::move(folder);
  request.fileName = std::move(file);
  request.defaultExtension = std::move(extension);
  return request;
}

TEST(Script, DefaultSaveChoice) {
  struct Case {
    SaveDialogRequest request;
    std::u16string expected;
  };
  const Case cases[] = {
      {Request(u"/home/u/PDF", u"Brief", u"pdf"), u"/home/u/PDF/Brief.pdf"},
      {Request(u"/home/u/PDF/", u"Brief.pdf", u"pdf"), u"/home/u/PDF/Brief.pdf"},
      {Request(u"C:\\Daten\\", u"a.b", u"pdf"), u"C:\\Daten\\a.b"},
      {Request(u"/x", u"/abs/name", u""), u"/abs/name"},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultSaveChoice(c.request), c.expected) << ToUtf8(c.expected);
}

constexpr UINT kAskForFile = WM_USER + 10;

// A small program: a captioned window with a named button; the button asks
// for a file, then shows a message box, then quits. A press on the window's
// free area drags it through the system move loop.
TEST(Script, ShortScriptRunsEndToEnd) {
  TempDir temp;
  const std::string flag = (temp.Path() / "flag").string();
  std::vector<events::Event> logged;
  events::Subscription subscription = events::Subscribe([&](const events::Event& e) { logged.push_back(e); });

  std::optional<std::u16string> chosen;
  bool boxShown = false;
  bool finished = false;
  TestWindow window({.rect = {100, 100, 300, 200}, .handler = {}});
  SetWindowText(window.Handle(), u"Demo");
  TestWindow button({.style = WS_CHILD | WS_VISIBLE, .rect = {10, 10, 60, 40}, .parent = window.Handle(),
                     .handler = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                       if (m == WM_LBUTTONUP) PostMessage(window.Handle(), kAskForFile, 0, 0);
                       return std::nullopt;
                     }});
  NamedComponent named(u"Knopf", button.Handle());
  window.handler = [&](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_LBUTTONDOWN) {
      ReleaseCapture();
      SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
      return 0;
    }
    if (m != kAskForFile) return std::nullopt;
    chosen = ShowSaveDialog(Request(u"/tmp", u"x", u"pdf"));
    bool pressed = false;
    MessageBoxAnnouncement box(u"quillbrook", u"Fertig", [&] { pressed = true; });
    events::Log("message-box", {{"caption", u"quillbrook"}, {"text", u"Fertig"}});
    boxShown = true;
    RunModalUntil([&] { return pressed; });
    finished = true;
    return 0;
  };

  StartScriptedUser(ParseScript(
      "wait caption Demo\n"
      "mouse drag 250,150 40,-20\n"
      "mouse click Knopf\n"
      "wait save-dialog\n"
      "save accept /tmp/chosen.pdf\n"
      "wait message-box\n"
      "message ok\n"
      "touch " + flag + "\n"));
  EXPECT_TRUE(PumpUntil([&] { return finished && std::filesystem::exists(flag); }));
  StartScriptedUser(std::vector<ScriptStep>{});

  RECT placed;
  GetWindowRect(window.Handle(), &placed);
  EXPECT_EQ(placed, (RECT{140, 80, 340, 180})) << "the drag ran the move loop";
  EXPECT_TRUE(boxShown);
  EXPECT_EQ(chosen, std::optional<std::u16string>(u"/tmp/chosen.pdf"));
  auto find = [&](const char* name) -> const events::Event* {
    for (const events::Event& e : logged) {
      if (e.name == name) return &e;
    }
    return nullptr;
  };
  const events::Event* dialog = find("save-dialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(std::get<std::u16string>(*dialog->Find("title")), u"Speichern");
  EXPECT_EQ(std::get<std::u16string>(*dialog->Find("defext")), u"pdf");
  const events::Event* result = find("save-result");
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(std::get<bool>(*result->Find("accepted")), true);
  EXPECT_EQ(std::get<std::u16string>(*result->Find("file")), u"/tmp/chosen.pdf");
}

// What a context menu needs: a right click at the target, then arrow keys.
TEST(Script, RightClicksAndArrowKeysReachTheWindow) {
  TestWindow window({.rect = {100, 100, 300, 200}, .handler = {}});
  SetFocus(window.Handle());
  StartScriptedUser(ParseScript("mouse rclick 150,120\nkey Down\nkey Up\n"));
  EXPECT_TRUE(PumpUntil([&] { return window.Count(WM_KEYUP) == 2; }));
  StartScriptedUser(std::vector<ScriptStep>{});
  std::vector<std::pair<UINT, WPARAM>> seen;
  for (const SeenMessage& m : window.Seen()) {
    if (m.message == WM_RBUTTONDOWN || m.message == WM_RBUTTONUP) {
      seen.emplace_back(m.message, WPARAM(MAKELPARAM_POINT(50, 20)) == WPARAM(m.lParam));
    }
    if (m.message == WM_KEYDOWN) seen.emplace_back(m.message, m.wParam);
  }
  const std::vector<std::pair<UINT, WPARAM>> expected{
      {WM_RBUTTONDOWN, 1}, {WM_RBUTTONUP, 1}, {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_UP}};
  EXPECT_EQ(seen, expected) << "right press and release at the point, then the two keys";
  EXPECT_EQ(window.Count(WM_LBUTTONDOWN), 0);
}

TEST(Script, WithoutScriptDialogsAreAcceptedWithTheirOwnName) {
  StartScriptedUser(std::vector<ScriptStep>{});
  const std::optional<std::u16string> chosen = ShowSaveDialog(Request(u"/data", u"Brief", u"pdf"));
  EXPECT_EQ(chosen, std::optional<std::u16string>(u"/data/Brief.pdf"));
}

TEST(ScriptDeathTest, WaitThatNeverEndsLogsTimeoutAndExitsWithThree) {
  TempDir temp;
  EnvGuard env;
  const std::filesystem::path log = temp.Path() / "events.jsonl";
  env.Set("QUILLBROOK_EVENTS", log.string());
  EXPECT_EXIT(
      {
        TestWindow window({});
        StartScriptedUser(ParseScript("wait caption Niemals timeout=50\n"));
        PumpUntil([] { return false; }, std::chrono::seconds(20));
      },
      ::testing::ExitedWithCode(3), "");
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("\"ev\":\"script-timeout\",\"step\":\"wait caption Niemals timeout=50\""), std::string::npos)
      << text.str();
  EXPECT_NE(text.str().find("\"ev\":\"quit\",\"code\":3"), std::string::npos) << text.str();
}

}  // namespace
}  // namespace qb::test
