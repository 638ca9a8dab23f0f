// A close request (Alt+F4, or WM_CLOSE as the frame's close button and the
// system menu send it) ends the program for the main form, ends the modal
// loop of a modal form and hides any other form; it never leaves a program
// running without its window.
#include <gtest/gtest.h>

#include "platform/backend/RawInput.h"
#include "platform/window/InputApi.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/controls/ControlMessages.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

void PressAltF4() {
  DeliverKey(VK_MENU, true);
  DeliverKey(VK_F4, true);
  DeliverKey(VK_F4, false);
  DeliverKey(VK_MENU, false);
}

TEST(FormClose, AltF4OnTheMainFormEndsTheProgramAndKeepsTheWindowForTheTeardown) {
  TApplication application;
  auto* form = application.CreateForm<TForm>();
  form->Show();
  test::ProcessPending(application);
  ASSERT_TRUE(form->Active());
  const HWND window = form->Handle();
  PressAltF4();
  EXPECT_TRUE(test::RunApplicationUntil(application, [&] { return application.Terminated(); }));
  EXPECT_TRUE(IsWindow(window)) << "the form goes with the application, not before";
}

TEST(FormClose, ACloseRequestHidesAFormThatIsNotTheMainForm) {
  TApplication application;
  auto* mainForm = application.CreateForm<TForm>();
  mainForm->Show();
  auto* second = application.CreateForm<TForm>();
  second->Show();
  test::ProcessPending(application);
  SendMessage(second->Handle(), WM_CLOSE, 0, 0);
  test::ProcessPending(application);
  EXPECT_FALSE(second->Visible());
  EXPECT_TRUE(IsWindow(second->Handle()));
  EXPECT_FALSE(application.Terminated());
}

TEST(FormClose, ACloseRequestEndsAModalLoopWithCancel) {
  TApplication application;
  application.CreateForm<TForm>()->Show();
  auto* dialog = application.CreateForm<TForm>();
  TTimer closer(nullptr);
  closer.SetInterval(20);
  closer.SetOnTimer([&](TObject*) {
    closer.SetEnabled(false);
    PressAltF4();
  });
  // A loop that never ends fails the test rather than hanging it.
  TTimer watchdog(nullptr);
  watchdog.SetInterval(10000);
  watchdog.SetOnTimer([&](TObject*) { application.Terminate(); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_FALSE(application.Terminated());
}

}  // namespace
}  // namespace qb
