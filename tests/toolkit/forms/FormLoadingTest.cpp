#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text/Utf.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

using Journal = std::vector<std::string>;

// A component that writes what happens to it into the form's journal.
class TRecorder : public TComponent {
 public:
  explicit TRecorder(TComponent* owner) : TComponent(owner) {}
  ~TRecorder() override {
    if (journal) journal->push_back("destroy " + ToUtf8(Name()));
  }

  void SetPartner(TRecorder* partner) {
    this->partner = partner;
    journal->push_back("link " + ToUtf8(Name()) + (ComponentState().Contains(csLoading) ? " loading" : ""));
  }
  void Loaded() override {
    TComponent::Loaded();
    journal->push_back("loaded " + ToUtf8(Name()) + (partner ? " linked" : ""));
  }

  Journal* journal = nullptr;
  TRecorder* partner = nullptr;
};

// The journal outlives the form: components write into it while the form
// is torn down.
class TLoadingForm : public TForm {
 public:
  TLoadingForm(TComponent* owner, Journal& journal) : TForm(owner), journal(journal) {
    OnCreate = [this](TObject*) {
      this->journal.push_back(std::string("create") + (ComponentState().Contains(csLoading) ? " loading" : ""));
    };
    OnDestroy = [this](TObject*) {
      this->journal.push_back("form destroy, components " + std::to_string(ComponentCount()));
    };
  }
  // Deleted directly rather than by the application, the form raises
  // OnDestroy itself while its own members are still alive.
  ~TLoadingForm() override { BeforeDestruction(); }

  Journal& journal;
  TRecorder* first = nullptr;
  TRecorder* second = nullptr;

 protected:
  void CreateComponents() override {
    first = Make<TRecorder>(u"First");
    first->journal = &journal;
    journal.push_back(second == nullptr ? "made First" : "out of order");
    second = Make<TRecorder>(u"Second");
    second->journal = &journal;
    journal.push_back("made Second");
  }
  void ResolveReferences() override {
    first->SetPartner(second);
    second->SetPartner(first);
  }
  void Loaded() override {
    TForm::Loaded();
    journal.push_back("loaded form");
  }
};

class FormLoading : public ::testing::Test {
 protected:
  TApplication application;
};

TEST_F(FormLoading, ComponentsAreMadeThenLinkedThenLoadedThenTheFormIsCreated) {
  Journal journal;
  auto form = NewForm<TLoadingForm>(journal);
  const Journal expected = {
      "made First",  "made Second",         "link First loading",   "link Second loading",
      "loaded form", "loaded First linked", "loaded Second linked", "create",
  };
  EXPECT_EQ(journal, expected);
  for (TComponent* component : {static_cast<TComponent*>(form.get()), static_cast<TComponent*>(form->first)}) {
    EXPECT_FALSE(component->ComponentState().Contains(csLoading));
    EXPECT_FALSE(component->ComponentState().Contains(csReading));
  }
}

TEST_F(FormLoading, OnDestroyRunsWhileTheComponentsLiveAndTheyGoTheLastFirst) {
  Journal journal;
  {
    auto form = NewForm<TLoadingForm>(journal);
    journal.clear();
  }
  EXPECT_EQ(journal, (Journal{"form destroy, components 2", "destroy Second", "destroy First"}));
}

class TPlainForm : public TForm {
 public:
  explicit TPlainForm(TComponent* owner) : TForm(owner) {
    OnCreate = [this](TObject*) { created = true; };
  }
  bool created = false;
};

TEST_F(FormLoading, TheApplicationMakesTheFirstFormTheMainFormAndListsItsForms) {
  auto* main = application.CreateForm<TPlainForm>();
  auto* second = application.CreateForm<TPlainForm>();
  EXPECT_EQ(application.MainForm(), main);
  EXPECT_TRUE(main->created);
  EXPECT_EQ(application.Forms(), (std::vector<TCustomForm*>{second, main}));
  delete second;
  EXPECT_EQ(application.Forms(), (std::vector<TCustomForm*>{main}));
}

class TShownWhenLoaded : public TForm {
 public:
  using TForm::TForm;
  bool shownWhileLoading = true;

 protected:
  void CreateComponents() override {
    SetVisible(true);
    shownWhileLoading = HandleAllocated() && IsWindowVisible(Handle());
  }
};

TEST_F(FormLoading, AFormMadeVisibleInItsDescriptionIsShownOnceLoaded) {
  auto form = NewForm<TShownWhenLoaded>();
  EXPECT_FALSE(form->shownWhileLoading);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace qb
