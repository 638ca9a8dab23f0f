#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/window/InputApi.h"
#include "tests/skin/controls/button/ButtonForm.h"

namespace qb {
namespace {

using test::ButtonTest;

constexpr POINT kInside{240, 225};
constexpr POINT kOutside{400, 300};

// The state block a look shows: Normal, Active, Down, Focused, or ? for
// anything else.
char Block(std::uint32_t look) {
  switch (look) {
    case test::kNormal: return 'N';
    case test::kActive: return 'A';
    case test::kDown: return 'D';
    case test::kFocused: return 'F';
    default: return '?';
  }
}

// Steps: i / o move the pointer inside / outside the button, d / u press and
// release the left button. After each step the button's picture is noted.
// The press gives the button the focus, so once pressed it shows its focused
// picture whenever it does not look pressed.
TEST_F(ButtonTest, ClickSequencesLookPressedOnlyWhilePressedInsideAndClickOnAReleaseInside) {
  struct Case {
    const char* steps;
    const char* looks;
    int clicks;
  };
  const Case cases[] = {
      {"idu", "ADF", 1},
      {"idou", "ADFF", 0},
      {"idoiu", "ADFDF", 1},
      {"iduidu", "ADFFDF", 2},
  };
  int row = 0;
  for (const Case& c : cases) {
    const std::u16string name = u"B" + std::u16string(1, char16_t(u'a' + row++));
    TskSkinButton* button = form->AddButton(name, u"statebutton", {10, 10, 90, 40}, skin.data.get());
    test::ProcessPending(application);
    std::string looks;
    for (const char* step = c.steps; *step != 0; ++step) {
      switch (*step) {
        case 'i': MoveTo(kInside); break;
        case 'o': MoveTo(kOutside); break;
        case 'd': Button(true); break;
        case 'u': Button(false); break;
      }
      looks += Block(Look(*button));
    }
    EXPECT_EQ(looks, c.looks) << c.steps;
    EXPECT_EQ(form->clicks[name], c.clicks) << c.steps;
    MoveTo({1900, 1000});
    delete button;
  }
}

TEST_F(ButtonTest, AutoRepeatClicksAfterTheDelayPausesOutsideAndAddsOneOnRelease) {
  TskSkinButton* button = form->AddButton(u"Repeat", u"statebutton", {10, 10, 90, 40}, skin.data.get());
  button->RepeatMode = true;
  button->RepeatInterval = 100;
  int& clicks = form->clicks[u"Repeat"];
  MoveTo(kInside);
  const auto pressed = std::chrono::steady_clock::now();
  Button(true);
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return clicks >= 3; }));
  // 500 ms delay, then the first interval, then one click per interval.
  EXPECT_GE(std::chrono::steady_clock::now() - pressed, std::chrono::milliseconds(800));

  MoveTo(kOutside);
  EXPECT_FALSE(button->Repeating());
  const int paused = clicks;
  test::RunApplicationUntil(application, [] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(clicks, paused);

  MoveTo(kInside);
  EXPECT_TRUE(button->Repeating());
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return clicks > paused; }));
  const int beforeRelease = clicks;
  Button(false);
  EXPECT_EQ(clicks, beforeRelease + 1);
  EXPECT_FALSE(button->Repeating());
}

class ButtonKeys : public ButtonTest {
 protected:
  ButtonKeys() {
    open = form->AddButton(u"Open", u"plainbutton", {10, 10, 90, 40}, skin.data.get());
    open->SetDefault(true);
    other = form->AddButton(u"Other", u"statebutton", {10, 50, 90, 80}, skin.data.get());
    close = form->AddButton(u"Close", u"statebutton", {10, 90, 90, 120}, skin.data.get());
    close->Cancel = true;
    test::ProcessPending(application);
  }

  TskSkinButton* open = nullptr;
  TskSkinButton* other = nullptr;
  TskSkinButton* close = nullptr;
};

