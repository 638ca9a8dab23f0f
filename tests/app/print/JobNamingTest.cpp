#include <gtest/gtest.h>

#include <set>

#include "app/print/DscTitle.h"
#include "app/print/JobFileName.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

std::string Utf8(const std::optional<std::u16string>& text) { return text ? ToUtf8(*text) : "<none>"; }

TEST(DscTitle, DecodesTheTitleOfTheHeader) {
  struct Case {
    const char* job;
    const char* title;
  };
  const Case cases[] = {
      {"%!PS-Adobe-3.0\n%%Title: (Brief an Anna)\n", "Brief an Anna"},
      {"%!PS-Adobe-3.0\n%%Title: Brief an Anna  \n", "Brief an Anna"},
      {"%!PS-Adobe-3.0\r\n%%Title:(CRLF)\r\n", "CRLF"},
      {"%!PS-Adobe-3.0\r%%Title: (CR only)\r%%EndComments\r", "CR only"},
      {"%!PS\n%%Title: (a\\(b\\)c \\\\ d)\n", "a(b)c \\ d"},
      {"%!PS\n%%Title: (nested (pairs) stay)\n", "nested (pairs) stay"},
      {"%!PS\n%%Title: (line\\nbreak\\ttab\\rcr\\bbs\\fff)\n", "line\nbreak\ttab\rcr\bbs\fff"},
      {"%!PS\n%%Title: (\\374ber \\0633 \\101B)\n", "\xC3\xBC" "ber 33 AB"},
      {"%!PS\n%%Title: (unknown \\q escape)\n", "unknown q escape"},
      {"%!PS\n%%Title: (R\xC3\xA9sum\xC3\xA9)\n", "R\xC3\xA9sum\xC3\xA9"},
      {"%!PS\n%%Title: (Stra\xDF" "e \x80 \x96)\n", "Stra\xC3\x9F" "e \xE2\x82\xAC \xE2\x80\x93"},
      {"%!PS\n%%Title: (\\376\\377\\000A\\000\\344)\n", "A\xC3\xA4"},
      {"%!PS\n%%Title: (unterminated\n", "unterminated"},
      {"%!PS\n%%Title: C:\\Users\\anna\\Brief.doc\n", "C:\\Users\\anna\\Brief.doc"},
      {"%!PS\n%%Title: Gr\\374\\337e\n", "Gr\xC3\xBC\xC3\x9F" "e"},
      {"%!PS\n%%Creator: x\n%%Title: (first)\n%%Title: (second)\n", "first"},
      {"\x04%!PS\n%%Title: (after end-of-job)\n", "after end-of-job"},
      {"\x1b%-12345X@PJL JOB\n%!PS\n%%Title: (after PJL)\n", "after PJL"},
      {"%!PS\n%%EndComments\n%%Title: (body)\n", "<none>"},
      {"%!PS\n/x 1 def\n%%Title: (body)\n", "<none>"},
      {"%%Title: (no header line)\n", "<none>"},
      {"%!PS\n%%Title: ()\n", "<none>"},
      {"%!PS\n%%Title:\n", "<none>"},
      {"", "<none>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8(FindDscTitle(c.job)), c.title) << "job: " << c.job;
  }
}

TEST(JobFileName, MakesTitlesSafeForFileNames) {
  struct Case {
    std::u16string title;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"Brief an Anna", u"Brief an Anna"},
      {u"Grüße aus Köln – Übersicht", u"Grüße aus Köln – Übersicht"},
      {u"Rechnung 03/2026/final", u"Rechnung 03_2026_final"},
      {u"Er sagte \"Hallo\" und 'tschüss'", u"Er sagte \"Hallo\" und 'tschüss'"},
      {u"Zeile 1\nZeile 2\r\nZeile 3", u"Zeile 1 Zeile 2 Zeile 3"},
      {u"Tab\there\x7f" u"del\x85" u"nel", u"Tab here del nel"},
      {u"  ..hidden", u"hidden"},
      {u". . .x", u"x"},
      {u"trailing dot.", u"trailing dot."},
      {u"...", u"Dokument"},
      {u"\n\t ", u"Dokument"},
      {u"", u"Dokument"},
      {u"lone \xD800 high, lone \xDC80 low", u"lone \xFFFD high, lone \xFFFD low"},
      {u"emoji \U0001F600", u"emoji \U0001F600"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToUtf8(JobTitleForFileName(c.title)), ToUtf8(c.expected)) << "title: " << ToUtf8(c.title);
  }
}

// 300 characters of one, two, three and four UTF-8 bytes each: the title is
// cut to 200 bytes without splitting a character, and stays valid UTF-8.
TEST(JobFileName, CutsLongTitlesAtCharacterBoundaries) {
  struct Case {
    std::u16string unit;
    std::size_t expectedBytes;
  };
  const Case cases[] = {{u"a", 200}, {u"ä", 200}, {u"€", 198}, {u"\U0001F600", 200}};
  for (const Case& c : cases) {
    std::u16string title;
    for (int i = 0; i < 300; ++i) title += c.unit;
    const std::string safe = ToUtf8(JobTitleForFileName(title));
    EXPECT_EQ(safe.size(), c.expectedBytes) << ToUtf8(c.unit);
    EXPECT_EQ(ToUtf8(ToUtf16(safe)), safe) << ToUtf8(c.unit);
    const std::string unit = ToUtf8(c.unit);
    EXPECT_EQ(safe.size() % unit.size(), 0u);
    EXPECT_EQ(safe.substr(safe.size() - unit.size()), unit);
  }
}

TEST(JobFileName, PrefixIsFifteenLettersOrDigitsAndVaries) {
  std::set<std::u16string> seen;
  for (int i = 0; i < 20; ++i) {
    const std::u16string prefix = RandomJobPrefix();
    ASSERT_EQ(prefix.size(), 15u);
    for (const char16_t c : prefix) {
      EXPECT_TRUE((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) << int(c);
    }
    seen.insert(prefix);
  }
  EXPECT_EQ(seen.size(), 20u);
  EXPECT_EQ(JobFileName(u"ABCDEFGHIJKLMNO", u"a/b"), u"ABCDEFGHIJKLMNOa_b.ps");
}

}  // namespace
}  // namespace qb
