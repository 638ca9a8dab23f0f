#include "platform/gdi/DrawingObjects.h"

#include <array>
#include <cstdint>
#include <memory>

#include "platform/gdi/text/Font.h"

namespace {

constexpr int kSysColorCount = 31;

constexpr std::array<COLORREF, kSysColorCount> kSysColors = {
    RGB(212, 208, 200), RGB(0, 78, 152),    RGB(0, 84, 227),    RGB(122, 150, 223), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(49, 106, 197),  RGB(255, 255, 255),
    RGB(236, 233, 216), RGB(172, 168, 153), RGB(172, 168, 153), RGB(0, 0, 0),       RGB(216, 228, 248),
    RGB(255, 255, 255), RGB(113, 111, 100), RGB(241, 239, 226), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(61, 149, 255),  RGB(157, 185, 235), RGB(49, 106, 197),
    RGB(236, 233, 216),
};

template <typename Object>
Object* Permanent(std::unique_ptr<Object> object) {
  object->permanent = true;
  return object.release();
}

// The stock objects, made once and never freed; nothing changes them after.
struct StockObjects {
  std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> objects{};
  std::array<HBRUSH, kSysColorCount> sysBrushes{};

  StockObjects() {
    objects[WHITE_BRUSH] = Permanent(std::make_unique<HBRUSH__>(RGB(255, 255, 255)));
    objects[LTGRAY_BRUSH] = Permanent(std::make_unique<HBRUSH__>(RGB(192, 192, 192)));
    objects[GRAY_BRUSH] = Permanent(std::make_unique<HBRUSH__>(RGB(128, 128, 128)));
    objects[DKGRAY_BRUSH] = Permanent(std::make_unique<HBRUSH__>(RGB(64, 64, 64)));
    objects[BLACK_BRUSH] = Permanent(std::make_unique<HBRUSH__>(RGB(0, 0, 0)));
    objects[NULL_BRUSH] = Permanent(std::make_unique<HBRUSH__>(0, true));
    objects[WHITE_PEN] = Permanent(std::make_unique<HPEN__>(PS_SOLID, 1, RGB(255, 255, 255)));
    objects[BLACK_PEN] = Permanent(std::make_unique<HPEN__>(PS_SOLID, 1, RGB(0, 0, 0)));
    objects[NULL_PEN] = Permanent(std::make_unique<HPEN__>(PS_NULL, 1, RGB(0, 0, 0)));
    LOGFONT gui;
    gui.lfHeight = -11;
    const std::u16string_view tahoma = u"Tahoma";
    tahoma.copy(gui.lfFaceName, tahoma.size());
    objects[DEFAULT_GUI_FONT] = Permanent(std::make_unique<HFONT__>(gui));
    for (int i = 0; i < kSysColorCount; ++i) sysBrushes[std::size_t(i)] = Permanent(std::make_unique<HBRUSH__>(kSysColors[std::size_t(i)]));
  }
};

const StockObjects& Stock() {
  static const StockObjects stock;
  return stock;
}

}  // namespace

HBRUSH CreateSolidBrush(COLORREF color) { return new HBRUSH__(color & 0xFFFFFF); }

HPEN CreatePen(int style, int width, COLORREF color) { return new HPEN__(style, width, color & 0xFFFFFF); }

HGDIOBJ GetStockObject(int which) {
  if (which < 0 || which > DEFAULT_GUI_FONT) return nullptr;
  return Stock().objects[std::size_t(which)];
}

DWORD GetSysColor(int index) {
  return index >= 0 && index < kSysColorCount ? kSysColors[std::size_t(index)] : 0;
}

HBRUSH GetSysColorBrush(int index) {
  return index >= 0 && index < kSysColorCount ? Stock().sysBrushes[std::size_t(index)] : nullptr;
}

namespace qb {

bool SolidBrushColor(HBRUSH brush, COLORREF& color) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value == 0) return false;
  if (value <= kSysColorCount) {
    color = kSysColors[value - 1];
    return true;
  }
  if (brush->isNull) return false;
  color = brush->color;
  return true;
}

}  // namespace qb
