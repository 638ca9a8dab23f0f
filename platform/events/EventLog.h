// The program's event log: a record of what the program did, for the scripted
// user, for tests and for whoever watches a run.
//
// Every event has a name ("process-start", "message-box", "quit" ...) and a
// few fields, each a text, an integer or a flag:
//
//   qb::events::Log("process-start", {{"cmdline", commandLine}});
//   qb::events::Log("process-exit", {{"code", exitCode}});
//
// When the environment variable QUILLBROOK_EVENTS names a file, each event is
// appended to it as one JSON object on a line of its own, written with one
// write call as soon as it is logged:
//
//   {"t":1532,"ev":"process-exit","code":0}
//
// "t" is the time in milliseconds since the program started and "ev" the
// event's name; the fields follow in the order given. The file is opened for
// appending (and created when missing), so several processes may share one.
// Texts are written as UTF-8; a lone surrogate (the escape that the text
// conversion uses for a file-name byte that is not UTF-8) is written as a
// \uDCxx escape, so the JSON stays valid and the text can be recovered.
//
// Observers in the same process receive every event, whether or not the
// file is set, on the thread that logs it and before Log returns. Log may be
// called from any thread. Observers run one at a time under the log's lock:
// they must be quick and must not wait for another thread that may be
// logging; they may log events of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qb::events {

// A field value. Pass texts as std::u16string (u"..." literals work);
// integers of up to 64 bits and bool pass as they are.
using Value = std::variant<std::u16string, std::int64_t, bool>;

struct Field {
  std::string name;
  Value value;
};

using Fields = std::vector<Field>;

struct Event {
  std::int64_t t = 0;
  std::string name;
  Fields fields;

  // The field of that name, or nullptr.
  const Value* Find(std::string_view field) const;
};

void Log(std::string_view name, Fields fields = {});

using Observer = std::function<void(const Event&)>;

// Keeps an observer subscribed for its lifetime. Once the destructor has
// returned, the observer is not called again.
class Subscription {
 public:
  Subscription() = default;
  ~Subscription();
  Subscription(Subscription&& other) noexcept;
  Subscription& operator=(Subscription&& other) noexcept;
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;

 private:
  friend Subscription Subscribe(Observer observer);
  explicit Subscription(std::uint64_t id) : id_(id) {}
  void Reset();
  std::uint64_t id_ = 0;
};

[[nodiscard]] Subscription Subscribe(Observer observer);

}  // namespace qb::events
