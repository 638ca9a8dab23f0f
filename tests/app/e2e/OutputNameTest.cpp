// The PDF gets exactly the name the user accepted, whatever the document
// title holds, and "PDF-Datei öffnen" opens that very file: titles with
// "%" (which the interpreter itself would read as a page-number
// template), job names that are not UTF-8 (an 8-bit printer side), and a
// cut after the printer side's 15 code units through a character of two.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text/Utf.h"
#include "tests/app/e2e/Sandbox.h"
#include "tests/support/FileText.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

TEST(OutputName, ThePdfHasExactlyTheAcceptedNameAndIsTheOneOpened) {
  struct Case {
    const char* what;
    std::string jobName;
    std::u16string pdfName;
  };
  const Case cases[] = {
      {"a per cent sign", "ABCDEFGHIJKLMNOUmsatz 50%.ps", u"Umsatz 50%.pdf"},
      {"a page-number template", "ABCDEFGHIJKLMNOSeite %d.ps", u"Seite %d.pdf"},
      {"an escaped per cent sign", "ABCDEFGHIJKLMNOZins 5%%.ps", u"Zins 5%%.pdf"},
      {"Latin-1 bytes", "ABCDEFGHIJKLMNOGr\xFC\xDF" "e an M\xFCller.ps", u"Grüße an Müller.pdf"},
      {"Windows quotation marks", "ABCDEFGHIJKLMNO\x84Zitat\x93.ps", u"„Zitat“.pdf"},
      {"a cut through a character of two code units", "ABCDEFGHIJKLMN\xF0\x9F\x93\x84" "Brief.ps", u"Brief.pdf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Sandbox box{SandboxOptions{}};
    box.AddJob(c.jobName, kSampleJob);
    const RunResult run =
        box.Run("save accept\nwait visible OpenPDFFileButton\nsleep 1500\nmouse click OpenPDFFileButton\n");
    const std::u16string pdf = U16(box.Desktop()) + u"/" + c.pdfName;
    EXPECT_EQ(run.First("message-box"), nullptr) << ToUtf8(Text(run.First("message-box"), "text"));
    EXPECT_EQ(Text(run.First("save-result"), "file"), pdf);
    EXPECT_EQ(Text(run.First("shell-open"), "target"), pdf);
    std::vector<std::u16string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(box.Desktop())) written.push_back(U16(entry.path()));
    EXPECT_EQ(written, std::vector<std::u16string>{pdf});
    EXPECT_TRUE(Content(fs::path(ToUtf8(pdf))).starts_with("%PDF-"));
    EXPECT_TRUE(fs::is_empty(box.Spool()));
  }
}

}  // namespace
}  // namespace qb::test
