#include <gtest/gtest.h>

#include <string>

#include "platform/text/Utf.h"
#include "skin/data/DefinitionText.h"
#include "skin/data/SkinIni.h"

namespace qb {
namespace {

TEST(SkinIni, ReadsSectionsKeysAndValuesTrimmed) {
  const SkinIni ini(
      u"ignored=before any section\r\n"
      u"  [ Version ]  \r\n"
      u"; a comment\r\n"
      u"skinname =  Silver skin \r\n"
      u"\r\n"
      u"a=b=c\n"
      u"bare entry\r"
      u"[PICTURES]\r\n"
      u"picture=main.bmp");
  EXPECT_EQ(ini.ReadString(u"VERSION", u"SKINNAME", u"-"), u"Silver skin");
  EXPECT_EQ(ini.ReadString(u"version", u"a", u"-"), u"b=c");
  EXPECT_EQ(ini.ReadString(u"version", u"bare entry", u"-"), u"-");
  EXPECT_EQ(ini.ReadString(u"pictures", u"picture", u"-"), u"main.bmp");
  EXPECT_EQ(ini.ReadString(u"version", u"ignored", u"-"), u"-");
  ASSERT_NE(ini.FindSection(u"version"), nullptr);
  EXPECT_EQ(ini.FindSection(u"version")->entries.size(), 3u);
  EXPECT_TRUE(ini.FindSection(u"version")->entries[2].bare);
}

TEST(SkinIni, FirstOccurrenceOfASectionOrKeyWins) {
  const SkinIni ini(u"[A]\r\nk=1\r\nK=2\r\n[a]\r\nk=3\r\nother=4\r\n");
  EXPECT_EQ(ini.ReadInteger(u"A", u"k", 0), 1);
  EXPECT_EQ(ini.ReadInteger(u"A", u"other", 0), 0);
}

// Sections hold hundreds of keys; every one is found in any case, those
// with letters beyond ASCII as well, and a later duplicate never wins.
TEST(SkinIni, FindsEveryKeyOfALargeSectionInAnyCase) {
  std::u16string text = u"[Big]\r\nGRÖßE=first\r\n";
  for (int i = 0; i < 300; ++i)
    text += u"Key" + std::u16string(1, char16_t(u'A' + i % 26)) + ToUtf16(std::to_string(i)) + u"=" +
            ToUtf16(std::to_string(i)) + u"\r\n";
  text += u"größe=second\r\nkeya0=duplicate\r\n";
  SkinIni ini(text);
  for (int i = 0; i < 300; ++i) {
    const std::u16string key = u"key" + std::u16string(1, char16_t(u'a' + i % 26)) + ToUtf16(std::to_string(i));
    EXPECT_EQ(ini.ReadInteger(u"BIG", key, -1), i) << i;
  }
  EXPECT_EQ(ini.ReadString(u"big", u"Größe", u"-"), u"first");
  EXPECT_EQ(ini.ReadString(u"big", u"KEYA0", u"-"), u"0");
  ini.WriteString(u"big", u"gRÖßE", u"written");
  EXPECT_EQ(ini.ReadString(u"BIG", u"größe", u"-"), u"written");
  EXPECT_EQ(ini.FindSection(u"big")->entries.size(), 303u) << "a write to a known key adds no entry";
}

TEST(SkinIni, WritesAndReadsBack) {
  SkinIni ini;
  ini.WriteString(u"FORMINFO", u"clientrect", u"3,26,282,207");
  ini.WriteString(u"FORMINFO", u"ClientRect", u"1,2,3,4");
  ini.WriteString(u"LAYERFRAME", u"pictureindex", u"8");
  EXPECT_EQ(ini.ToText(), u"[FORMINFO]\r\nclientrect=1,2,3,4\r\n[LAYERFRAME]\r\npictureindex=8\r\n");
  const SkinIni again(ini.ToText());
  EXPECT_EQ(again.ReadRect(u"forminfo", u"clientrect"), (RECT{1, 2, 3, 4}));
}

TEST(DefinitionText, ByteOrderMarksSelectTheEncoding) {
  struct Case {
    std::vector<BYTE> bytes;
    TextEncoding encoding;
    std::u16string text;
  };
  const Case cases[] = {
      {{'[', 'A', ']'}, TextEncoding::Windows1252, u"[A]"},
      {{0xEF, 0xBB, 0xBF, 'a', 0xC3, 0xA4}, TextEncoding::Utf8, u"a\u00E4"},
      {{0xFF, 0xFE, 'a', 0, 0xAC, 0x20}, TextEncoding::Utf16LE, u"a\u20AC"},
      {{0xFE, 0xFF, 0, 'a', 0x20, 0xAC, 0x00}, TextEncoding::Utf16BE, u"a\u20AC"},
      {{0x80, 0x81, 0x8D, 0x9F, 0xE4, 0xA0}, TextEncoding::Windows1252, u"\u20AC\u0081\u008D\u0178\u00E4\u00A0"},
      {{0xEF, 0xBB}, TextEncoding::Windows1252, u"\u00EF\u00BB"},
  };
  for (const Case& c : cases) {
    const DefinitionText decoded = DecodeDefinitionText(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.text, c.text);
  }
}

TEST(DefinitionText, EveryEncodingConvertsBackToItsBytes) {
  std::vector<BYTE> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<BYTE>(i);
  const DefinitionText single = DecodeDefinitionText(all);
  ASSERT_EQ(single.encoding, TextEncoding::Windows1252);
  EXPECT_EQ(EncodeDefinitionText(single.text, single.encoding), all);

  for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
    const std::vector<BYTE> bytes = EncodeDefinitionText(u"[VERSION]\r\nskinname=Gr\u00FC\u20AC\r\n", e);
    const DefinitionText back = DecodeDefinitionText(bytes);
    EXPECT_EQ(back.encoding, e);
    EXPECT_EQ(back.text, u"[VERSION]\r\nskinname=Gr\u00FC\u20AC\r\n");
  }
}

TEST(DefinitionText, LinesBreakAtCrLfLfAndCr) {
  const std::u16string text = u"a\r\nb\nc\rd\r\n\r\ne";
  const auto lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], u"d");
  EXPECT_EQ(lines[4], u"");
  EXPECT_EQ(JoinLines(lines), u"a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

}  // namespace
}  // namespace qb
