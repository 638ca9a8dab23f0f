#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend/RawInput.h"
#include "platform/script/ScriptTargets.h"
#include "platform/script/ScriptedUser.h"
#include "platform/text/Utf.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/controls/TButton.h"
#include "toolkit/controls/TLabel.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

using Journal = std::vector<std::string>;

// A frameless form at (200, 200), 300 × 200, with a button at (10, 10) and a
// label at (10, 50) in client coordinates; every control notes its mouse
// events in the journal.
class TMouseForm : public TForm {
 public:
  TMouseForm(TComponent* owner, Journal& journal) : TForm(owner), journal_(journal) {}

  TButton* button = nullptr;
  TLabel* label = nullptr;

 protected:
  void CreateComponents() override {
    SetBorderStyle(bsNone);
    SetBounds(200, 200, 300, 200);
    button = Make<TButton>(u"Button", this);
    button->SetBounds(10, 10, 75, 25);
    label = Make<TLabel>(u"Label", this);
    label->SetBounds(10, 50, 60, 20);
    for (TControl* control : {static_cast<TControl*>(this), static_cast<TControl*>(button),
                              static_cast<TControl*>(label)}) {
      const std::string name = ToUtf8(control->Name().empty() ? u"Form" : control->Name());
      control->OnMouseEnter = [this, name](TObject*) { journal_.push_back("enter " + name); };
      control->OnMouseLeave = [this, name](TObject*) { journal_.push_back("leave " + name); };
      control->OnClick = [this, name](TObject*) { journal_.push_back("click " + name); };
      control->OnMouseDown = [this, name](TObject*, TMouseButton, TShiftState, int x, int y) {
        journal_.push_back("down " + name + " " + std::to_string(x) + "," + std::to_string(y));
      };
    }
  }

 private:
  Journal& journal_;
};

class Mouse : public ::testing::Test {
 protected:
  Mouse() {
    form->Show();
    MoveTo({1900, 1000});
    journal.clear();
  }
  ~Mouse() override {
    DeliverButton(MouseButton::kLeft, false);
    MoveTo({1900, 1000});
  }

  void MoveTo(POINT screen) {
    DeliverPointerMove(screen);
    test::ProcessPending(application);
  }
  void Button(bool down) {
    DeliverButton(MouseButton::kLeft, down);
    test::ProcessPending(application);
  }

  TApplication application;
  Journal journal;
  std::unique_ptr<TMouseForm> form = NewForm<TMouseForm>(journal);
};

TEST_F(Mouse, EnterAndLeaveFollowThePointerAcrossFormButtonAndLabel) {
  struct Step {
    POINT to;
    Journal expected;
  };
  const Step steps[] = {
      {{350, 350}, {"enter Form"}},
      {{220, 220}, {"leave Form", "enter Button"}},
      {{220, 255}, {"leave Button", "enter Label"}},
      {{230, 258}, {}},
      {{350, 350}, {"leave Label", "enter Form"}},
      {{1900, 1000}, {"leave Form"}},
      {{220, 255}, {"enter Label"}},
      {{1900, 1000}, {"leave Label"}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << "to " << step.to.x << "," << step.to.y);
    journal.clear();
    MoveTo(step.to);
    EXPECT_EQ(journal, step.expected);
  }
}

TEST_F(Mouse, TheParentPassesItsPointerMessagesToTheLabelInTheLabelsCoordinates) {
  MoveTo({215, 255});
  journal.clear();
  Button(true);
  Button(false);
  EXPECT_EQ(journal, (Journal{"down Label 5,5", "click Label"}));

  journal.clear();
  Button(true);
  MoveTo({350, 350});
  Button(false);
  EXPECT_EQ(journal, (Journal{"down Label 5,5"})) << "a release outside the label is no click";
}

TEST_F(Mouse, APressOnTheFreeAreaReachesTheFormAndAReleaseThereClicksIt) {
  MoveTo({350, 350});
  journal.clear();
  Button(true);
  Button(false);
  EXPECT_EQ(journal, (Journal{"down Form 150,150", "click Form"}));
}

TEST_F(Mouse, HidingTheControlUnderThePointerLetsTheNextMoveEnterTheForm) {
  MoveTo({220, 255});
  form->label->Hide();
  journal.clear();
  MoveTo({221, 255});
  EXPECT_EQ(journal, (Journal{"enter Form"}));
}

TEST_F(Mouse, TheScriptedUserFindsNamedControlsWhileTheyCanBeSeen) {
  const NamedComponent* label = NamedComponent::Find(u"Label");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Locate(), (RECT{210, 250, 270, 270}));
  EXPECT_EQ(NamedComponent::Find(u"Button")->Locate(), (RECT{210, 210, 285, 235}));

  StartScriptedUser(ParseScript("mouse click Label\n"));
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return !journal.empty() && journal.back() == "click Label"; }));

  form->label->Hide();
  EXPECT_EQ(label->Locate(), std::nullopt);
  form->label->Show();
  form->Hide();
  EXPECT_EQ(label->Locate(), std::nullopt);
}

}  // namespace
}  // namespace qb
