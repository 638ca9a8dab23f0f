#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/OutputFileStamp.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// What happens to the file at the PDF path between the stamp and the check,
// and whether the check may remove it.
TEST(OutputFileStamp, RemovesOnlyWhatTheRunCreatedOrChanged) {
  struct Case {
    const char* name;
    const char* before;  // null: no file
    const char* after;   // null: no file; "=": untouched
    bool removed;
  };
  const Case cases[] = {
      {"created by the run", nullptr, "%PDF-1.7 one page", true},
      {"changed in size", "old", "%PDF-1.7 one page", true},
      {"rewritten with the same size", "abc", "xyz", true},
      {"untouched", "old", "=", false},
      {"never there", nullptr, nullptr, false},
      {"removed by the run", "old", nullptr, false},
  };
  for (const Case& c : cases) {
    test::TempDir temp;
    const fs::path pdf = temp.Path() / "Brief.pdf";
    if (c.before) std::ofstream(pdf) << c.before;
    if (c.before) fs::last_write_time(pdf, fs::last_write_time(pdf) - std::chrono::hours(1));
    const OutputFileStamp stamp = OutputFileStamp::Take(test::U16(pdf));
    if (!c.after) fs::remove(pdf);
    if (c.after && std::string(c.after) != "=") std::ofstream(pdf) << c.after;
    EXPECT_EQ(stamp.RemoveIfChanged(), c.removed) << c.name;
    const bool expectFile = c.after && !c.removed;
    EXPECT_EQ(fs::exists(pdf), expectFile) << c.name;
  }
}

TEST(OutputFileStamp, LeavesAFolderAtThePathAlone) {
  test::TempDir temp;
  const fs::path path = temp.Path() / "Brief.pdf";
  const OutputFileStamp stamp = OutputFileStamp::Take(test::U16(path));
  fs::create_directory(path);
  EXPECT_FALSE(stamp.RemoveIfChanged());
  EXPECT_TRUE(fs::is_directory(path));
}

}  // namespace
}  // namespace qb
