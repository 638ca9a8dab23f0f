#include <gtest/gtest.h>

#include "app/GhostscriptCommand.h"
#include "platform/process/CommandLine.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

constexpr char16_t kSwitches[] =
    u"gs/gs8.70/bin/gswin32c.exe -q -dNOPAUSE -dBATCH -sPAPERSIZE=a4 -dPDFFitPage -dPDFSETTINGS=/prepress "
    u"-dEmbedAllFonts=true -sDEVICE=pdfwrite -dDoNumCopies -sOutputFile=";

TEST(GhostscriptCommand, OrdinaryPathsGiveTheTextExactly) {
  EXPECT_EQ(GhostscriptCommandLine(u"/opt/Quill Brook/", u"/home/u/Brief.pdf", u"/spool/ABCDEFGHIJKLMNOBrief.tmp"),
            u"/opt/Quill Brook/" + std::u16string(kSwitches) +
                u"\"/home/u/Brief.pdf\" -c save pop -f \"/spool/ABCDEFGHIJKLMNOBrief.tmp\"");
}

// A quotation mark in a path must not end the argument early and smuggle in
// switches of its own.
TEST(GhostscriptCommand, EveryPathStaysOneArgument) {
  const char16_t* const paths[] = {u"/tmp/a\" -dSAFER=false -sOutputFile=\"/etc/x.pdf", u"/tmp/ends in\\",
                                   u"/tmp/\\\"both\\", u"/tmp/plain name.pdf"};
  for (const char16_t* pdf : paths) {
    for (const char16_t* job : paths) {
      const std::vector<std::u16string> arguments = SplitArguments(GhostscriptCommandLine(u"/p/", pdf, job));
      ASSERT_EQ(arguments.size(), 16u) << ToUtf8(pdf) << " | " << ToUtf8(job);
      EXPECT_EQ(arguments[10], u"-sOutputFile=" + std::u16string(pdf));
      EXPECT_EQ(arguments[11], u"-c");
      EXPECT_EQ(arguments[15], job);
    }
  }
}

}  // namespace
}  // namespace qb
