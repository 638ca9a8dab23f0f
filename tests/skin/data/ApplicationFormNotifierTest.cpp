#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/data/ApplicationFormNotifier.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskSkinData.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

struct Received {
  const TForm* form;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Received&) const = default;
};

// Two forms of one application; the skin data belongs to the second, made
// last, so the application lists it first.
class ApplicationFormNotifierTest : public ::testing::Test {
 protected:
  ApplicationFormNotifierTest() {
    for (TForm* form : {first.get(), second.get()}) {
      TWndMethod previous = form->WindowProc;
      form->WindowProc = [this, form, previous](TMessage& m) {
        if (m.Msg == SKM_CHANGE) received.push_back({form, m.Msg, m.WParam, m.LParam});
        previous(m);
      };
    }
    data->SetFormNotifier(&ApplicationForms());
  }

  TApplication application;
  std::unique_ptr<TForm> first = NewForm<TForm>();
  std::unique_ptr<TForm> second = NewForm<TForm>();
  TskSkinData* data = new TskSkinData(second.get());
  std::vector<Received> received;
};

TEST_F(ApplicationFormNotifierTest, EveryFormOfTheApplicationHearsOfTheChangeEvenBeforeItHasAWindow) {
  ASSERT_FALSE(first->HandleAllocated());
  data->NotifyForms(SKM_CHANGE);
  const WPARAM sender = reinterpret_cast<WPARAM>(data);
  EXPECT_EQ(received, (std::vector<Received>{{second.get(), SKM_CHANGE, sender, SKM_NOTIFY_LPARAM},
                                             {first.get(), SKM_CHANGE, sender, SKM_NOTIFY_LPARAM}}));
}

TEST_F(ApplicationFormNotifierTest, AFormThatIsGoneIsNotReached) {
  first.reset();
  data->NotifyForms(SKM_CHANGE);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].form, second.get());
}

}  // namespace
}  // namespace qb
