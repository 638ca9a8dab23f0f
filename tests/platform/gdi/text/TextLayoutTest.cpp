#include "platform/gdi/text/TextLayout.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// Every character 10 pixels wide.
int Width(std::u16string_view text) { return int(text.size()) * 10; }

std::vector<std::u16string> Texts(const std::vector<TextLine>& lines) {
  std::vector<std::u16string> out;
  for (const TextLine& line : lines) out.emplace_back(line.text);
  return out;
}

TEST(TextLayout, PrefixesTable) {
  struct Case {
    std::u16string input;
    std::u16string text;
    std::size_t marked;
  };
  const std::size_t none = std::u16string::npos;
  const Case cases[] = {
      {u"&Datei", u"Datei", 0}, {u"a&&b", u"a&b", none}, {u"ab&", u"ab", none},
      {u"&a&b", u"ab", 0},      {u"x&&&y", u"x&y", 2},   {u"", u"", none},
  };
  for (const Case& c : cases) {
    const PrefixedText result = ResolvePrefixes(c.input);
    EXPECT_EQ(result.text, c.text);
    EXPECT_EQ(result.marked, c.marked);
  }
}

TEST(TextLayout, WordWrapTable) {
  struct Case {
    std::u16string text;
    int maxWidth;
    std::vector<std::u16string> lines;
  };
  const Case cases[] = {
      {u"aa bb cc", 50, {u"aa bb", u"cc"}},
      {u"aa bb cc", 49, {u"aa", u"bb", u"cc"}},
      {u"aaaaaaa b", 30, {u"aaaaaaa", u"b"}},
      {u"aa   bb", 30, {u"aa", u"bb"}},
      {u"aa\r\nbb cc\ndd\ree", 100, {u"aa", u"bb cc", u"dd", u"ee"}},
      {u"aa bb ", 100, {u"aa bb "}},
      {u"  aa bb", 40, {u"  aa", u"bb"}},
      {u"", 100, {u""}},
      {u"aa\n", 100, {u"aa", u""}},
      {u"aa bb", 0, {u"aa", u"bb"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Texts(BreakLines(c.text, false, true, c.maxWidth, Width)), c.lines)
        << std::string(c.text.begin(), c.text.end()) << " in " << c.maxWidth;
  }
}

TEST(TextLayout, LineStartsAndModes) {
  const std::vector<TextLine> wrapped = BreakLines(u"aa bb\ncc dd", false, true, 20, Width);
  ASSERT_EQ(wrapped.size(), 4u);
  EXPECT_EQ(wrapped[1].start, 3u);
  EXPECT_EQ(wrapped[3].start, 9u);
  EXPECT_EQ(Texts(BreakLines(u"aa bb\ncc", false, false, 10, Width)), (std::vector<std::u16string>{u"aa bb", u"cc"}));
  EXPECT_EQ(Texts(BreakLines(u"aa bb\ncc", true, true, 10, Width)), (std::vector<std::u16string>{u"aa bb\ncc"}));
}

}  // namespace
}  // namespace qb
