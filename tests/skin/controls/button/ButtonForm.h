// A shown frameless form at (200, 200), 300 × 200, for the button tests: a
// plain focusable box at (10, 150) and skinned buttons made on demand, all
// bound to the control skin. Clicks are counted per button name.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/backend/RawInput.h"
#include "skin/controls/TskSkinButton.h"
#include "tests/skin/controls/ControlTestSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/forms/TForm.h"

namespace qb::test {

class TFocusBox : public TCustomControl {
 public:
  explicit TFocusBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

class TButtonForm : public TForm {
 public:
  using TForm::TForm;

  TFocusBox* box = nullptr;
  std::map<std::u16string, int> clicks;

  TskSkinButton* AddButton(const std::u16string& name, const std::u16string& record, RECT bounds,
                           TskSkinData* data) {
    auto* button = new TskSkinButton(this);
    button->SetName(name);
    button->SetParent(this);
    button->SetSkinDataName(record);
    button->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    button->SetSkinData(data);
    button->OnClick = [this, name](TObject*) { ++clicks[name]; };
    return button;
  }

 protected:
  void CreateComponents() override {
    SetBorderStyle(bsNone);
    SetBounds(200, 200, 300, 200);
    box = Make<TFocusBox>(u"Box", this);
    box->SetBounds(10, 150, 40, 20);
  }
};

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() {
    form->Show();
    MoveTo({1900, 1000});
  }
  ~ButtonTest() override {
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
  void Key(int key, bool down) {
    DeliverKey(key, down);
    test::ProcessPending(application);
  }
  // The colour in the middle of the button's next picture.
  std::uint32_t Look(TskSkinButton& button) {
    TBitmap shown;
    PaintInto(button, shown);
    return ColourAt(shown, button.Width() / 2, button.Height() / 2);
  }

  TApplication application;
  ControlSkin skin;
  std::unique_ptr<TButtonForm> form = NewForm<TButtonForm>();
};

}  // namespace qb::test