TEST_F(ButtonKeys, EnterAndEscapeGoToTheButtonThatAnswersThem) {
  struct Row {
    const char* what;
    std::function<TWinControl*()> focus;
    int key;
    bool shift;
    const char16_t* clicked;
  };
  const Row rows[] = {
      {"Enter on a plain control", [&] { return static_cast<TWinControl*>(form->box); }, VK_RETURN, false, u"Open"},
      {"Enter on another skinned button", [&] { return static_cast<TWinControl*>(other); }, VK_RETURN, false,
       u"Other"},
      {"Enter on the default button", [&] { return static_cast<TWinControl*>(open); }, VK_RETURN, false, u"Open"},
      {"Escape", [&] { return static_cast<TWinControl*>(form->box); }, VK_ESCAPE, false, u"Close"},
      {"Escape with Shift held", [&] { return static_cast<TWinControl*>(form->box); }, VK_ESCAPE, true, nullptr},
  };
  for (const Row& row : rows) {
    row.focus()->SetFocus();
    test::ProcessPending(application);
    form->clicks.clear();
    if (row.shift) Key(VK_SHIFT, true);
    Key(row.key, true);
    Key(row.key, false);
    if (row.shift) Key(VK_SHIFT, false);
    int total = 0;
    for (const auto& [name, count] : form->clicks) total += count;
    if (row.clicked == nullptr) {
      EXPECT_EQ(total, 0) << row.what;
    } else {
      EXPECT_EQ(form->clicks[row.clicked], 1) << row.what;
      EXPECT_EQ(total, 1) << row.what;
    }
  }
}

// Return and Escape reach the default and the cancel button as dialog keys
// whether or not the user can see them; a hidden or disabled one stays
// silent, and so does a button on a hidden parent.
TEST_F(ButtonKeys, HiddenOrDisabledButtonsNeverClick) {
  auto* panel = new test::TFocusBox(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(100, 10, 100, 100);
  TskSkinButton* inner = form->AddButton(u"Inner", u"plainbutton", {10, 10, 90, 40}, skin.data.get());
  inner->SetParent(panel);
  inner->Cancel = true;
  close->Cancel = false;
  struct Row {
    const char* what;
    std::function<void(bool usable)> make;
    int openClicks;   // Return
    int innerClicks;  // Escape
  };
  const Row rows[] = {
      {"both usable", [](bool) {}, 1, 1},
      {"default button hidden", [&](bool usable) { open->SetVisible(usable); }, 0, 1},
      {"default button disabled", [&](bool usable) { open->SetEnabled(usable); }, 0, 1},
      {"cancel button's parent hidden", [&](bool usable) { panel->SetVisible(usable); }, 1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    row.make(false);
    form->box->SetFocus();
    test::ProcessPending(application);
    form->clicks.clear();
    for (int key : {VK_RETURN, VK_ESCAPE}) {
      Key(key, true);
      Key(key, false);
    }
    EXPECT_EQ(form->clicks[u"Open"], row.openClicks);
    EXPECT_EQ(form->clicks[u"Inner"], row.innerClicks);
    row.make(true);
  }
}

TEST_F(ButtonKeys, DefaultButtonShowsTheActiveLookAtOnceWhileAPlainControlHasTheFocus) {
  form->box->SetFocus();
  test::ProcessPending(application);
  EXPECT_TRUE(open->MouseIn());
  EXPECT_EQ(open->MorphFactor(), 1.0);
  EXPECT_EQ(Look(*open), test::kActive);
  // The pointer passing over and away keeps the highlight.
  MoveTo({240, 225});
  MoveTo({400, 300});
  EXPECT_TRUE(open->MouseIn());
  other->SetFocus();
  test::ProcessPending(application);
  EXPECT_FALSE(open->MouseIn());
  EXPECT_FALSE(open->DefaultActive());
  EXPECT_TRUE(other->DefaultActive());
}

TEST_F(ButtonKeys, SpaceShowsThePressedLookOnKeyDownAndClicksOnKeyUp) {
  other->SetFocus();
  test::ProcessPending(application);
  Key(VK_SPACE, true);
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(Look(*other), test::kDown);
  EXPECT_EQ(form->clicks[u"Other"], 0);
  Key(VK_SPACE, false);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(form->clicks[u"Other"], 1);
}

TEST_F(ButtonKeys, CheckedModeClicksOnThePressThatSetsAndTheReleaseThatClears) {
  other->SetCheckedMode(true);
  MoveTo({240, 265});
  Button(true);
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(form->clicks[u"Other"], 1);
  Button(false);
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(form->clicks[u"Other"], 1);
  Button(true);
  EXPECT_EQ(form->clicks[u"Other"], 1);
  Button(false);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(form->clicks[u"Other"], 2);
}

TEST_F(ButtonKeys, GroupedButtonGoingDownReleasesTheOthersOfItsGroup) {
  other->SetGroupIndex(1);
  close->SetGroupIndex(1);
  other->SetDown(true);
  close->SetDown(true);
  EXPECT_FALSE(other->Down());
  EXPECT_TRUE(close->Down());
  EXPECT_FALSE(close->CanFocused());
}

}  // namespace
}  // namespace qb
