#include <gtest/gtest.h>

#include "app/SuggestedName.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

TEST(SuggestedName, DropsThePrinterPrefixTheExtensionsAndWordsMark) {
  struct Case {
    const char16_t* job;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"/spool/ABCDEFGHIJKLMNORechnung.tmp", u"Rechnung.pdf"},
      {u"/spool/ABCDEFGHIJKLMNOMicrosoft Word - Brief.docx.tmp", u"Brief.pdf"},
      {u"/spool/ABCDEFGHIJKLMNOVersion 1.2 final.tmp", u"Version 1.pdf"},
      {u"/spool/ABCDEFGHIJKLMNOMICROSOFT WORD - Brief.doc.tmp", u"Brief.pdf"},
      {u"/spool/ABCDEFGHIJKLMNOAnlage Microsoft Word - Kopie.tmp", u"Anlage Kopie.pdf"},
      {u"/spool/ABCDEFGHIJKLMNOmicrosoft word - microsoft word - A.tmp", u"A.pdf"},
      {u"/spool/x.tmp", u".pdf"},
      {u"/spool/ABCDEFGHIJKLMNO", u".pdf"},
      {u"/spool/ABCDEFGHIJKLMNOÄrger über Öl.tmp", u"Ärger über Öl.pdf"},
      // The folder does not count, even when it looks like a title.
      {u"/Microsoft Word - x.y/ABCDEFGHIJKLMNOPlan.tmp", u"Plan.pdf"},
      {u"ABCDEFGHIJKLMNOOhne Ordner.tmp", u"Ohne Ordner.pdf"},
  };
  for (const Case& c : cases) EXPECT_EQ(SuggestedPdfName(c.job), c.expected) << ToUtf8(c.job);
}

// The job's name as the system gives it: bytes that are not UTF-8 come as
// U+DC80 + byte.
TEST(SuggestedName, IsAlwaysText) {
  struct Case {
    std::string jobName;  // bytes
    std::u16string expected;
  };
  const Case cases[] = {
      {"ABCDEFGHIJKLMNOGr\xFC\xDF" "e.tmp", u"Grüße.pdf"},
      {"ABCDEFGHIJKLMNO\x80 \x84x\x93 \x81.tmp", u"€ „x“ _.pdf"},
      // The printer side's own characters may hold such bytes too.
      {"ABCDEFGHIJKLMN\xFC" "Brief.tmp", u"Brief.pdf"},
      // A cut through a character of two code units, and cuts beside one.
      {"ABCDEFGHIJKLMN\xF0\x9F\x93\x84" "Brief.tmp", u"Brief.pdf"},
      {"ABCDEFGHIJKLM\xF0\x9F\x93\x84" "Brief.tmp", u"Brief.pdf"},
      {"ABCDEFGHIJKLMNO\xF0\x9F\x93\x84" "Brief.tmp", u"\U0001F4C4Brief.pdf"},
  };
  for (const Case& c : cases) EXPECT_EQ(SuggestedPdfName(u"/spool/" + ToUtf16(c.jobName)), c.expected) << c.jobName;
}

}  // namespace
}  // namespace qb
