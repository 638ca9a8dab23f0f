#include "toolkit/graphics/TFont.h"

#include <algorithm>
#include <cmath>

namespace qb {

TFont::TFont() = default;

void TFont::SetName(const std::u16string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return int(std::lround(-double(height_) * 72.0 / kScreenPixelsPerInch));
}

void TFont::SetSize(int points) {
  SetHeight(-int(std::lround(double(points) * kScreenPixelsPerInch / 72.0)));
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(BYTE charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

LOGFONT TFont::Description() const {
  LOGFONT font;
  font.lfHeight = height_;
  font.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = style_.Contains(fsItalic) ? 1 : 0;
  font.lfUnderline = style_.Contains(fsUnderline) ? 1 : 0;
  font.lfStrikeOut = style_.Contains(fsStrikeOut) ? 1 : 0;
  font.lfCharSet = charset_;
  const std::size_t length = std::min<std::size_t>(name_.size(), LF_FACESIZE - 1);
  std::copy_n(name_.begin(), length, font.lfFaceName);
  font.lfFaceName[length] = 0;
  return font;
}

HFONT TFont::Handle() {
  if (!handle_) {
    const LOGFONT font = Description();
    handle_.reset(CreateFontIndirect(&font));
  }
  return handle_.get();
}

void TFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    if (font == this || (font->name_ == name_ && font->height_ == height_ && font->style_ == style_ &&
                         font->color_ == color_ && font->charset_ == charset_)) {
      return;
    }
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    color_ = font->color_;
    charset_ = font->charset_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TFont::Changed() {
  // Listeners deselect the old handle before it is deleted.
  if (OnChange) OnChange(this);
  handle_.reset();
}

}  // namespace qb
