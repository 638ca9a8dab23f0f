#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <thread>

#include "platform/events/EventLog.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace qb::events {
namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(EventLog, FileGetsOneJsonLinePerEventAppended) {
  test::TempDir dir;
  const auto file = dir.Write("events.jsonl", "{\"ev\":\"earlier\"}\n");
  test::EnvGuard env;
  env.Set("QUILLBROOK_EVENTS", file.string());

  Log("caption", {{"text", u"PDF-Datei erzeugt"}});
  Log("quit", {{"code", 0}});

  const auto lines = ReadLines(file);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "{\"ev\":\"earlier\"}");
  const std::regex caption(R"(\{"t":\d+,"ev":"caption","text":"PDF-Datei erzeugt"\})");
  EXPECT_TRUE(std::regex_match(lines[1], caption)) << lines[1];
  const std::regex quit(R"(\{"t":\d+,"ev":"quit","code":0\})");
  EXPECT_TRUE(std::regex_match(lines[2], quit)) << lines[2];
}

TEST(EventLog, ObserversSeeEventsWithoutFileUntilUnsubscribed) {
  test::EnvGuard env;
  env.Unset("QUILLBROOK_EVENTS");
  std::vector<std::string> seen;
  std::u16string lastText;
  {
    Subscription subscription = Subscribe([&](const Event& e) {
      seen.push_back(e.name);
      if (const Value* v = e.Find("text")) lastText = std::get<std::u16string>(*v);
    });
    Log("message-box", {{"text", u"Fehler"}});
    Subscription moved = std::move(subscription);
    Log("show");
  }
  Log("after");
  EXPECT_EQ(seen, (std::vector<std::string>{"message-box", "show"}));
  EXPECT_EQ(lastText, u"Fehler");
}

TEST(EventLog, ObserverMayLogAndUnsubscribeDuringDelivery) {
  std::vector<std::string> seen;
  Subscription second;
  Subscription first = Subscribe([&](const Event& e) {
    seen.push_back("first:" + e.name);
    if (e.name == "outer") {
      second = Subscription();
      Log("inner");
    }
  });
  second = Subscribe([&](const Event& e) { seen.push_back("second:" + e.name); });
  Log("outer");
  EXPECT_EQ(seen, (std::vector<std::string>{"first:outer", "first:inner"}));
}

TEST(EventLog, LinesFromManyThreadsNeverInterleave) {
  test::TempDir dir;
  const auto file = dir.Path() / "events.jsonl";
  test::EnvGuard env;
  env.Set("QUILLBROOK_EVENTS", file.string());
  const std::u16string payload(500, u'x');
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 100; ++i) Log("tick", {{"thread", t}, {"payload", payload}});
    });
  }
  for (auto& thread : threads) thread.join();

  const auto lines = ReadLines(file);
  ASSERT_EQ(lines.size(), 400u);
  const std::regex tick(R"(\{"t":\d+,"ev":"tick","thread":[0-3],"payload":"x{500}"\})");
  for (const std::string& line : lines) ASSERT_TRUE(std::regex_match(line, tick)) << line;
}

}  // namespace
}  // namespace qb::events
