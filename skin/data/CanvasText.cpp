#include "skin/data/CanvasText.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Text.h"

namespace qb {
namespace {

// Draws with the canvas's font and colour on a clear background, and puts
// the context's own font, colour and mode back afterwards.
class CanvasTextScope {
 public:
  explicit CanvasTextScope(TCanvas& canvas) : dc_(canvas.Handle()) {
    if (!dc_) return;
    font_ = SelectObject(dc_, canvas.Font().Handle());
    color_ = SetTextColor(dc_, ColorToRGB(canvas.Font().Color()));
    mode_ = SetBkMode(dc_, TRANSPARENT);
  }
  ~CanvasTextScope() {
    if (!dc_) return;
    SetBkMode(dc_, mode_);
    SetTextColor(dc_, color_);
    if (font_) SelectObject(dc_, font_);
  }
  CanvasTextScope(const CanvasTextScope&) = delete;
  CanvasTextScope& operator=(const CanvasTextScope&) = delete;

  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ font_ = nullptr;
  COLORREF color_ = 0;
  int mode_ = OPAQUE;
};

RECT Measure(TCanvas& canvas, const std::u16string& text) {
  RECT rect{};
  DrawTextWithFormat(canvas, text, rect, DT_CALCRECT);
  return rect;
}

}  // namespace

int DrawTextWithFormat(TCanvas& canvas, const std::u16string& text, RECT& rect, UINT format) {
  const CanvasTextScope scope(canvas);
  if (!scope.dc()) return 0;
  return DrawText(scope.dc(), text.c_str(), int(text.size()), &rect, format);
}

int TextWidth(TCanvas& canvas, const std::u16string& text) {
  const RECT r = Measure(canvas, text);
  return r.right - r.left;
}

int TextHeight(TCanvas& canvas, const std::u16string& text) {
  const RECT r = Measure(canvas, text);
  return r.bottom - r.top;
}

std::u16string EllipsisText(TCanvas& canvas, const std::u16string& text, int maxWidth) {
  if (TextWidth(canvas, text) <= maxWidth) return text;
  std::u16string shortened = text;
  while (!shortened.empty()) {
    const char16_t last = shortened.back();
    shortened.pop_back();
    if (last >= 0xDC00 && last <= 0xDFFF && !shortened.empty() && shortened.back() >= 0xD800 &&
        shortened.back() <= 0xDBFF) {
      shortened.pop_back();
    }
    if (TextWidth(canvas, shortened + u"...") <= maxWidth) break;
  }
  return shortened + u"...";
}

}  // namespace qb
