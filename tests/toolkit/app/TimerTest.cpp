#include <gtest/gtest.h>

#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TTimer.h"

namespace qb {
namespace {

class Timers : public ::testing::Test {
 protected:
  TApplication application;
};

TEST_F(Timers, TicksArriveThroughTheLoopUntilTheHandlerStopsTheTimer) {
  TTimer timer(nullptr);
  timer.SetInterval(20);
  int ticks = 0;
  timer.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (++ticks == 3) timer.SetEnabled(false);
  });
  EXPECT_TRUE(timer.Running());
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return !timer.Running(); }));
  EXPECT_EQ(ticks, 3);
}

TEST_F(Timers, ATimerRunsOnlyWhenEnabledWithAnIntervalAHandlerAndNotLoading) {
  struct Case {
    const char* what;
    bool enabled;
    UINT interval;
    bool handler;
    bool loading;
    bool running;
  };
  const Case cases[] = {
      {"all set", true, 50, true, false, true},
      {"disabled", false, 50, true, false, false},
      {"interval 0", true, 0, true, false, false},
      {"no handler", true, 50, false, false, false},
      {"loading", true, 50, true, true, false},
  };
  for (const Case& c : cases) {
    TTimer timer(nullptr);
    if (c.loading) timer.BeginLoading();
    timer.SetEnabled(c.enabled);
    timer.SetInterval(c.interval);
    if (c.handler) timer.SetOnTimer([](TObject*) {});
    EXPECT_EQ(timer.Running(), c.running) << c.what;
    if (c.loading) {
      timer.EndReading();
      timer.Loaded();
      EXPECT_TRUE(timer.Running()) << "after loading";
    }
  }
}

TEST_F(Timers, ATimerOwnedByADestroyedComponentNeverTicksAgain) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* timer = new TTimer(owner.get());
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  owner.reset();
  TTimer probe(nullptr);
  probe.SetInterval(60);
  bool probed = false;
  probe.SetOnTimer([&](TObject*) { probed = true; });
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return probed; }));
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace qb
