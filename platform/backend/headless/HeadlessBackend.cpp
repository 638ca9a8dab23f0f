#include "platform/backend/headless/HeadlessBackend.h"

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>

#include "platform/backend/RawInput.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

constexpr SIZE kDefaultScreen{1920, 1080};
constexpr RECT kDefaultWorkArea{0, 0, 1920, 1040};

// Parses "W<sep>H" or "a,b,c,d": exactly `count` integers separated by the
// given characters, nothing else.
bool ParseIntegers(const std::string& text, const char* separators, int count, long* out) {
  const char* p = text.c_str();
  for (int i = 0; i < count; ++i) {
    char* end = nullptr;
    out[i] = std::strtol(p, &end, 10);
    if (end == p) return false;
    p = end;
    if (i + 1 < count) {
      if (!*p || !std::strchr(separators, *p)) return false;
      ++p;
    }
  }
  return *p == '\0';
}

}  // namespace

HeadlessBackend::HeadlessBackend(SIZE screen, RECT workArea) : screen_(screen), workArea_(workArea) {}

std::unique_ptr<HeadlessBackend> HeadlessBackend::FromEnvironment() {
  SIZE screen = kDefaultScreen;
  RECT workArea = kDefaultWorkArea;
  if (const char* value = std::getenv("QUILLBROOK_SCREEN"); value && *value) {
    long v[2];
    if (ParseIntegers(value, "xX", 2, v) && v[0] > 0 && v[1] > 0 && v[0] <= 32767 && v[1] <= 32767) {
      screen = SIZE{LONG(v[0]), LONG(v[1])};
    } else {
      std::fprintf(stderr, "quillbrook: QUILLBROOK_SCREEN \"%s\" is not WxH; using 1920x1080\n", value);
    }
  }
  if (const char* value = std::getenv("QUILLBROOK_WORKAREA"); value && *value) {
    long v[4];
    if (ParseIntegers(value, ",", 4, v) && v[0] < v[2] && v[1] < v[3]) {
      workArea = RECT{LONG(v[0]), LONG(v[1]), LONG(v[2]), LONG(v[3])};
    } else {
      std::fprintf(stderr, "quillbrook: QUILLBROOK_WORKAREA \"%s\" is not left,top,right,bottom; using 0,0,1920,1040\n",
                   value);
    }
  }
  return std::make_unique<HeadlessBackend>(screen, workArea);
}

std::optional<std::u16string> HeadlessBackend::RunSaveDialog(const SaveDialogRequest& request) {
  const SaveDialogRequest* outer = openDialog_;
  openDialog_ = &request;
  answer_.reset();
  RunModalUntil([this] { return answer_.has_value(); });
  openDialog_ = outer;
  std::optional<std::u16string> choice = answer_.value_or(std::nullopt);
  answer_.reset();
  return choice;
}

void HeadlessBackend::AnswerSaveDialog(std::optional<std::u16string> choice) {
  // The first answer counts: the dialog is still open until its loop sees
  // it, and a later default answer must not replace the user's. emplace:
  // assigning an empty choice would leave the answer unset.
  if (openDialog_ && !answer_) answer_.emplace(std::move(choice));
}

void HeadlessBackend::SetComposesAlpha(bool composes) {
  if (composes == composesAlpha_) return;
  composesAlpha_ = composes;
  DeliverCompositionChange();
}

int HeadlessBackend::PresentCount(HWND hwnd) const {
  auto it = presented_.find(hwnd);
  return it == presented_.end() ? 0 : it->second;
}

HeadlessBackend* CurrentHeadlessBackend() { return dynamic_cast<HeadlessBackend*>(&CurrentBackend()); }

}  // namespace qb
