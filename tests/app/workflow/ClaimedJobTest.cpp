#include "app/ClaimedJob.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

using test::Content;
using test::Names;
using test::U16;
using Lines = std::vector<std::string>;

TEST(ClaimedJob, GoesBackUnderItsOwnNameUnlessItIsDoneWith) {
  const test::TempDir spool;
  spool.Write("Report.PS", "job");
  {
    ClaimedJob job;
    job.Claim(U16(spool.Path() / "Report.PS"));
    EXPECT_EQ(job.Path(), U16(spool.Path() / "Report.tmp"));
    EXPECT_EQ(Names(spool.Path()), Lines{"Report.tmp"});
  }
  EXPECT_EQ(Names(spool.Path()), Lines{"Report.PS"}) << "put back when the object goes";
  {
    ClaimedJob job;
    job.Claim(U16(spool.Path() / "Report.PS"));
    job.Remove();
  }
  EXPECT_TRUE(Names(spool.Path()).empty()) << "done with: nothing comes back";
}

TEST(ClaimedJob, NeverReplacesAFileAndPutsNothingBackAfterAFailedClaim) {
  const test::TempDir spool;
  spool.Write("a.ps", "claimed");
  {
    ClaimedJob job;
    job.Claim(U16(spool.Path() / "a.ps"));
    // The printer side used the name again meanwhile.
    spool.Write("a.ps", "new");
  }
  EXPECT_EQ(Names(spool.Path()), (Lines{"a.ps", "a.tmp"}));
  EXPECT_EQ(Content(spool.Path() / "a.ps"), "new");

  // An earlier run's ".tmp" of that name makes the claim fail: it stays
  // the earlier run's.
  spool.Write("b.ps", "job");
  spool.Write("b.tmp", "earlier");
  {
    ClaimedJob job;
    job.Claim(U16(spool.Path() / "b.ps"));
  }
  EXPECT_EQ(Content(spool.Path() / "b.ps"), "job");
  EXPECT_EQ(Content(spool.Path() / "b.tmp"), "earlier");
}

}  // namespace
}  // namespace qb
