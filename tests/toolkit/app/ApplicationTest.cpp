#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/events/EventLog.h"
#include "platform/text/Utf.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/controls/TLabel.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

using Journal = std::vector<std::string>;

// A main form that notes its activation and ends the run from a timer.
class TRunForm : public TForm {
 public:
  explicit TRunForm(TComponent* owner) : TForm(owner) {}

  Journal journal;
  TLabel* label = nullptr;

 protected:
  void CreateComponents() override {
    label = Make<TLabel>(u"Label3", this);
    auto* timer = Make<TTimer>(u"CloseWindowTimer");
    timer->SetInterval(20);
    timer->SetOnTimer([this](TObject*) {
      journal.push_back("tick");
      Application()->Terminate();
    });
    OnActivate = [this](TObject*) { journal.push_back(std::string("activate ") + (Visible() ? "shown" : "hidden")); };
  }
};

TEST(ApplicationRun, ShowsTheMainFormThenLoopsUntilAQuitRequest) {
  TApplication application;
  auto* form = application.CreateForm<TRunForm>();
  application.Run();
  EXPECT_TRUE(application.Terminated());
  EXPECT_EQ(form->journal, (Journal{"activate shown", "tick"}));
  EXPECT_TRUE(form->Active());
}

TEST(ApplicationRun, ReportsVisibilityCaptionAndBoundsChangesToTheHook) {
  TApplication application;
  Journal changes;
  application.SetControlChangeHook([&](TControl& control, TControlChange change) {
    const char* what = change == TControlChange::kVisible   ? "visible"
                       : change == TControlChange::kCaption ? "caption"
                                                            : "bounds";
    changes.push_back(ToUtf8(control.Name()) + " " + what);
  });
  auto* form = application.CreateForm<TRunForm>();
  form->SetName(u"MainForm");
  changes.clear();
  form->label->SetCaption(u"Fenster schließt in 19 Sekunden");
  form->label->SetCaption(u"Fenster schließt in 19 Sekunden");
  form->label->Hide();
  form->SetCaption(u"PDF-Datei erzeugt");
  form->SetTop(form->Top() - 10);
  form->Show();
  EXPECT_EQ(changes, (Journal{"Label3 caption", "Label3 visible", "MainForm caption", "MainForm bounds",
                              "MainForm visible"}));
}

TEST(ApplicationRun, AnErrorEscapingAHandlerGoesToOnException) {
  TApplication application;
  std::string reported;
  application.OnException = [&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      reported = e.what();
    }
  };
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    throw std::runtime_error("Maximum of 64 items exceeded");
  });
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return !reported.empty(); }));
  EXPECT_EQ(reported, "Maximum of 64 items exceeded");
}

TEST(ApplicationRun, WithoutOnExceptionTheErrorIsShownInAMessageBox) {
  TApplication application;
  application.SetTitle(u"quillbrook");
  std::vector<std::u16string> shown;
  const events::Subscription subscription = events::Subscribe([&](const events::Event& event) {
    if (event.name == "message-box") shown.push_back(std::get<std::u16string>(*event.Find("text")));
  });
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    throw std::runtime_error("Cannot change Interval when active");
  });
  // The headless scripted user confirms the box.
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return !shown.empty(); }));
  EXPECT_EQ(shown, (std::vector<std::u16string>{u"Cannot change Interval when active"}));
}

}  // namespace
}  // namespace qb
