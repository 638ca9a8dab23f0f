#include "app/TerminationSignals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>

#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"

namespace qb {
namespace {

// Each case runs in a process of its own: a signal is taken once per
// process.
TEST(TerminationSignalsDeathTest, SignalEndsTheLoopThenTheProgramBySignal) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    EXPECT_EXIT(
        {
          TerminationSignals signals;
          TApplication application;
          raise(signal);
          const bool ended = test::RunApplicationUntil(application, [] { return false; });
          if (ended || !application.Terminated() || TerminationSignals::Taken() != signal) std::exit(1);
          signals.EndAsSignalled();
          std::exit(2);
        },
        ::testing::KilledBySignal(signal), "");
  }
}

TEST(TerminationSignalsDeathTest, IgnoredSignalStaysIgnoredAndNoSignalMeansAnOrdinaryEnd) {
  EXPECT_EXIT(
      {
        signal(SIGHUP, SIG_IGN);
        TerminationSignals signals;
        raise(SIGHUP);
        signals.EndAsSignalled();
        std::exit(TerminationSignals::Taken() == 0 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace qb
