#include "platform/script/ScriptedUser.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "platform/backend/RawInput.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/events/EventLog.h"
#include "platform/script/ScreenshotHook.h"
#include "platform/script/ScriptTargets.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/WindowApi.h"

namespace qb {
namespace {

using namespace std::chrono_literals;

constexpr int kDragSteps = 10;
constexpr auto kWaitPoll = 10ms;

std::filesystem::path PathOf(const std::u16string& text) { return std::filesystem::path(ToUtf8(text)); }

bool CaptionShown(const std::u16string& caption) {
  for (const ScreenWindow& window : VisibleTopLevelsBottomToTop()) {
    if (GetWindowText(window.hwnd) == caption) return true;
  }
  return false;
}

std::optional<POINT> ResolveTarget(const ScriptStep& step) {
  if (step.point) return step.point;
  const NamedComponent* component = NamedComponent::Find(step.text);
  if (!component) return std::nullopt;
  const std::optional<RECT> rect = component->Locate();
  if (!rect) return std::nullopt;
  return POINT{(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
}

void PressKeys(const std::u16string& key) {
  if (key == u"Alt+Space" || key == u"Alt+F4") {
    const int second = key == u"Alt+Space" ? VK_SPACE : VK_F4;
    DeliverKey(VK_MENU, true);
    DeliverKey(second, true);
    DeliverKey(second, false);
    DeliverKey(VK_MENU, false);
    return;
  }
  const int vk = key == u"Return" ? VK_RETURN
                 : key == u"Escape" ? VK_ESCAPE
                 : key == u"Space"  ? VK_SPACE
                 : key == u"Up"     ? VK_UP
                 : key == u"Down"   ? VK_DOWN
                                    : VK_TAB;
  DeliverKey(vk, true);
  DeliverKey(vk, false);
}

void Touch(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now(), error);
  } else {
    std::ofstream(path, std::ios::app);
    if (!std::filesystem::exists(path, error)) error = std::make_error_code(std::errc::io_error);
  }
  if (error) std::fprintf(stderr, "quillbrook: script: touch %s: %s\n", path.c_str(), error.message().c_str());
}

}  // namespace

ScriptedUser::ScriptedUser(std::vector<ScriptStep> steps, Default afterTheScript)
    : steps_(std::move(steps)), afterTheScript_(afterTheScript) {}

std::optional<Clock::time_point> ScriptedUser::Poll() {
  for (;;) {
    const Clock::time_point now = Clock::now();
    if (Finished()) {
      if (afterTheScript_ == kLeavesTheRest) return std::nullopt;
      RespondByDefault();
      return now + 100ms;
    }
    // The program takes in what was delivered before the user goes on.
    if (!RawInputDrained()) return now;
    const ScriptStep& step = steps_[next_];
    if (!deadline_) deadline_ = now + (step.kind == ScriptStep::Kind::kSleep ? step.duration : step.timeout);
    const Progress progress = Run(step, now);
    if (progress == Progress::kDone) {
      ++next_;
      deadline_.reset();
      phase_ = 0;
      continue;
    }
    if (progress == Progress::kBusy) return now;
    if (now >= *deadline_) {
      if (step.kind == ScriptStep::Kind::kSleep) continue;
      GiveUp(step);
    }
    return std::min(now + kWaitPoll, *deadline_);
  }
}

ScriptedUser::Progress ScriptedUser::Run(const ScriptStep& step, Clock::time_point now) {
  using Kind = ScriptStep::Kind;
  HeadlessBackend* backend = CurrentHeadlessBackend();
  const SaveDialogRequest* dialog = backend ? backend->OpenSaveDialog() : nullptr;
  auto doneWhen = [](bool condition) { return condition ? Progress::kDone : Progress::kWaiting; };
  switch (step.kind) {
    case Kind::kWaitSaveDialog: return doneWhen(dialog != nullptr);
    case Kind::kWaitMessageBox: return doneWhen(MessageBoxAnnouncement::Current() != nullptr);
    case Kind::kWaitCaption: return doneWhen(CaptionShown(step.text));
    case Kind::kWaitVisible: {
      const NamedComponent* component = NamedComponent::Find(step.text);
      return doneWhen(component && component->Locate());
    }
    case Kind::kWaitHidden: {
      const NamedComponent* component = NamedComponent::Find(step.text);
      return doneWhen(!component || !component->Locate());
    }
    case Kind::kSleep:
      // The sleep ends when its deadline passes (see Poll).
      return doneWhen(deadline_ && now >= *deadline_);
    case Kind::kSaveAccept:
      if (!dialog) return Progress::kWaiting;
      backend->AnswerSaveDialog(step.text.empty() ? DefaultSaveChoice(*dialog) : step.text);
      return Progress::kDone;
    case Kind::kSaveCancel:
      if (!dialog) return Progress::kWaiting;
      backend->AnswerSaveDialog(std::nullopt);
      return Progress::kDone;
    case Kind::kMessageOk: {
      MessageBoxAnnouncement* box = MessageBoxAnnouncement::Current();
      if (!box) return Progress::kWaiting;
      box->PressOk();
      return Progress::kDone;
    }
    case Kind::kMouseMove:
    case Kind::kMouseClick:
    case Kind::kMouseRightClick:
    case Kind::kMouseDown:
    case Kind::kMouseUp:
    case Kind::kMouseDrag: return RunPointer(step);
    case Kind::kKey: PressKeys(step.text); return Progress::kDone;
    case Kind::kScreenshot: WriteScreenshot(PathOf(step.text)); return Progress::kDone;
    case Kind::kTouch: Touch(PathOf(step.text)); return Progress::kDone;
    case Kind::kRemove: {
      std::error_code error;
      if (!std::filesystem::remove(PathOf(step.text), error) || error) {
        std::fprintf(stderr, "quillbrook: script: remove %s: %s\n", PathOf(step.text).c_str(),
                     error ? error.message().c_str() : "no such file");
      }
      return Progress::kDone;
    }
    case Kind::kRename: {
      std::error_code error;
      std::filesystem::rename(PathOf(step.text), PathOf(step.secondText), error);
      if (error) std::fprintf(stderr, "quillbrook: script: rename %s: %s\n", PathOf(step.text).c_str(), error.message().c_str());
      return Progress::kDone;
    }
  }
  return Progress::kDone;
}

// Each phase delivers one input event; the next phase runs once the program
// has taken it in, so enter, leave, press and release come as from a person.
ScriptedUser::Progress ScriptedUser::RunPointer(const ScriptStep& step) {
  using Kind = ScriptStep::Kind;
  if (phase_ == 0) {
    const std::optional<POINT> target = ResolveTarget(step);
    if (!target) return Progress::kWaiting;
    dragStart_ = *target;
    DeliverPointerMove(*target);
    phase_ = 1;
    return step.kind == Kind::kMouseMove ? Progress::kDone : Progress::kBusy;
  }
  const bool click = step.kind == Kind::kMouseClick || step.kind == Kind::kMouseRightClick;
  const MouseButton button = step.kind == Kind::kMouseRightClick ? MouseButton::kRight : MouseButton::kLeft;
  if (phase_ == 1) {
    const bool down = step.kind != Kind::kMouseUp;
    DeliverButton(button, down);
    phase_ = 2;
    return click || step.kind == Kind::kMouseDrag ? Progress::kBusy : Progress::kDone;
  }
  if (click) {
    DeliverButton(button, false);
    return Progress::kDone;
  }
  const int move = phase_ - 1;  // 1 … kDragSteps
  if (move <= kDragSteps) {
    DeliverPointerMove(POINT{dragStart_.x + step.offset.x * move / kDragSteps,
                             dragStart_.y + step.offset.y * move / kDragSteps});
    ++phase_;
    return Progress::kBusy;
  }
  DeliverButton(MouseButton::kLeft, false);
  return Progress::kDone;
}

void ScriptedUser::RespondByDefault() {
  if (HeadlessBackend* backend = CurrentHeadlessBackend()) {
    if (const SaveDialogRequest* dialog = backend->OpenSaveDialog()) backend->AnswerSaveDialog(DefaultSaveChoice(*dialog));
  }
  if (MessageBoxAnnouncement* box = MessageBoxAnnouncement::Current()) box->PressOk();
}

void ScriptedUser::GiveUp(const ScriptStep& step) {
  events::Log("script-timeout", {{"step", ToUtf16(step.line)}});
  events::Log("quit", {{"code", std::int64_t(3)}});
  std::fflush(nullptr);
  std::_Exit(3);
}

void StartScriptedUser(std::vector<ScriptStep> steps, ScriptedUser::Default afterTheScript) {
  auto user = std::make_shared<ScriptedUser>(std::move(steps), afterTheScript);
  SetLoopAgent([user] { return user->Poll(); });
}

void StartScriptedUser(ScriptedUser::Default afterTheScript) {
  std::vector<ScriptStep> steps;
  if (const char* file = std::getenv("QUILLBROOK_SCRIPT"); file && *file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "quillbrook: cannot read the script %s; going on without it\n", file);
    } else {
      std::ostringstream text;
      text << in.rdbuf();
      try {
        steps = ParseScript(text.str());
      } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "quillbrook: %s: %s; going on without the script\n", file, error.what());
      }
    }
  }
  StartScriptedUser(std::move(steps), afterTheScript);
}

}  // namespace qb
