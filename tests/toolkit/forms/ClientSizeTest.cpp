#include <gtest/gtest.h>

#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// Takes over a form's window procedure as a frame component does and
// reserves a frame of its own, which may change while the form lives.
class FrameHook {
 public:
  explicit FrameHook(TForm& form) : form_(form), previous_(form.WindowProc) {
    form.WindowProc = [this](TMessage& message) { Handle(message); };
    form.RecreateWnd();
  }
  ~FrameHook() {
    form_.WindowProc = previous_;
    form_.RecreateWnd();
  }

  // Takes effect at the next frame calculation.
  void Reserve(int border, int caption) {
    border_ = border;
    caption_ = caption;
    SetWindowPos(form_.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }

 private:
  void Handle(TMessage& message) {
    if (message.Msg != WM_NCCALCSIZE) {
      previous_(message);
      return;
    }
    RECT& r = message.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                             : *reinterpret_cast<RECT*>(message.LParam);
    r = RECT{r.left + border_, r.top + caption_ + border_, r.right - border_, r.bottom - border_};
    message.Result = 0;
  }

  TForm& form_;
  TWndMethod previous_;
  int border_ = 4;
  int caption_ = 20;
};

class ClientSize : public ::testing::Test {
 protected:
  TApplication application;
  std::unique_ptr<TForm> form = NewForm<TForm>();
};

TEST_F(ClientSize, FollowsTheFrameThatTheHookedProcedureReserves) {
  struct Case {
    int border;
    int caption;
  };
  FrameHook hook(*form);
  for (const Case& c : {Case{4, 20}, Case{0, 0}, Case{3, 19}}) {
    SCOPED_TRACE(testing::Message() << "border " << c.border << ", caption " << c.caption);
    hook.Reserve(c.border, c.caption);
    form->SetClientHeight(30);
    form->SetClientWidth(194);
    EXPECT_EQ(form->ClientWidth(), 194);
    EXPECT_EQ(form->ClientHeight(), 30);
    EXPECT_EQ(form->Width(), 194 + 2 * c.border);
    EXPECT_EQ(form->Height(), 30 + c.caption + 2 * c.border);
  }
}

TEST_F(ClientSize, ComesBackToTheFormsOwnFrameWhenTheHookIsRemoved) {
  form->SetBorderStyle(bsSingle);
  form->SetClientWidth(100);
  const int ownFrameWidth = form->Width() - 100;
  {
    FrameHook hook(*form);
    hook.Reserve(10, 0);
    form->SetClientWidth(100);
    EXPECT_EQ(form->Width(), 120);
  }
  form->SetClientWidth(100);
  EXPECT_EQ(form->Width(), 100 + ownFrameWidth);
  EXPECT_EQ(form->ClientWidth(), 100);
}

}  // namespace
}  // namespace qb
