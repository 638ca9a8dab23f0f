#include <gtest/gtest.h>

#include "platform/backend/RawInput.h"
#include "platform/window/InputApi.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

std::vector<WPARAM> CharactersSeen(const TestWindow& window) {
  std::vector<WPARAM> typed;
  for (const SeenMessage& seen : window.Seen()) {
    if (seen.message == WM_CHAR) typed.push_back(seen.wParam);
  }
  return typed;
}

// The display's layout says what a key types; without it the virtual key
// decides. Keys queued together keep their own characters.
TEST(TypedCharacters, TheDisplaysCharacterWinsAndTravelsWithItsKey) {
  TestWindow window({});
  SetFocus(window.Handle());
  struct Press {
    int key;
    char32_t character;
  };
  struct Case {
    const char* what;
    std::vector<Press> presses;
    std::vector<WPARAM> typed;
  };
  const Case cases[] = {
      {"a shifted symbol", {{'1', U'!'}}, {u'!'}},
      {"a key without a virtual key of its own", {{VK_PACKET, U'ü'}}, {0xFC}},
      {"beyond the first plane, as two surrogates", {{VK_PACKET, U'\U0001F600'}}, {0xD83D, 0xDE00}},
      {"nothing from the display", {{'A', 0}}, {u'a'}},
      {"several keys queued before the loop runs", {{'1', U'!'}, {'A', U'x'}, {'2', 0}}, {u'!', u'x', u'2'}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window.ClearSeen();
    for (const Press& press : c.presses) {
      DeliverKey(press.key, true, press.character);
      DeliverKey(press.key, false);
    }
    PumpPending();
    EXPECT_EQ(CharactersSeen(window), c.typed);
  }
}

}  // namespace
}  // namespace qb::test
