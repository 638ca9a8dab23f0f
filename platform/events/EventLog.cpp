#include "platform/events/EventLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

#include "platform/events/JsonLine.h"

namespace qb::events {
namespace {

// Taken while static objects are set up, that is before main runs.
const std::chrono::steady_clock::time_point kProgramStart = std::chrono::steady_clock::now();

// The log's shared state: the observers and the open log file. Recursive, so
// that an observer may log or (un)subscribe from inside its call.
class Sink {
 public:
  // Never destroyed, so that code running during the program's exit may
  // still log.
  static Sink& Instance() {
    static Sink* sink = new Sink;
    return *sink;
  }

  void Log(Event event) {
    std::lock_guard lock(mutex_);
    event.t =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - kProgramStart).count();
    WriteToFile(event);
    // Observers may subscribe or unsubscribe while we call them: call only
    // those that were there at the start and are still there now.
    const auto snapshot = observers_;
    for (const auto& [id, observer] : snapshot) {
      if (observers_.count(id)) (*observer)(event);
    }
  }

  std::uint64_t Add(Observer observer) {
    std::lock_guard lock(mutex_);
    const std::uint64_t id = ++lastId_;
    observers_.emplace(id, std::make_shared<Observer>(std::move(observer)));
    return id;
  }

  void Remove(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    observers_.erase(id);
  }

 private:
  void WriteToFile(const Event& event) {
    const char* path = std::getenv("QUILLBROOK_EVENTS");
    if (!path || !*path) return;
    if (path != filePath_) {
      if (fd_ >= 0) close(fd_);
      filePath_ = path;
      fd_ = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    }
    if (fd_ < 0) return;
    const std::string line = FormatJsonLine(event);
    std::size_t written = 0;
    while (written < line.size()) {
      const ssize_t n = write(fd_, line.data() + written, line.size() - written);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;
      written += static_cast<std::size_t>(n);
    }
  }

  std::recursive_mutex mutex_;
  std::map<std::uint64_t, std::shared_ptr<Observer>> observers_;
  std::uint64_t lastId_ = 0;
  std::string filePath_;
  int fd_ = -1;
};

}  // namespace

const Value* Event::Find(std::string_view field) const {
  for (const Field& f : fields) {
    if (f.name == field) return &f.value;
  }
  return nullptr;
}

void Log(std::string_view name, Fields fields) {
  Event event;
  event.name = std::string(name);
  event.fields = std::move(fields);
  Sink::Instance().Log(std::move(event));
}

Subscription Subscribe(Observer observer) { return Subscription(Sink::Instance().Add(std::move(observer))); }

Subscription::~Subscription() { Reset(); }

Subscription::Subscription(Subscription&& other) noexcept : id_(other.id_) { other.id_ = 0; }

Subscription& Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    Reset();
    id_ = other.id_;
    other.id_ = 0;
  }
  return *this;
}

void Subscription::Reset() {
  if (id_ != 0) Sink::Instance().Remove(id_);
  id_ = 0;
}

}  // namespace qb::events
