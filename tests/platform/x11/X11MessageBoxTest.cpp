#include <gtest/gtest.h>

#include "platform/script/ScriptTargets.h"
#include "tests/platform/x11/X11Session.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/dialogs/MessageBox.h"

#include <X11/keysym.h>

namespace qb::test {
namespace {

TEST(X11MessageBox, ReturnOnTheRealKeyboardClosesIt) {
  X11Session* session = X11Session::Get();
  if (!session) GTEST_SKIP() << "no X display could be reached (DISPLAY unset or refused); scripts/test runs these under Xvfb";
  TApplication application;
  application.SetTitle(u"quillbrook");
  bool pressed = false;
  bool watchdog = false;
  int ticks = 0;
  // Once the box is up, Return goes through the server; a watchdog presses
  // OK itself after five seconds, so that a box deaf to the keyboard fails
  // the test instead of hanging it.
  TTimer driver(nullptr);
  driver.SetInterval(50);
  driver.SetOnTimer([&](TObject*) {
    MessageBoxAnnouncement* box = MessageBoxAnnouncement::Current();
    if (!box) return;
    if (!pressed) {
      pressed = true;
      session->Key(XK_Return);
    } else if (++ticks > 100) {
      watchdog = true;
      box->PressOk();
    }
  });
  ShowMessage(u"Die PDF-Datei wurde erzeugt.");
  EXPECT_TRUE(pressed);
  EXPECT_FALSE(watchdog) << "Return did not reach the message box";
}

}  // namespace
}  // namespace qb::test
