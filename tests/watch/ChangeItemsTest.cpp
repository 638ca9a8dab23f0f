#include <gtest/gtest.h>

#include <string>

#include "platform/notify/ChangeNotification.h"
#include "platform/text/Utf.h"
#include "tests/support/TempDir.h"
#include "watch/TChangeItems.h"
#include "watch/TChangeNotify.h"
#include "watch/WatchErrors.h"

namespace qb {
namespace {

using test::TempDir;

std::u16string U16(const std::filesystem::path& path) { return ToUtf16(path.string()); }

TEST(ChangeActions, FilterIsTheOrOfTheActionBits) {
  struct Case {
    TChangeActions actions;
    DWORD filter;
  };
  for (const Case& c :
       {Case{{}, 0}, Case{{caChangeFileName}, 0x1}, Case{{caChangeFileName, caChangeDirName}, 0x3},
        Case{{caChangeAttributes, caChangeSize, caChangeLastWrite}, 0x1C},
        Case{{caChangeSecurity}, 0x100}}) {
    EXPECT_EQ(NotifyFilter(c.actions), c.filter);
  }
}

TEST(ChangeItem, DefaultsAndDisplayName) {
  TChangeNotify notify(nullptr);
  TChangeItem* item = notify.Notifications()->Add();
  EXPECT_EQ(item->Items(), notify.Notifications());
  EXPECT_EQ(notify.Notifications()->ChangeNotify(), &notify);
  EXPECT_EQ(item->Actions(), (TChangeActions{caChangeFileName, caChangeDirName}));
  EXPECT_FALSE(item->IncludeSubTrees());
  EXPECT_EQ(item->DisplayName(), u"TChangeItem");
  TempDir dir;
  item->SetDirectory(U16(dir.Path()));
  EXPECT_EQ(item->DisplayName(), U16(dir.Path()));
}

TEST(ChangeItem, DirectoryMustNameAnExistingFolder) {
  TempDir dir;
  dir.Write("file", "");
  const std::u16string good = U16(dir.Path());
  for (const std::u16string& bad :
       {std::u16string(), U16(dir.Path() / "missing"), U16(dir.Path() / "file")}) {
    TChangeNotify notify(nullptr);
    TChangeItem* item = notify.Notifications()->Add();
    item->SetDirectory(good);
    try {
      item->SetDirectory(bad);
      ADD_FAILURE() << "accepted " << ToUtf8(bad);
    } catch (const EWatchException& error) {
      EXPECT_EQ(error.what(), "Invalid or empty path (" + ToUtf8(bad) + ")");
    }
    EXPECT_EQ(item->Directory(), good);
  }
}

TEST(ChangeItems, AssignCopiesEntriesAndTheListHoldsAtMost64) {
  TempDir a, b;
  TChangeNotify source(nullptr);
  for (const TempDir* dir : {&a, &b}) source.Notifications()->Add()->SetDirectory(U16(dir->Path()));
  source.Notifications()->Items(1)->SetActions({caChangeSize});
  source.Notifications()->Items(1)->SetIncludeSubTrees(true);

  TChangeNotify target(nullptr);
  target.Notifications()->Add();
  target.SetNotifications(source.Notifications());
  ASSERT_EQ(target.Notifications()->Count(), 2);
  const TChangeItem* copy = target.Notifications()->Items(1);
  EXPECT_EQ(copy->Directory(), U16(b.Path()));
  EXPECT_EQ(copy->Actions(), TChangeActions{caChangeSize});
  EXPECT_TRUE(copy->IncludeSubTrees());
  EXPECT_EQ(copy->Items(), target.Notifications());

  while (target.Notifications()->Count() < 64) target.Notifications()->Add();
  try {
    target.Notifications()->Add();
    ADD_FAILURE() << "65th entry accepted";
  } catch (const EWatchException& error) {
    EXPECT_STREQ(error.what(), "Maximum of 64 items exceeded");
  }
  EXPECT_EQ(target.Notifications()->Count(), 64);
}

TEST(ChangeNotify, CheckIntervalRules) {
  TempDir dir;
  TChangeNotify notify(nullptr);
  EXPECT_EQ(notify.CheckInterval(), 100);
  EXPECT_TRUE(notify.FreeOnTerminate());
  for (int ignored : {0, -5}) {
    notify.SetCheckInterval(ignored);
    EXPECT_EQ(notify.CheckInterval(), 100);
  }
  notify.SetCheckInterval(20);
  EXPECT_EQ(notify.CheckInterval(), 20);

  notify.Notifications()->Add()->SetDirectory(U16(dir.Path()));
  notify.SetActive(true);
  try {
    notify.SetCheckInterval(30);
    ADD_FAILURE() << "changed while active";
  } catch (const EWatchException& error) {
    EXPECT_STREQ(error.what(), "Cannot change Interval when active");
  }
  EXPECT_EQ(notify.CheckInterval(), 20);
  notify.BeginLoading();
  notify.SetCheckInterval(30);
  EXPECT_EQ(notify.CheckInterval(), 30);
}

}  // namespace
}  // namespace qb
