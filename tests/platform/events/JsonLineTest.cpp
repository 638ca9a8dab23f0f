#include <gtest/gtest.h>

#include "platform/events/JsonLine.h"

namespace qb::events {
namespace {

TEST(JsonLine, StringsAreEscapedAndUtf8) {
  struct Case {
    std::u16string text;
    std::string json;
  };
  const Case cases[] = {
      {u"", R"("")"},
      {u"C:\\a \"b\"", R"("C:\\a \"b\"")"},
      {u"line\nnext\r\ttab", R"("line\nnext\r\ttab")"},
      {std::u16string(u"\x01\x1F\x7F", 3), "\"\\u0001\\u001F\x7F\""},
      {u"Größe",
       "\"Gr\xC3\xB6\xC3\x9F"
       "e\""},
      {u"\xD83D\xDE00", "\"\xF0\x9F\x98\x80\""},
      {std::u16string(u"a\xDCFF"
                      "b"),
       R"("a\uDCFFb")"},
      {std::u16string(u"\xD83D"
                      "x"),
       R"("\uD83Dx")"},
      {std::u16string(u"\xDE00\xD83D"), R"("\uDE00\uD83D")"},
  };
  for (const Case& c : cases) {
    std::string out;
    AppendJsonString(out, c.text);
    EXPECT_EQ(out, c.json);
  }
}

TEST(JsonLine, LineHoldsTimeNameAndFieldsInOrder) {
  Event event;
  event.t = 1532;
  event.name = "process-exit";
  event.fields = {{"code", std::int64_t{-1}}, {"ok", false}, {"cmdline", u"gs \"x\""}, {"big", std::int64_t{1} << 40}};
  EXPECT_EQ(FormatJsonLine(event),
            "{\"t\":1532,\"ev\":\"process-exit\",\"code\":-1,\"ok\":false,\"cmdline\":\"gs \\\"x\\\"\","
            "\"big\":1099511627776}\n");
}

}  // namespace
}  // namespace qb::events
