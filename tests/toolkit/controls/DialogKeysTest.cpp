#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "platform/backend/RawInput.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/controls/TButton.h"
#include "toolkit/controls/TCustomControl.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// A control that takes the focus but is no button (as an edit field would).
class TFocusBox : public TCustomControl {
 public:
  explicit TFocusBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

// A shown form with a focus box and three buttons in tab order: OK (the
// default), Other, and Cancel (the cancel button).
class TDialogForm : public TForm {
 public:
  using TForm::TForm;

  TFocusBox* box = nullptr;
  TButton* ok = nullptr;
  TButton* other = nullptr;
  TButton* cancel = nullptr;
  std::map<std::string, int> clicks;

 protected:
  void CreateComponents() override {
    box = Make<TFocusBox>(u"Box", this);
    box->SetBounds(8, 8, 100, 20);
    ok = MakeButton(u"OK", 40);
    other = MakeButton(u"Other", 70);
    cancel = MakeButton(u"Cancel", 100);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
  }

 private:
  TButton* MakeButton(const std::u16string& name, int top) {
    auto* button = Make<TButton>(name, this);
    button->SetBounds(8, top, 75, 25);
    button->OnClick = [this, name](TObject*) { ++clicks[std::string(name.begin(), name.end())]; };
    return button;
  }
};

void Press(int key) {
  DeliverKey(key, true);
  DeliverKey(key, false);
}

class DialogKeys : public ::testing::Test {
 protected:
  DialogKeys() {
    form->SetBounds(200, 200, 300, 200);
    form->Show();
    test::ProcessPending(application);
  }
  ~DialogKeys() override { test::ProcessPending(application); }

  TApplication application;
  std::unique_ptr<TDialogForm> form = NewForm<TDialogForm>();
};

TEST_F(DialogKeys, ReturnAndEscapeGoToTheButtonThatAnswersThem) {
  struct Case {
    const char* focus;
    int key;
    const char* clicked;
  };
  const Case cases[] = {
      {"Box", VK_RETURN, "OK"},        // not on a button: the default button
      {"Other", VK_RETURN, "Other"},   // on a button: that button
      {"OK", VK_RETURN, "OK"},
      {"Box", VK_ESCAPE, "Cancel"},
      {"Other", VK_ESCAPE, "Cancel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "focus on " << c.focus << ", key " << c.key);
    form->clicks.clear();
    static_cast<TWinControl*>(form->FindComponent(std::u16string(c.focus, c.focus + std::strlen(c.focus))))
        ->SetFocus();
    test::ProcessPending(application);
    Press(c.key);
    test::ProcessPending(application);
    EXPECT_EQ(form->clicks, (std::map<std::string, int>{{c.clicked, 1}}));
  }
}

TEST_F(DialogKeys, TheDefaultButtonKnowsWhetherItAnswersReturn) {
  form->box->SetFocus();
  test::ProcessPending(application);
  EXPECT_TRUE(form->ok->Active());
  form->other->SetFocus();
  test::ProcessPending(application);
  EXPECT_FALSE(form->ok->Active());
  EXPECT_TRUE(form->other->Active());
  EXPECT_EQ(form->ActiveControl(), form->other);
}

TEST_F(DialogKeys, TabWalksTheTabOrderAndSkipsHiddenControls) {
  form->other->SetTabOrder(0);
  form->ok->Hide();
  form->cancel->SetFocus();
  test::ProcessPending(application);
  for (TWinControl* expected : {static_cast<TWinControl*>(form->other), static_cast<TWinControl*>(form->box),
                                static_cast<TWinControl*>(form->cancel)}) {
    Press(VK_TAB);
    test::ProcessPending(application);
    EXPECT_EQ(GetFocus(), expected->Handle()) << ToUtf8(expected->Name());
  }
}

TEST_F(DialogKeys, SpaceOnTheFocusedButtonClicksAtTheKeyUpAndStoresItsModalResult) {
  form->cancel->SetFocus();
  test::ProcessPending(application);
  DeliverKey(VK_SPACE, true);
  test::ProcessPending(application);
  EXPECT_TRUE(form->clicks.empty());
  DeliverKey(VK_SPACE, false);
  test::ProcessPending(application);
  EXPECT_EQ(form->clicks, (std::map<std::string, int>{{"Cancel", 1}}));
  EXPECT_EQ(form->ModalResult(), mrCancel);
}

}  // namespace
}  // namespace qb
