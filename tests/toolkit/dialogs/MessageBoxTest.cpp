#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/backend/RawInput.h"
#include "platform/events/EventLog.h"
#include "platform/script/ScriptTargets.h"
#include "platform/window/InputApi.h"
#include "platform/window/SystemMetrics.h"
#include "tests/support/ApplicationLoop.h"
#include "tests/support/NoScriptedUser.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/dialogs/MessageBox.h"
#include "toolkit/dialogs/TMessageForm.h"

namespace qb {
namespace {

constexpr char16_t kText[] = u"Beim Einlesen der Datei \"res\\global.ini\" ist ein Fehler aufgetreten.";

// The message box's window while it is shown.
TMessageForm* ShownBox(TApplication& application) {
  for (TCustomForm* form : application.Forms()) {
    if (auto* box = dynamic_cast<TMessageForm*>(form); box != nullptr && box->Visible()) return box;
  }
  return nullptr;
}

class MessageBox : public ::testing::Test {
 protected:
  MessageBox() { application.SetTitle(u"quillbrook"); }

  // Shows the box; once it is there, `user` acts on it (once), from a timer,
  // which also shows that timers keep running in the box's loop. A watchdog
  // presses OK after five seconds so that a box that ignores the user ends
  // the test instead of hanging it. Returns whether the user's action closed
  // the box.
  bool ShowAndAct(const std::function<void(TMessageForm&)>& user) {
    bool acted = false;
    bool watchdog = false;
    int ticks = 0;
    TTimer driver(nullptr);
    driver.SetInterval(10);
    driver.SetOnTimer([&](TObject*) {
      TMessageForm* box = ShownBox(application);
      if (box == nullptr) return;
      if (!acted) {
        acted = true;
        user(*box);
      } else if (++ticks > 500) {
        watchdog = true;
        MessageBoxAnnouncement::Current()->PressOk();
      }
    });
    ShowMessage(kText);
    return acted && !watchdog;
  }

  TApplication application;
  test::NoScriptedUser noScriptedUser;
};

void Key(int key) {
  DeliverKey(key, true);
  DeliverKey(key, false);
}

TEST_F(MessageBox, ReturnEscapeSpaceOrAClickOnOkCloseIt) {
  struct Case {
    const char* what;
    std::function<void(TMessageForm&)> user;
  };
  const Case cases[] = {
      {"Return", [](TMessageForm&) { Key(VK_RETURN); }},
      {"Escape", [](TMessageForm&) { Key(VK_ESCAPE); }},
      {"Space", [](TMessageForm&) { Key(VK_SPACE); }},
      {"click",
       [](TMessageForm& box) {
         TButton& ok = box.OkButton();
         DeliverPointerMove(ok.ClientToScreen(POINT{ok.Width() / 2, ok.Height() / 2}));
         DeliverButton(MouseButton::kLeft, true);
         DeliverButton(MouseButton::kLeft, false);
       }},
  };
  for (const Case& c : cases) EXPECT_TRUE(ShowAndAct(c.user)) << c.what;
}

TEST_F(MessageBox, IsCentredCaptionedWithTheTitleAndLogged) {
  std::vector<std::u16string> logged;
  const events::Subscription subscription = events::Subscribe([&](const events::Event& event) {
    if (event.name != "message-box") return;
    for (const char* field : {"caption", "text"}) logged.push_back(std::get<std::u16string>(*event.Find(field)));
  });
  RECT window{};
  std::u16string caption;
  ShowAndAct([&](TMessageForm& box) {
    GetWindowRect(box.Handle(), &window);
    caption = GetWindowText(box.Handle());
    MessageBoxAnnouncement::Current()->PressOk();
  });
  EXPECT_EQ(logged, (std::vector<std::u16string>{u"quillbrook", kText}));
  EXPECT_EQ(caption, u"quillbrook");
  EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_EQ(ShownBox(application), nullptr);
}

TEST(MessageBoxScripted, TheScriptedUserConfirmsItWhenNoScriptSaysOtherwise) {
  TApplication application;
  ShowMessage(u"Fertig");
  EXPECT_EQ(MessageBoxAnnouncement::Current(), nullptr);
}

}  // namespace
}  // namespace qb
