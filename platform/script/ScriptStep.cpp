#include "platform/script/ScriptStep.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

#include "platform/text/Utf.h"

namespace qb {
namespace {

// Splits a line at blanks; a double-quoted argument may hold blanks.
std::vector<std::string> SplitArguments(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) throw std::invalid_argument("unclosed quote");
      word = line.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

bool ParseInteger(std::string_view text, long& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::optional<POINT> ParsePoint(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  long x = 0;
  long y = 0;
  if (!ParseInteger(text.substr(0, comma), x) || !ParseInteger(text.substr(comma + 1), y)) return std::nullopt;
  return POINT{LONG(x), LONG(y)};
}

std::chrono::milliseconds ParseMilliseconds(std::string_view text) {
  long value = 0;
  if (!ParseInteger(text, value) || value < 0) throw std::invalid_argument("not a number of milliseconds");
  return std::chrono::milliseconds(value);
}

// Everything after the first `skip` words, as written (captions may hold blanks).
std::string RestOfLine(std::string_view line, std::size_t skip) {
  std::size_t i = 0;
  for (std::size_t word = 0; word < skip; ++word) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
  }
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  std::string rest(line.substr(i));
  if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
  return rest;
}

void SetTarget(ScriptStep& step, const std::string& word) {
  step.point = ParsePoint(word);
  if (!step.point) step.text = ToUtf16(word);
}

ScriptStep ParseLine(std::string_view line) {
  std::string body(line);
  ScriptStep step;
  step.line = body;
  // "timeout=MS" may end any step.
  const std::size_t timeoutAt = body.rfind("timeout=");
  if (timeoutAt != std::string::npos && (timeoutAt == 0 || body[timeoutAt - 1] == ' ')) {
    step.timeout = ParseMilliseconds(body.substr(timeoutAt + 8));
    body.erase(timeoutAt);
    while (!body.empty() && body.back() == ' ') body.pop_back();
  }
  const std::vector<std::string> words = SplitArguments(body);
  const std::size_t n = words.size();
  auto need = [&](std::size_t count) {
    if (n != count) throw std::invalid_argument("wrong number of arguments");
  };
  using Kind = ScriptStep::Kind;
  const std::string verb = n > 0 ? words[0] : "";
  const std::string object = n > 1 ? words[1] : "";
  if (verb == "wait" && object == "save-dialog") {
    need(2);
    step.kind = Kind::kWaitSaveDialog;
  } else if (verb == "wait" && object == "message-box") {
    need(2);
    step.kind = Kind::kWaitMessageBox;
  } else if (verb == "wait" && object == "caption" && n > 2) {
    step.kind = Kind::kWaitCaption;
    step.text = ToUtf16(RestOfLine(body, 2));
  } else if (verb == "wait" && (object == "visible" || object == "hidden")) {
    need(3);
    step.kind = object == "visible" ? Kind::kWaitVisible : Kind::kWaitHidden;
    step.text = ToUtf16(words[2]);
  } else if (verb == "sleep") {
    need(2);
    step.kind = Kind::kSleep;
    step.duration = ParseMilliseconds(object);
  } else if (verb == "save" && object == "accept") {
    if (n > 3) throw std::invalid_argument("wrong number of arguments");
    step.kind = Kind::kSaveAccept;
    if (n == 3) step.text = ToUtf16(words[2]);
  } else if (verb == "save" && object == "cancel") {
    need(2);
    step.kind = Kind::kSaveCancel;
  } else if (verb == "message" && object == "ok") {
    need(2);
    step.kind = Kind::kMessageOk;
  } else if (verb == "mouse") {
    static const std::map<std::string, Kind> kinds = {{"move", Kind::kMouseMove},   {"click", Kind::kMouseClick},
                                                      {"rclick", Kind::kMouseRightClick},
                                                      {"down", Kind::kMouseDown}, {"up", Kind::kMouseUp},
                                                      {"drag", Kind::kMouseDrag}};
    auto kind = kinds.find(object);
    if (kind == kinds.end()) throw std::invalid_argument("unknown mouse step");
    step.kind = kind->second;
    need(step.kind == Kind::kMouseDrag ? 4 : 3);
    SetTarget(step, words[2]);
    if (step.kind == Kind::kMouseDrag) {
      const std::optional<POINT> offset = ParsePoint(words[3]);
      if (!offset) throw std::invalid_argument("drag distance is not DX,DY");
      step.offset = *offset;
    }
  } else if (verb == "key") {
    need(2);
    static const char* const keys[] = {"Return", "Escape", "Space", "Tab", "Up", "Down", "Alt+Space", "Alt+F4"};
    if (std::find(std::begin(keys), std::end(keys), object) == std::end(keys)) throw std::invalid_argument("unknown key");
    step.kind = Kind::kKey;
    step.text = ToUtf16(object);
  } else if (verb == "screenshot" || verb == "touch" || verb == "remove") {
    need(2);
    step.kind = verb == "screenshot" ? Kind::kScreenshot : verb == "touch" ? Kind::kTouch : Kind::kRemove;
    step.text = ToUtf16(object);
  } else if (verb == "rename") {
    need(3);
    step.kind = Kind::kRename;
    step.text = ToUtf16(object);
    step.secondText = ToUtf16(words[2]);
  } else {
    throw std::invalid_argument("unknown step");
  }
  return step;
}

}  // namespace

std::vector<ScriptStep> ParseScript(std::string_view text) {
  std::vector<ScriptStep> steps;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    line.remove_prefix(first);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    try {
      steps.push_back(ParseLine(line));
    } catch (const std::invalid_argument& error) {
      throw std::invalid_argument("script line " + std::to_string(lineNumber) + " (" + std::string(line) +
                                  "): " + error.what());
    }
  }
  return steps;
}

}  // namespace qb
