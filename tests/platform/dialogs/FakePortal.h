// A desktop portal for tests: a thread with its own connection to a bus
// that owns the portal's name, records each SaveFile call and answers it as
// told, one answer per call in order.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace qb::test {

struct FakeAnswer {
  enum Kind {
    kRespond,    // the Response signal (sent before the reply to the call), then the reply
    kReplyOnly,  // the reply, and then nothing: a user who does not decide
    kSilent,     // not even the reply
    kError,      // an error reply: a portal without a file chooser behind it
  };
  Kind kind = kRespond;
  std::uint32_t code = 0;
  std::string uri;  // the one entry of "uris"; none when empty
  std::chrono::milliseconds delay{0};  // before anything is sent

  static FakeAnswer Respond(std::uint32_t code, std::string uri = "",
                            std::chrono::milliseconds delay = std::chrono::milliseconds(0)) {
    return FakeAnswer{kRespond, code, std::move(uri), delay};
  }
  static FakeAnswer Only(Kind kind) { return FakeAnswer{kind, 0, "", std::chrono::milliseconds(0)}; }
};

using FilterRules = std::vector<std::pair<std::uint32_t, std::string>>;
using NamedFilter = std::pair<std::string, FilterRules>;

struct PortalCall {
  std::string parentWindow;
  std::string title;
  std::string handleToken;
  std::string currentName;
  std::string currentFolder;  // the bytes as sent, terminating NUL included
  std::vector<NamedFilter> filters;
  std::optional<NamedFilter> currentFilter;
  bool modal = false;
  std::string requestPath;  // where the answer came from
};

class FakePortal {
 public:
  FakePortal(const std::string& address, std::vector<FakeAnswer> answers);
  ~FakePortal();
  FakePortal(const FakePortal&) = delete;
  FakePortal& operator=(const FakePortal&) = delete;

  // True once the portal's name is ours.
  bool Ready() const { return ready_; }
  std::vector<PortalCall> Calls() const;
  // The request paths Close was called on.
  std::vector<std::string> Closed() const;

  struct Connection;

 private:
  void Serve(Connection& connection);

  std::vector<FakeAnswer> answers_;
  mutable std::mutex mutex_;
  std::vector<PortalCall> calls_;
  std::vector<std::string> closed_;
  std::atomic<bool> ready_ = false;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

}  // namespace qb::test
