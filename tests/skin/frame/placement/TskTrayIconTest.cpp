#include "skin/frame/TskTrayIcon.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(TskTrayIcon, AttachingGivesTheDefaultMenuAndClickHandler) {
  struct Case {
    const char* name;
    bool alwaysShow;
    bool visibleAfter;
  };
  const Case cases[] = {{"hidden unless always shown", false, false}, {"always shown stays", true, true}};
  for (const Case& c : cases) {
    TskTrayIcon icon(nullptr);
    icon.Show();
    icon.MinimizedToTray = true;
    int restores = 0, closes = 0;
    icon.AttachToFrame(c.alwaysShow, kTrayRestoreCaption, kTrayCloseCaption, [&] { ++restores; }, [&] { ++closes; });
    EXPECT_EQ(icon.Visible(), c.visibleAfter) << c.name;
    EXPECT_FALSE(icon.MinimizedToTray) << c.name;
    ASSERT_EQ(icon.PopupMenu.size(), 3u) << c.name;
    EXPECT_EQ(icon.PopupMenu[0].Caption, u"&Restore");
    EXPECT_EQ(icon.PopupMenu[1].Caption, u"-");
    EXPECT_EQ(icon.PopupMenu[2].Caption, u"&Close");
    EXPECT_EQ(icon.PopupMenu[2].ShortCut, u"Alt+F4");
    icon.Click();
    icon.ChooseMenuItem(1);
    icon.ChooseMenuItem(7);
    icon.ChooseMenuItem(2);
    EXPECT_EQ(restores, 1) << c.name;
    EXPECT_EQ(closes, 1) << c.name;
  }
}

TEST(TskTrayIcon, KeepsItsOwnMenuAndClickHandler) {
  TskTrayIcon icon(nullptr);
  int own = 0, restores = 0;
  icon.PopupMenu.push_back(TskTrayMenuItem{u"Mine", u"", [&] { ++own; }});
  icon.OnClick = [&](TObject*) { ++own; };
  icon.AttachToFrame(false, u"Wieder", u"Zu", [&] { ++restores; }, nullptr);
  ASSERT_EQ(icon.PopupMenu.size(), 1u);
  icon.Click();
  icon.ChooseMenuItem(0);
  EXPECT_EQ(own, 2);
  EXPECT_EQ(restores, 0);
}

}  // namespace
}  // namespace qb
