#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/component/ComponentErrors.h"
#include "toolkit/component/TComponent.h"

namespace qb {
namespace {

// Records its destruction and what it saw then, and keeps one reference to
// another component that it clears when told.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::u16string name, std::vector<std::u16string>* log = nullptr)
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~Probe() override {
    if (log_) log_->push_back(Name() + (ComponentState().Contains(csDestroying) ? u"" : u"!"));
  }

  void Refer(TComponent* target) {
    ref = target;
    if (target) target->FreeNotification(this);
  }
  TComponent* ref = nullptr;
  // What Notification reported, by address: the component may be gone.
  std::vector<std::pair<std::uintptr_t, TOperation>> heard;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    heard.emplace_back(reinterpret_cast<std::uintptr_t>(component), operation);
    if (operation == opRemove && component == ref) ref = nullptr;
  }

 private:
  std::vector<std::u16string>* log_;
};

TEST(ComponentOwnership, OwnerDestroysItsComponentsNewestFirstAndDepthFirst) {
  std::vector<std::u16string> log;
  auto owner = std::make_unique<Probe>(nullptr, u"Form", &log);
  auto* a = new Probe(owner.get(), u"A", &log);
  new Probe(a, u"A1", &log);
  new Probe(owner.get(), u"B", &log);
  new Probe(owner.get(), u"C", &log);
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->Components(0), a);
  EXPECT_EQ(a->Owner(), owner.get());

  owner.reset();
  // Owned components already read as being destroyed when their own
  // destructors run; the one deleted directly does not ("!") until its base
  // destructor starts.
  EXPECT_EQ(log, (std::vector<std::u16string>{u"Form!", u"C", u"B", u"A", u"A1"}));
}

TEST(ComponentOwnership, DeletingAnOwnedComponentTakesItOutOfItsOwner) {
  Probe owner(nullptr, u"Form");
  auto* a = new Probe(&owner, u"A");
  auto* b = new Probe(&owner, u"B");
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(owner.FindComponent(u"A"), nullptr);
}

TEST(ComponentReferences, ReferenceIsClearedWhenTheTargetIsDestroyed) {
  struct Case {
    const char* what;
    bool sameOwner;
    bool askForNotification;
  };
  for (const Case& c : {Case{"sibling, told by the owner", true, false},
                        Case{"sibling with free notification", true, true},
                        Case{"foreign component with free notification", false, true}}) {
    SCOPED_TRACE(c.what);
    Probe form(nullptr, u"Form");
    Probe elsewhere(nullptr, u"Elsewhere");
    auto* holder = new Probe(&form, u"Holder");
    auto* target = new Probe(c.sameOwner ? &form : &elsewhere, u"Target");
    if (c.askForNotification)
      holder->Refer(target);
    else
      holder->ref = target;
    delete target;
    EXPECT_EQ(holder->ref, nullptr);
  }
}

TEST(ComponentReferences, NoNotificationAfterTheLinkIsRemovedOrTheListenerIsGone) {
  auto target = std::make_unique<Probe>(nullptr, u"Target");
  Probe quiet(nullptr, u"Quiet");
  quiet.Refer(target.get());
  target->RemoveFreeNotification(&quiet);
  // This listener goes first; the target must not call into it later.
  auto listener = std::make_unique<Probe>(nullptr, u"Listener");
  listener->Refer(target.get());
  listener.reset();
  Probe survivor(nullptr, u"Survivor");
  survivor.Refer(target.get());
  quiet.heard.clear();
  survivor.heard.clear();

  target.reset();
  EXPECT_EQ(survivor.heard.size(), 1u);
  EXPECT_EQ(survivor.ref, nullptr);
  EXPECT_TRUE(quiet.heard.empty());
}

TEST(ComponentReferences, OwnerPassesInsertionsAndRemovalsToItsComponents) {
  Probe form(nullptr, u"Form");
  auto* watcher = new Probe(&form, u"Watcher");
  auto* added = new Probe(&form, u"Added");
  const auto address = reinterpret_cast<std::uintptr_t>(added);
  delete added;
  using Heard = std::vector<std::pair<std::uintptr_t, TOperation>>;
  EXPECT_EQ(watcher->heard, (Heard{{address, opInsert}, {address, opRemove}}));
}

TEST(ComponentNames, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase) {
  struct Case {
    std::u16string name;
    bool accepted;
  };
  for (const Case& c :
       {Case{u"Gauge", true}, Case{u"_x1", true}, Case{u"", true}, Case{u"1abc", false},
        Case{u"a b", false}, Case{u"Ä", false}, Case{u"label3", false}, Case{u"Other", true}}) {
    SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
    Probe form(nullptr, u"Form");
    Probe* existing = new Probe(&form, u"Label3");
    Probe* fresh = new Probe(&form, u"");
    if (c.accepted) {
      fresh->SetName(c.name);
      EXPECT_EQ(fresh->Name(), c.name);
      EXPECT_EQ(form.FindComponent(c.name), c.name.empty() ? nullptr : fresh);
    } else {
      EXPECT_THROW(fresh->SetName(c.name), EComponentError);
      EXPECT_EQ(fresh->Name(), u"");
    }
    EXPECT_EQ(form.FindComponent(u"LABEL3"), existing);
  }
}

TEST(ComponentState, LoadingSequenceAndDesignMode) {
  Probe form(nullptr, u"Form");
  auto* child = new Probe(&form, u"Child");
  child->BeginLoading();
  EXPECT_EQ(child->ComponentState(), (TComponentState{csLoading, csReading}));
  child->EndReading();
  EXPECT_EQ(child->ComponentState(), TComponentState{csLoading});
  child->Loaded();
  EXPECT_TRUE(child->ComponentState().Empty());

  form.SetDesigning(true);
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
  form.SetDesigning(false);
  EXPECT_TRUE(child->ComponentState().Empty());
}

}  // namespace
}  // namespace qb
