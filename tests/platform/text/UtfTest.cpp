#include "platform/text/Utf.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(Utf, ValidTextRoundTrips) {
  const std::string samples[] = {"", "Brief", "Größe Übersicht", "€ 5", "\xF0\x9F\x98\x80 emoji"};
  for (const std::string& sample : samples) {
    EXPECT_EQ(ToUtf8(ToUtf16(sample)), sample) << sample;
  }
  EXPECT_EQ(ToUtf16("Gr\xC3\xB6\xC3\x9F" "e"), u"Größe");
  EXPECT_EQ(ToUtf16("\xF0\x9F\x98\x80"), std::u16string(u"\xD83D\xDE00"));
}

TEST(Utf, InvalidBytesSurviveTheRoundTripAndStayDistinct) {
  struct Case {
    std::string bytes;
    const char* why;
  };
  const Case cases[] = {
      {"a\xFF" "b", "byte that never starts a sequence"},
      {"\xC3", "truncated two-byte sequence"},
      {"\xC0\xAF", "overlong slash"},
      {"\xED\xA0\x80", "encoded surrogate"},
      {"\xF4\x90\x80\x80", "above U+10FFFF"},
      {"x\x80\x80.ps", "lone continuation bytes"},
  };
  for (const Case& c : cases) {
    const std::u16string text = ToUtf16(c.bytes);
    EXPECT_EQ(ToUtf8(text), c.bytes) << c.why;
  }
  EXPECT_NE(ToUtf16("a\xE4.ps"), ToUtf16("a\xC3\xA4.ps")) << "Latin-1 and UTF-8 a-umlaut are different names";
}

TEST(Utf, LowerCaseWorksPerCodeUnit) {
  EXPECT_EQ(LowerCase(u"REPORT.PS"), u"report.ps");
  EXPECT_EQ(LowerCase(u"ÄÖÜ Straße"), u"äöü straße");
  EXPECT_EQ(LowerCase(u"ΣΑΣ"), u"σασ");
  const std::u16string surrogates = u"\xD83D\xDE00";
  EXPECT_EQ(LowerCase(surrogates), surrogates);
}

}  // namespace
}  // namespace qb
