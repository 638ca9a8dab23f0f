#include <gtest/gtest.h>

#include "skin/frame/CaptionButtonRules.h"

namespace qb {
namespace {

using enum TskStdCommand;
constexpr TskBorderIcons kNone{};
constexpr TskBorderIcons kSysMenu{TskBorderIcon::biSystemMenu};
constexpr TskBorderIcons kAll{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                              TskBorderIcon::biRollUp, TskBorderIcon::biMinimizeToTray};

TEST(CaptionButtonRules, BorderIconsDecideWhichButtonsShow) {
  struct Case {
    const char* what;
    CaptionButtonFacts button;
    CaptionButtonSettings settings;
    std::optional<CaptionButtonLook> expected;
  };
  const Case cases[] = {
      {"close keeps its state with no icons", {cmClose, u"closebutton"}, {kNone}, std::nullopt},
      {"maximize hidden with no icons", {cmMaximize, u"maxbutton"}, {kNone}, CaptionButtonLook{false, false}},
      {"minimize hidden with no icons", {cmMinimize, u"minbutton"}, {kNone}, CaptionButtonLook{false, false}},
      {"system menu hidden with no icons", {cmSysMenu, u"sysmenubutton"}, {kNone}, CaptionButtonLook{false, false}},
      {"maximize shown", {cmMaximize, u"maxbutton"}, {kAll}, CaptionButtonLook{true, true}},
      {"tray shown", {cmMinimizeToTray, u"traybutton"}, {kAll}, CaptionButtonLook{true, true}},
      {"system menu disabled by the switch",
       {cmSysMenu, u"sysmenubutton"},
       {kAll, false, true},
       CaptionButtonLook{false, false}},
      {"frame-picture maximize stays visible, disabled",
       {cmMaximize, u"maxbutton", false},
       {kNone},
       CaptionButtonLook{false, true}},
      {"no icons, dialog close exists: ordinary close goes",
       {cmClose, u"closebutton"},
       {kNone, false, false, true},
       CaptionButtonLook{false, false}},
      {"no icons, dialog close exists: it shows",
       {cmClose, u"dialogclosebutton"},
       {kNone, false, false, true},
       CaptionButtonLook{true, true}},
      {"system menu only, dialog close exists: it shows",
       {cmClose, u"dialogclosebutton"},
       {kSysMenu, false, false, true},
       CaptionButtonLook{true, true}},
      {"system menu only, dialog close exists: ordinary close goes",
       {cmClose, u"closebutton"},
       {kSysMenu, false, false, true},
       CaptionButtonLook{false, false}},
      {"system menu only, no dialog close: close keeps its state", {cmClose, u"closebutton"}, {kSysMenu}, std::nullopt},
      {"all icons: dialog close goes, ordinary close stays",
       {cmClose, u"dialogclosebutton"},
       {kAll, false, false, true},
       CaptionButtonLook{false, false}},
      {"hidden buttons in their own picture", {cmClose, u"closebutton"}, {kAll, true}, CaptionButtonLook{false, false}},
      {"hidden buttons of the frame picture stay visible",
       {cmClose, u"closebutton", false},
       {kAll, true},
       CaptionButtonLook{false, true}},
      {"custom buttons are the program's", {cmDefault, u"mybutton"}, {kAll}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<CaptionButtonLook> look = CaptionButtonState(c.button, c.settings);
    ASSERT_EQ(look.has_value(), c.expected.has_value());
    if (!look) continue;
    EXPECT_EQ(look->enabled, c.expected->enabled);
    EXPECT_EQ(look->visible, c.expected->visible);
  }
}

}  // namespace
}  // namespace qb
