#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "skin/data/SkinFormNotifier.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskSkinData.h"

namespace qb {

// The class name the layered border windows carry.
class TskFormLayerWindow : public TComponent {
 public:
  using TComponent::TComponent;
};

namespace {

struct OrderCase {
  bool ownerIsForm;
  bool showLayeredBorders;
  bool hasLayerFrame;
  std::vector<int> expected;  // indices into the form list
};

TEST(NotificationOrder, FollowsTheLayeredBorderSwitchAndTheOwner) {
  TComponent a(nullptr), b(nullptr), owner(nullptr);
  TskFormLayerWindow layer(nullptr);
  const std::vector<TComponent*> forms{&a, &layer, &owner, &b};
  const OrderCase cases[] = {
      {true, false, false, {2, 0, 3}},
      {true, false, true, {2, 0, 3}},
      {true, true, false, {0, 2, 3}},
      {true, true, true, {3, 2, 0}},
      {false, false, false, {0, 2, 3}},
      {false, true, true, {3, 2, 0}},
  };
  for (const OrderCase& c : cases) {
    std::vector<TComponent*> expected;
    for (int i : c.expected) expected.push_back(forms[static_cast<std::size_t>(i)]);
    EXPECT_EQ(SkinNotificationOrder(forms, c.ownerIsForm ? &owner : nullptr, c.showLayeredBorders, c.hasLayerFrame),
              expected)
        << c.ownerIsForm << c.showLayeredBorders << c.hasLayerFrame;
  }
}

// Forms that a handler closes are not reached any more.
class ClosingNotifier : public SkinFormNotifier {
 public:
  std::vector<TComponent*> Forms() const override { return forms; }
  bool IsForm(const TComponent*) const override { return false; }
  void SendToForm(TComponent* form, UINT, WPARAM, LPARAM) override {
    reached.push_back(form);
    if (forms.size() > 1) forms.pop_back();
  }
  std::vector<TComponent*> forms;
  std::vector<TComponent*> reached;
};

TEST(NotificationOrder, FormsClosedByAHandlerAreSkipped) {
  TComponent a(nullptr), b(nullptr), c(nullptr);
  ClosingNotifier notifier;
  notifier.forms = {&a, &b, &c};
  TskSkinData data(nullptr);
  data.SetFormNotifier(&notifier);
  data.NotifyForms(SKM_CHANGE);
  EXPECT_EQ(notifier.reached, (std::vector<TComponent*>{&a, &b}));
}

}  // namespace
}  // namespace qb
