#include <gtest/gtest.h>

#include <set>

#include "platform/process/CommandLine.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

using Args = std::vector<std::u16string>;

TEST(SplitArguments, FollowsTheWindowsRules) {
  struct Case {
    std::u16string text;
    Args expected;
  };
  const Case cases[] = {
      {u"", {}},
      {u"  a b\t\tc  ", {u"a", u"b", u"c"}},
      {uR"("a b" c)", {u"a b", u"c"}},
      {uR"("")", {u""}},
      {uR"(a "" b)", {u"a", u"", u"b"}},
      {uR"(a"b c"d)", {u"ab cd"}},
      {uR"("open end)", {u"open end"}},
      {uR"(\\server\share\ a\)", {uR"(\\server\share\)", uR"(a\)"}},
      {uR"(a\"b)", {uR"(a"b)"}},
      {uR"(a\\"b c")", {uR"(a\b c)"}},
      {uR"(a\\\"b)", {uR"(a\"b)"}},
      {uR"(a\\\\"b")", {uR"(a\\b)"}},
      {uR"("a""b" c)", {uR"(a"b)", u"c"}},
      {uR"("a""" b)", {uR"(a")", u"b"}},
      {uR"(-sOutputFile="/x/My PDFs/a.pdf" -c save)", {u"-sOutputFile=/x/My PDFs/a.pdf", u"-c", u"save"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitArguments(c.text), c.expected) << ToUtf8(c.text);
  }
}

TEST(ParseCommandLine, FindsTheProgramAndItsArguments) {
  struct Case {
    std::set<std::u16string> executables;
    std::u16string text;
    std::optional<std::u16string> program;
    Args arguments;
  };
  const Case cases[] = {
      {{u"/opt/my tools/gs/x.exe"},
       u"/opt/my tools/gs/x.exe -q -dBATCH",
       u"/opt/my tools/gs/x.exe",
       {u"-q", u"-dBATCH"}},
      {{u"/opt/my tools/gs/x.exe", u"/opt/my"}, u"/opt/my tools/gs/x.exe -q", u"/opt/my", {u"tools/gs/x.exe", u"-q"}},
      {{u"/opt/my tools/gs/x.exe"}, u"/opt/my  tools/gs/x.exe -q", std::nullopt, {}},
      {{u"/opt/a b/x"}, u"\"/opt/a b/x\" \"c d\" e", u"/opt/a b/x", {u"c d", u"e"}},
      {{u"/opt/a b/x"}, u"\"/opt/a b/x", u"/opt/a b/x", {}},
      {{u"/bin/p"}, u"  /bin/p\targ", u"/bin/p", {u"arg"}},
      {{u"/bin/p"}, u"/bin/p", u"/bin/p", {}},
      {{u"/bin/p"}, u"\"/bin/missing\" a", std::nullopt, {}},
      {{u"/bin/p"}, u"/bin/missing a", std::nullopt, {}},
      {{u"/bin/p"}, u"", std::nullopt, {}},
      {{u"/bin/p"}, u"\"\" /bin/p", std::nullopt, {}},
      {{u"/q b/gs/gs8.70/bin/gswin32c.exe"},
       u"/q b/gs/gs8.70/bin/gswin32c.exe -q -dNOPAUSE -sOutputFile=\"/h/My PDFs/a.pdf\" -c save pop -f "
       u"\"/v/q/n/u/ABCDEFGHIJKLMNOBrief.tmp\"",
       u"/q b/gs/gs8.70/bin/gswin32c.exe",
       {u"-q", u"-dNOPAUSE", u"-sOutputFile=/h/My PDFs/a.pdf", u"-c", u"save", u"pop", u"-f",
        u"/v/q/n/u/ABCDEFGHIJKLMNOBrief.tmp"}},
  };
  for (const Case& c : cases) {
    std::vector<std::u16string> tried;
    const auto resolve = [&](std::u16string_view program) -> std::optional<std::u16string> {
      tried.emplace_back(program);
      if (c.executables.count(std::u16string(program))) return u"resolved:" + std::u16string(program);
      return std::nullopt;
    };
    const auto parsed = ParseCommandLine(c.text, resolve);
    ASSERT_EQ(parsed.has_value(), c.program.has_value()) << ToUtf8(c.text);
    if (!parsed) continue;
    EXPECT_EQ(parsed->program, *c.program) << ToUtf8(c.text);
    EXPECT_EQ(parsed->executable, u"resolved:" + *c.program) << ToUtf8(c.text);
    EXPECT_EQ(parsed->arguments, c.arguments) << ToUtf8(c.text);
  }
}

TEST(QuoteArgument, OrdinaryPathsGiveThePlainQuotedText) {
  const std::u16string pdf = u"/home/anna/Meine Dateien/Brief (1).pdf";
  const std::u16string job = u"/var/lib/quillbrook/ns/anna/ABCDEFGHIJKLMNOBrief.tmp";
  EXPECT_EQ(QuoteArgument(pdf), u"\"" + pdf + u"\"");
  EXPECT_EQ(u"-sOutputFile=" + QuoteArgument(pdf) + u" -c save pop -f " + QuoteArgument(job),
            u"-sOutputFile=\"" + pdf + u"\" -c save pop -f \"" + job + u"\"");
}

TEST(QuoteArgument, AnyTextParsesBackToItself) {
  const std::u16string texts[] = {
      u"",
      u"plain",
      u"with blank",
      u"tab\there",
      uR"(a"b)",
      uR"(a\"b)",
      uR"(trailing\)",
      uR"(trailing\\)",
      uR"(\)",
      uR"(")",
      uR"("")",
      uR"(\\server\share\x y\)",
      uR"(x" -dNOSAFER -sOutputFile="y)",
      uR"(x\" -dNOSAFER \"y)",
      u"Größe \xD83D\xDE00 \xDCFF.ps",
  };
  for (const std::u16string& text : texts) {
    EXPECT_EQ(SplitArguments(QuoteArgument(text)), Args{text}) << ToUtf8(text);
    const std::u16string line = u"-sOutputFile=" + QuoteArgument(text) + u" -c save pop -f " + QuoteArgument(text);
    EXPECT_EQ(SplitArguments(line), (Args{u"-sOutputFile=" + text, u"-c", u"save", u"pop", u"-f", text}))
        << ToUtf8(text);
  }
}

}  // namespace
}  // namespace qb
