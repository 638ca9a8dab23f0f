#include <gtest/gtest.h>

#include "platform/profile/ProfileFile.h"
#include "platform/text/Utf.h"
#include "tests/support/FileText.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(GetPrivateProfileString, FindsTheFirstMatchingKeyOrGivesTheDefault) {
  test::TempDir dir;
  const fs::path file = dir.Write("global.ini",
                                  "\xEF\xBB\xBF; comment\r\n"
                                  "top=outside\r\n"
                                  "[Settings]\r\n"
                                  "  SavePath =  /home/anna/PDF/  \r\n"
                                  "quoted=\"  padded  \"\r\n"
                                  "single='x'\r\n"
                                  "mismatched=\"x'\r\n"
                                  "lonequote=\"\r\n"
                                  "empty=\r\n"
                                  "savepath=second\r\n"
                                  "equals=a=b\r\n"
                                  "[other]\r\n"
                                  "namespace=wrong\r\n"
                                  "[settings]\r\n"
                                  "namespace=firm\r\n"
                                  "[ spaced ] trailing\r\n"
                                  "k=v\r\n"
                                  "umlaut=Gr\xC3\xB6\xC3\x9F"
                                  "e");
  struct Case {
    std::u16string section;
    std::u16string key;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"settings", u"savepath", u"/home/anna/PDF/"},
      {u"SETTINGS", u"SAVEPATH", u"/home/anna/PDF/"},
      {u"settings", u"quoted", u"  padded  "},
      {u"settings", u"single", u"x"},
      {u"settings", u"mismatched", u"\"x'"},
      {u"settings", u"lonequote", u"\""},
      {u"settings", u"empty", u""},
      {u"settings", u"equals", u"a=b"},
      {u"settings", u"namespace", u"firm"},
      {u"spaced", u"k", u"v"},
      {u"spaced", u"umlaut", u"Größe"},
      {u"", u"top", u"(default)"},
      {u"settings", u"missing", u"(default)"},
      {u"missing", u"savepath", u"(default)"},
      {u"settings", u"; comment", u"(default)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, u"(default)", test::U16(file)), c.expected)
        << ToUtf8(c.section) << "/" << ToUtf8(c.key);
  }
  EXPECT_EQ(GetPrivateProfileString(u"settings", u"savepath", u"(default)", test::U16(dir.Path() / "missing.ini")),
            u"(default)");
}

TEST(GetPrivateProfileString, CutsValuesAndDefaultsTo2047Characters) {
  test::TempDir dir;
  const fs::path file = dir.Write("long.ini", "[s]\nk=" + std::string(3000, 'v') + "\n");
  EXPECT_EQ(GetPrivateProfileString(u"s", u"k", u"", test::U16(file)), std::u16string(2047, u'v'));
  EXPECT_EQ(GetPrivateProfileString(u"s", u"missing", std::u16string(2048, u'd'), test::U16(file)),
            std::u16string(2047, u'd'));
}

TEST(WritePrivateProfileString, ChangesOrAddsOnlyWhatItMust) {
  struct Case {
    const char* why;
    std::optional<std::string> before;
    std::u16string section;
    std::u16string key;
    std::u16string value;
    std::string after;
  };
  const Case cases[] = {
      {"new file", std::nullopt, u"settings", u"savepath", u"/a/", "[settings]\nsavepath=/a/\n"},
      {"first matching key changed", "[Settings]\r\n  SavePath = old\r\nsavepath=second\r\n", u"settings", u"savepath",
       u"/new/", "[Settings]\r\nSavePath=/new/\r\nsavepath=second\r\n"},
      {"key added after the section's last line", "[settings]\nx=1\n\n[other]\ny=2\n", u"settings", u"savepath", u"/p/",
       "[settings]\nx=1\nsavepath=/p/\n\n[other]\ny=2\n"},
      {"key in a later section of the same name", "[settings]\nx=1\n[o]\n[SETTINGS]\nsavepath=a\n", u"settings",
       u"savepath", u"b", "[settings]\nx=1\n[o]\n[SETTINGS]\nsavepath=b\n"},
      {"section added, missing final line break", "[other]\ny=2", u"settings", u"savepath", u"/p/",
       "[other]\ny=2\n[settings]\nsavepath=/p/\n"},
      {"key added at the end, missing final line break", "[settings]\r\ny=2", u"settings", u"savepath", u"/p/",
       "[settings]\r\ny=2\nsavepath=/p/\r\n"},
      {"byte-order mark and other lines kept", "\xEF\xBB\xBF; c\n  odd line \n[settings]\n# x\n", u"settings",
       u"savepath", u"/p/", "\xEF\xBB\xBF; c\n  odd line \n[settings]\n# x\nsavepath=/p/\n"},
      {"texts written as UTF-8", "", u"settings", u"savepath", u"/home/jörg/",
       "[settings]\nsavepath=/home/j\xC3\xB6rg/\n"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const fs::path file = dir.Path() / "quillbrook.ini";
    if (c.before) dir.Write("quillbrook.ini", *c.before);
    EXPECT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, test::U16(file))) << c.why;
    EXPECT_EQ(test::Content(file), c.after) << c.why;
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, u"(default)", test::U16(file)), c.value) << c.why;
  }
}

TEST(WritePrivateProfileString, RefusesWhatWouldNotReadBackAndUnwritablePlaces) {
  test::TempDir dir;
  const std::string before = "[settings]\nsavepath=/old/\n";
  const fs::path file = dir.Write("quillbrook.ini", before);
  const fs::path plain = dir.Write("plain", "");
  struct Case {
    std::u16string section;
    std::u16string key;
    std::u16string value;
    fs::path file;
  };
  const Case cases[] = {
      {u"settings", u"savepath", u"/x/\n[settings]\nnamespace=evil", file},
      {u"settings", u"savepath", u"/x/\r", file},
      {u"settings]", u"savepath", u"/x/", file},
      {u"settings", u"save=path", u"/x/", file},
      {u"settings", u"[savepath", u"/x/", file},
      {u"settings", u" ", u"/x/", file},
      {u"settings", u"savepath", u"/x/", dir.Path() / "missing folder" / "quillbrook.ini"},
      {u"settings", u"savepath", u"/x/", plain / "quillbrook.ini"},
      {u"settings", u"savepath", u"/x/", "/proc/quillbrook.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, test::U16(c.file)))
        << ToUtf8(c.value) << " " << c.file;
  }
  EXPECT_EQ(test::Content(file), before);
  EXPECT_FALSE(fs::exists(dir.Path() / "missing folder"));
}

}  // namespace
}  // namespace qb
