#include "app/convert/PendingOutput.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb::convert {
namespace {

namespace fs = std::filesystem;
using Naming = PendingOutput::Naming;
using test::Content;
using test::Names;

void Write(int descriptor, const std::string& text) {
  ASSERT_EQ(write(descriptor, text.data(), text.size()), ssize_t(text.size()));
}

class PendingOutputTest : public ::testing::TestWithParam<Naming> {
 protected:
  test::TempDir temp;
};

TEST_P(PendingOutputTest, TheTargetChangesOnlyWhenTheFileIsPutInPlace) {
  const fs::path target = temp.Path() / "Brief.pdf";
  std::ofstream(target) << "alt";
  {
    PendingOutput output(target.string(), GetParam());
    Write(output.Descriptor(), "%PDF-halb");
    EXPECT_EQ(Content(target), "alt");
  }
  EXPECT_EQ(Names(temp.Path()), std::vector<std::string>{"Brief.pdf"}) << "the unfinished file is gone";
  EXPECT_EQ(Content(target), "alt");
  {
    PendingOutput output(target.string(), GetParam());
    Write(output.Descriptor(), "%PDF-ganz");
    output.PutInPlace();
  }
  EXPECT_EQ(Names(temp.Path()), std::vector<std::string>{"Brief.pdf"});
  EXPECT_EQ(Content(target), "%PDF-ganz");
}

TEST_P(PendingOutputTest, ANewFileGetsTheUsualPermissions) {
  const mode_t mask = umask(022);
  umask(mask);
  const fs::path target = temp.Path() / "Neu.pdf";
  {
    PendingOutput output(target.string(), GetParam());
    output.PutInPlace();
  }
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_P(PendingOutputTest, TargetsThatCannotBeWrittenAreRefused) {
  fs::create_directories(temp.Path() / "Ordner");
  for (const fs::path& target : {temp.Path() / "Ordner", temp.Path() / "fehlt/Brief.pdf", temp.Path() / ""}) {
    EXPECT_THROW(PendingOutput(target.string(), GetParam()), EOutputFailed) << target;
  }
  EXPECT_EQ(Names(temp.Path()), std::vector<std::string>{"Ordner"});
}

INSTANTIATE_TEST_SUITE_P(Both, PendingOutputTest, ::testing::Values(Naming::kUnnamedWhereItCan, Naming::kHidden),
                         [](const ::testing::TestParamInfo<Naming>& info) {
                           return info.param == Naming::kHidden ? "Hidden" : "Unnamed";
                         });

}  // namespace
}  // namespace qb::convert
